#include "common/platform/Cp1252.h"

#include <array>

namespace ztv {
namespace {

// 0x80..0x9F; 0 marks the five bytes the code page leaves undefined (decoded as C1 controls).
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t decodeByte(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        const char16_t mapped = kHighControls[b - 0x80];
        return mapped ? mapped : char16_t(b);
    }
    return char16_t(b);
}

char encodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return char(c);
    }
    for (int i = 0; i < int(kHighControls.size()); ++i) {
        if (kHighControls[i] == c || (kHighControls[i] == 0 && c == 0x80 + i)) {
            return char(0x80 + i);
        }
    }
    return '?';
}

}  // namespace

QString fromCp1252(QByteArrayView bytes) {
    QString out;
    out.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        out[i] = QChar(decodeByte(static_cast<unsigned char>(bytes[i])));
    }
    return out;
}

QByteArray toCp1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;  // one character outside the BMP, one '?'
            out.append('?');
            continue;
        }
        out.append(encodeChar(c.unicode()));
    }
    return out;
}

QString firstUnencodable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            return text.mid(i, 2);
        }
        if (c.isSurrogate() || (encodeChar(c.unicode()) == '?' && c != u'?')) {
            return QString(c);
        }
    }
    return {};
}

}  // namespace ztv
