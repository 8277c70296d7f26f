#include "common/formats/RichTextReader.h"

#include "common/formats/RtfInterpreter.h"
#include "common/formats/RtfTokenizer.h"

#include <QTextDocument>

namespace ztv {

bool isRichText(QByteArrayView bytes) {
    return bytes.trimmed().startsWith("{\\rtf");
}

bool readRichText(const QByteArray& bytes, QTextDocument& into, QString* error,
                  const RichTextOptions& options) {
    if (!isRichText(bytes)) {
        if (error)
            *error = QStringLiteral("not an RTF document: it does not start with {\\rtf");
        return false;
    }
    into.clear();
    // Building the document is one step for the user: no undo history for it.
    const bool undo = into.isUndoRedoEnabled();
    into.setUndoRedoEnabled(false);
    rtf::RtfTokenizer tokens(bytes);
    rtf::RtfInterpreter(into, options.defaultCodePage).read(tokens);
    into.setUndoRedoEnabled(undo);
    return true;
}

}  // namespace ztv
