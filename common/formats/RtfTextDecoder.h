#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>

namespace ztv::rtf {

// Turns the bytes of an RTF text (and its \'hh escapes) into characters in a Windows code page.
// An unknown code page reads as Windows-1252.
class RtfTextDecoder {
  public:
    QString decode(QByteArrayView bytes, int codePage);

    // The code page of a font's \fcharsetN; 0 when the charset names none (use the document's).
    static int codePageOfCharset(int charset);

  private:
    QStringDecoder* decoderFor(int codePage);

    std::map<int, QStringDecoder> decoders_;
};

}  // namespace ztv::rtf
