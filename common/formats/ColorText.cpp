#include "common/formats/ColorText.h"

#include <array>
#include <cstdint>
#include <utility>

namespace ztv {
namespace {

constexpr std::array<std::pair<const char*, std::uint32_t>, 16> kNames = {{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
}};

}  // namespace

QString colorToText(std::uint32_t colour) {
    for (const auto& [name, value] : kNames) {
        if (value == colour) {
            return QString::fromLatin1(name);
        }
    }
    return QStringLiteral("$%1").arg(colour, 8, 16, QChar(u'0')).toUpper();
}

std::optional<std::uint32_t> colorFromText(const QString& text) {
    for (const auto& [name, value] : kNames) {
        if (text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            return value;
        }
    }
    bool ok = false;
    if (text.isEmpty() || text[0] != u'$') {
        // A decimal colour value, as the colour text writes numbers it has no name for.
        const qlonglong v = text.toLongLong(&ok);
        if (!ok || v < INT32_MIN || v > qlonglong(UINT32_MAX)) {
            return std::nullopt;
        }
        return std::uint32_t(v);
    }
    if (text.size() < 2) {
        return std::nullopt;
    }
    const qulonglong v = text.mid(1).toULongLong(&ok, 16);
    if (!ok || text.size() > 9) {
        return std::nullopt;
    }
    return std::uint32_t(v);
}

QColor colourOfValue(std::uint32_t colour) {
    return QColor(int(colour & 0xff), int((colour >> 8) & 0xff), int((colour >> 16) & 0xff));
}

std::uint32_t valueOfColour(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return std::uint32_t(rgb.red()) | (std::uint32_t(rgb.green()) << 8) |
           (std::uint32_t(rgb.blue()) << 16);
}

}  // namespace ztv
