#include "common/formats/RtfDocumentBuilder.h"

#include <QTextBlockFormat>
#include <QTextDocument>

namespace ztv::rtf {

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument& document) : cursor_(&document) {}

void RtfDocumentBuilder::endParagraph(Qt::Alignment alignment) {
    flush();
    alignBlock(alignment);
    cursor_.insertBlock(cursor_.blockFormat(), runFormat_);
}

void RtfDocumentBuilder::finish(Qt::Alignment alignment) {
    flush();
    alignBlock(alignment);
}

void RtfDocumentBuilder::setFormat(const QTextCharFormat& format) {
    if (format == runFormat_)
        return;
    flush();
    runFormat_ = format;
}

void RtfDocumentBuilder::flush() {
    if (run_.isEmpty())
        return;
    cursor_.insertText(run_, runFormat_);
    run_.clear();
}

void RtfDocumentBuilder::alignBlock(Qt::Alignment alignment) {
    QTextBlockFormat format = cursor_.blockFormat();
    if (format.alignment() != alignment) {
        format.setAlignment(alignment);
        cursor_.setBlockFormat(format);
    }
}

}  // namespace ztv::rtf
