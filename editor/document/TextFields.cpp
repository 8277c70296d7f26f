#include "editor/document/TextFields.h"

#include "common/formats/ColorText.h"
#include "common/formats/CommaText.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/Cp1252.h"
#include "common/platform/SafetyLimits.h"
#include "player/elements/TextLook.h"
#include "player/elements/TextRendering.h"

#include <algorithm>

namespace ztv::editor {

namespace {

int alignLineNamed(const QString& name, const LanguageFile& language) {
    for (int line = lang::AlignLeft; line <= lang::AlignCentre; ++line) {
        if (language.isLine(name, line)) {
            return line;
        }
    }
    return lang::AlignCentre;  // the player centres any other name
}

}  // namespace

QString textFontList(const RememberedFont& font, const LanguageFile& language) {
    return writeCommaText({font.name, language.text(font.styleLine), QString::number(font.points)});
}

QString textLayoutList(const QString& alignment, int spacing, QPoint shadow) {
    return writeCommaText({alignment, QString::number(spacing), QString::number(shadow.x()),
                           QString::number(shadow.y())});
}

TextFields TextFields::fromRecord(const ElementRecord& r, const LanguageFile& language) {
    TextFields fields;
    fields.lines = readCommaText(r.Fichier);
    const QStringList font = readCommaText(r.sensdegra);
    fields.font.set(font.value(0), font.value(2), font.value(1), language);
    const QStringList layout = readCommaText(r.Transparent);
    fields.alignLine = alignLineNamed(layout.value(0), language);
    fields.spacing = std::clamp(layout.value(1).toInt(), -kMaxLineSpacing, kMaxLineSpacing);
    fields.shadow = QPoint(std::clamp(layout.value(2).toInt(), -kMaxTextShadow, kMaxTextShadow),
                           std::clamp(layout.value(3).toInt(), -kMaxTextShadow, kMaxTextShadow));
    fields.colour = colourOfValue(std::uint32_t(r.Couleur));
    fields.shadowColour = colourOfValue(std::uint32_t(r.Couldegra));
    if (const auto hover = colorFromText(r.SurvolFichier.trimmed())) {
        fields.hoverColour = colourOfValue(*hover);
    }
    return fields;
}

QString TextFields::commaText() const {
    return writeCommaText(lines);
}

QString TextFields::unstorableCharacter() const {
    return firstUnencodable(lines.join(u'\n'));
}

TextFields::Refusal TextFields::refusal() const {
    if (std::all_of(lines.begin(), lines.end(), [](const QString& l) { return l.isEmpty(); })) {
        return Refusal::Empty;
    }
    if (!unstorableCharacter().isEmpty()) {
        return Refusal::UnstorableCharacter;
    }
    // Cut to the field, the last line would lose its closing quote and read back otherwise.
    if (toCp1252(commaText()).size() > kTextFichierBytes) {
        return Refusal::TooLong;
    }
    return Refusal::None;
}

void TextFields::applyTo(ElementRecord& r, const LanguageFile& language) const {
    r.Fichier = commaText();
    r.sensdegra = textFontList(font, language);
    r.Transparent = textLayoutList(language.text(alignLine), spacing, shadow);
    r.Couleur = std::int32_t(valueOfColour(colour));
    r.Couldegra = std::int32_t(valueOfColour(shadowColour));
    r.SurvolFichier = hoverColour ? colorToText(valueOfColour(*hoverColour)) : QString();
    r.style.clear();
}

TextLook TextFields::look(const LanguageFile& language) const {
    return readTextLook(textFontList(font, language),
                        textLayoutList(language.text(alignLine), spacing, shadow), language);
}

QSize TextFields::measured(const LanguageFile& language) const {
    return measureText(lines, look(language));
}

QImage TextFields::rendering(const LanguageFile& language, const QColor& text) const {
    const TextLook shown = look(language);
    const QSize size = measureText(lines, shown);
    // A size the player would not draw either gives no picture rather than a huge allocation.
    if (!limits::pictureSizeAllowed(size.width(), size.height())) {
        return {};
    }
    return renderText(lines, shown, size, text, shadowColour);
}

}  // namespace ztv::editor
