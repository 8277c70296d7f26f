#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace ztv::rtf {

class RtfTextDecoder;

// The fonts of \fonttbl by number: family name and code page (0: the document's).
class RtfFontTable {
  public:
    static constexpr int kMaxFonts = 4096;
    static constexpr int kMaxNameBytes = 256;

    struct Font {
        QString family;
        int codePage = 0;
    };

    // The entry being read: \fN starts it, \fcharsetN and \cpgN give its code page, its text is
    // the name up to ';'.
    void begin(int number);
    void setCodePage(int codePage);
    void appendName(QByteArrayView bytes);
    void commit(RtfTextDecoder& decoder, int documentCodePage);

    // nullptr for a number the table does not hold.
    const Font* find(int number) const;

  private:
    QHash<int, Font> fonts_;
    int number_ = -1;
    int codePage_ = 0;
    QByteArray name_;
};

}  // namespace ztv::rtf
