#include "player/elements/TextElement.h"

#include "common/formats/ColorText.h"
#include "common/formats/CommaText.h"
#include "common/formats/DisplayScaling.h"
#include "common/formats/LangLines.h"
#include "common/platform/SafetyLimits.h"
#include "player/elements/Appearance.h"
#include "player/elements/TextRendering.h"
#include "player/transitions/KeyedCopy.h"

#include <QPainter>
#include <algorithm>

namespace ztv {

bool TextElement::disappears() const {
    return fichierIsOneOf({lang::MarkerDisappear});
}

void TextElement::prepare() {
    rendering_ = hoverRendering_ = QImage();
    if (!limits::pictureSizeAllowed(record().Largeur, record().Hauteur)) {
        return;
    }
    rendering_ = render(colourOfValue(std::uint32_t(record().Couleur)));
    // A hover text that is no colour gives no hover look.
    if (const auto hover = colorFromText(record().SurvolFichier.trimmed())) {
        hoverRendering_ = render(colourOfValue(*hover));
    }
}

// Full-screen projects render at the design size and stretch, so fonts and offsets scale with
// the display like everything else on the page.
QImage TextElement::render(QColor text) const {
    const ElementRecord& r = record();
    const TextLook look = readTextLook(r.sensdegra, r.Transparent, roles().messages->language());
    const QStringList lines = readCommaText(r.Fichier);
    const QColor shadow = colourOfValue(std::uint32_t(r.Couldegra));
    const QSize size(r.Largeur, r.Hauteur);
    const PageCanvas& page = *roles().canvas;
    if (!page.projetStretch()) {
        return renderText(lines, look, size, text, shadow);
    }
    const DisplayGeometry& g = page.geometry();
    const QSize design(
        std::max<qint64>(1, qint64(g.projectWidth) * r.Largeur / std::max(1, g.screenWidth)),
        std::max<qint64>(1, qint64(g.projectHeight) * r.Hauteur / std::max(1, g.screenHeight)));
    if (!limits::pictureSizeAllowed(design.width(), design.height())) {
        return renderText(lines, look, size, text, shadow);
    }
    return renderText(lines, look, design, text, shadow)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool TextElement::show() {
    PageCanvas& page = *roles().canvas;
    if (rendering_.isNull()) {
        state_.finished = true;  // a background marker, or a rectangle nothing can be drawn in
        return true;
    }
    under_ =
        page.canvas().copy(QRect(at(), rendering_.size())).convertToFormat(QImage::Format_RGB32);
    bitmap_ = composeOver(under_, rendering_);
    const QString effet = appearanceEffect(page.transitions(), roles().reversal, record().Effet);
    // Checked quietly: an unknown name is reported when the transition starts.
    std::optional<QRgb> key;
    if (keepsKeyColour(page.transitions().names().number(effet))) {
        keyOutUncovered(bitmap_, rendering_);
        key = kTextKey;
    }
    if (record().joinsBackground()) {
        QPainter(&page.pageBackground()).drawImage(at(), rendering_);
    }
    startTransition(effet, key);
    return true;
}

void TextElement::disappear() {
    if (!limits::pictureSizeAllowed(record().Largeur, record().Hauteur)) {
        state_.finished = true;
        return;
    }
    bitmap_ = roles().canvas->pageBackground().copy(
        QRect(at(), QSize(record().Largeur, record().Hauteur)));
    bitmap_.convertTo(QImage::Format_RGB32);
    startTransition(record().Effet, std::nullopt);
}

void TextElement::startTransition(const QString& effet, std::optional<QRgb> keyColour) {
    const ElementRecord& r = record();
    PageCanvas& page = *roles().canvas;
    state_ = page.transitions().start(effet, {r.EffetDepart, r.EffetPas, r.EffetFin, r.size},
                                      page.canvas(), bitmap_, at(), keyColour);
    restartColumnPause();
}

void TextElement::step() {
    if (state_.finished) {
        finishSteps();
        if (hoverRendering_.isNull()) {
            requestFree();
        }
        return;
    }
    PageCanvas& page = *roles().canvas;
    page.transitions().step(state_, page.canvas(), bitmap_, at());
    scheduleTransitionStep();
}

// Each look is composed over the page as it was beneath the text, so switching looks never
// thickens the glyph edges or leaves the other colour at them. A transition still running keeps
// its place.
void TextElement::hover(bool on) {
    if (under_.isNull()) {
        return;
    }
    const QImage& look = on && !hoverRendering_.isNull() ? hoverRendering_ : rendering_;
    drawThrough(roles().canvas->canvas(), at(), composeOver(under_, look), std::nullopt);
    restartColumnPause();
}

}  // namespace ztv
