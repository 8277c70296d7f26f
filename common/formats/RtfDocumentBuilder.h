#pragma once

#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;

namespace ztv::rtf {

// Writes text runs and paragraphs into a QTextDocument. Characters are gathered while their
// format stays the same and inserted as one run, which keeps large documents fast.
class RtfDocumentBuilder {
  public:
    explicit RtfDocumentBuilder(QTextDocument& document);

    // The format of the characters appended from now on.
    void setFormat(const QTextCharFormat& format);
    void append(QStringView text) { run_.append(text); }
    void append(QChar c) { run_.append(c); }
    // Ends the current paragraph with this alignment and starts the next one.
    void endParagraph(Qt::Alignment alignment);
    // Gives the last paragraph its alignment and writes what is pending.
    void finish(Qt::Alignment alignment);

  private:
    void flush();
    void alignBlock(Qt::Alignment alignment);

    QTextCursor cursor_;
    QString run_;
    QTextCharFormat runFormat_;
};

}  // namespace ztv::rtf
