#include "player/elements/TextLook.h"

#include "common/formats/CommaText.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/Fonts.h"

#include <QStringList>
#include <algorithm>

namespace ztv {
namespace {

constexpr int kDefaultPoints = 10;
constexpr int kMaxPoints = 1000;
// Offsets and spacing beyond this only push the text off any bitmap; keeping them in range keeps
// the line arithmetic far from overflow.
constexpr int kMaxShift = 20000;

struct Style {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const Style&) const = default;
};

// Lines 130 to 140, in order.
constexpr Style kStyles[] = {
    {},
    {true, false, false, false},
    {false, true, false, false},
    {false, false, true, false},
    {false, false, false, true},
    {true, true, false, false},
    {true, false, true, false},
    {false, true, true, false},
    {true, false, false, true},
    {false, true, false, true},
    {false, false, true, true},
};

Style styleNamed(const QString& name, const LanguageFile& language) {
    for (int i = 0; i < int(std::size(kStyles)); ++i) {
        if (language.isLine(name, lang::FontStyleNormal + i)) {
            return kStyles[i];
        }
    }
    return {};
}

int integerOr(const QString& text, int fallback, int low, int high) {
    bool ok = false;
    const qlonglong v = text.toLongLong(&ok);
    return ok ? int(std::clamp<qlonglong>(v, low, high)) : fallback;
}

QFont fontOf(const QStringList& items, const LanguageFile& language) {
    QFont font(items.value(0).isEmpty() ? QStringLiteral("Arial") : items.value(0));
    const int points = integerOr(items.value(2), kDefaultPoints, 1, kMaxPoints);
    font.setPixelSize(pointsToPixels(points));
    applyStyleNamed(font, items.value(1), language);
    return font;
}

TextAlign alignNamed(const QString& name, const LanguageFile& language) {
    if (language.isLine(name, lang::AlignLeft)) {
        return TextAlign::Left;
    }
    if (language.isLine(name, lang::AlignRight)) {
        return TextAlign::Right;
    }
    return TextAlign::Centre;
}

}  // namespace

void applyStyleNamed(QFont& font, const QString& styleName, const LanguageFile& language) {
    const Style style = styleNamed(styleName, language);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeOut);
}

int styleLineOf(const QFont& font) {
    const Style wanted{font.bold(), font.italic(), font.underline(), font.strikeOut()};
    for (int i = 0; i < int(std::size(kStyles)); ++i) {
        if (kStyles[i] == wanted) {
            return lang::FontStyleNormal + i;
        }
    }
    return lang::FontStyleNormal;
}

TextLook readTextLook(const QString& fontList, const QString& layoutList,
                      const LanguageFile& language) {
    const QStringList layout = readCommaText(layoutList);
    TextLook look;
    look.font = fontOf(readCommaText(fontList), language);
    look.align = alignNamed(layout.value(0), language);
    look.spacing = integerOr(layout.value(1), 0, -kMaxShift, kMaxShift);
    look.shadow = QPoint(integerOr(layout.value(2), 0, -kMaxShift, kMaxShift),
                         integerOr(layout.value(3), 0, -kMaxShift, kMaxShift));
    return look;
}

}  // namespace ztv
