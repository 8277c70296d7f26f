#include "editor/document/RememberedFont.h"

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/Fonts.h"
#include "player/elements/TextLook.h"

#include <algorithm>

namespace ztv::editor {

namespace {

constexpr int kMaxPoints = 1000;

}  // namespace

QFont RememberedFont::font(const LanguageFile& language) const {
    QFont f(name);
    f.setPixelSize(pointsToPixels(points));
    applyStyleNamed(f, language.text(styleLine), language);
    return f;
}

void RememberedFont::set(const QString& fontName, const QString& sizeText, const QString& styleName,
                         const LanguageFile& language) {
    if (!fontName.trimmed().isEmpty()) {
        name = fontName.trimmed();
    }
    bool ok = false;
    const int size = sizeText.trimmed().toInt(&ok);
    if (ok && size >= 1 && size <= kMaxPoints) {
        points = size;
    }
    styleLine = lang::FontStyleNormal;
    for (int line = lang::FontStyleNormal; line <= lang::FontStyleUnderlineStrikeOut; ++line) {
        if (language.isLine(styleName, line)) {
            styleLine = line;
        }
    }
}

void RememberedFont::set(const QFont& chosen) {
    name = chosen.family();
    // Fonts from a dialog carry points; a font sized in pixels is turned back at 96 dpi.
    const int size = chosen.pointSize() > 0 ? chosen.pointSize() : chosen.pixelSize() * 72 / 96;
    points = std::clamp(size, 1, kMaxPoints);
    styleLine = styleLineOf(chosen);
}

}  // namespace ztv::editor
