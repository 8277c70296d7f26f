#include "player/elements/ZtvCaseTexte.h"

#include "common/formats/ColorText.h"
#include "common/formats/CommaText.h"
#include "common/formats/LangLines.h"
#include "common/platform/SafetyLimits.h"
#include "common/platform/Clock.h"
#include "player/elements/ElementHost.h"
#include "player/transitions/KeyedCopy.h"
#include "player/elements/StepTiming.h"
#include "player/elements/TextRendering.h"

#include <QPainter>
#include <algorithm>

namespace ztv {

bool TZtvCaseTexte::aEffacer() const {
    return fichierEst({lang::MarkerDisappear});
}

void TZtvCaseTexte::Preparer() {
    rendering_ = hoverRendering_ = QImage();
    if (!limits::pictureSizeAllowed(Largeur, Hauteur)) {
        return;
    }
    rendering_ = render(colourOfValue(std::uint32_t(Couleur)));
    // A hover text that is no colour gives no hover look.
    if (const auto hover = colorFromText(SurvolFichier.trimmed())) {
        hoverRendering_ = render(colourOfValue(*hover));
    }
}

// Full-screen projects render at the design size and stretch, so fonts and offsets scale with
// the display like everything else on the page.
QImage TZtvCaseTexte::render(QColor text) const {
    const TextLook look = readTextLook(sensdegra, Transparent, host().language());
    const QStringList lines = readCommaText(Fichier);
    const QColor shadow = colourOfValue(std::uint32_t(Couldegra));
    const QSize size(Largeur, Hauteur);
    if (!host().projetStretch()) {
        return renderText(lines, look, size, text, shadow);
    }
    const DisplayGeometry& g = host().geometry();
    const QSize design(
        std::max<qint64>(1, qint64(g.projectWidth) * Largeur / std::max(1, g.screenWidth)),
        std::max<qint64>(1, qint64(g.projectHeight) * Hauteur / std::max(1, g.screenHeight)));
    if (!limits::pictureSizeAllowed(design.width(), design.height())) {
        return renderText(lines, look, size, text, shadow);
    }
    return renderText(lines, look, design, text, shadow)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool TZtvCaseTexte::Afficher() {
    ElementHost& im = host();
    if (rendering_.isNull()) {
        state_.finished = true;  // a background marker, or a rectangle nothing can be drawn in
        return true;
    }
    under_ = im.canvas().copy(QRect(at(), rendering_.size())).convertToFormat(QImage::Format_RGB32);
    bitmap_ = composeOver(under_, rendering_);
    QString effet = Effet;
    im.transitions().applyInverse(effet, im.effetInverse());
    // Checked quietly: an unknown name is reported when the transition starts.
    std::optional<QRgb> key;
    if (keepsKeyColour(im.transitions().names().number(effet))) {
        keyOutUncovered(bitmap_, rendering_);
        key = kTextKey;
    }
    if (joinsBackground()) {
        QPainter(&im.fond()).drawImage(at(), rendering_);
    }
    startTransition(effet, key);
    return true;
}

void TZtvCaseTexte::Effacer() {
    if (!limits::pictureSizeAllowed(Largeur, Hauteur)) {
        state_.finished = true;
        return;
    }
    bitmap_ = host().fond().copy(QRect(at(), QSize(Largeur, Hauteur)));
    bitmap_.convertTo(QImage::Format_RGB32);
    startTransition(Effet, std::nullopt);
}

void TZtvCaseTexte::startTransition(const QString& effet, std::optional<QRgb> keyColour) {
    ElementHost& im = host();
    state_ = im.transitions().start(effet, {EffetDepart, EffetPas, EffetFin, size}, im.canvas(),
                                    bitmap_, at(), keyColour);
    im.restartColumnPause();
}

void TZtvCaseTexte::Avancer() {
    ElementHost& im = host();
    if (state_.finished) {
        finirPas();
        if (hoverRendering_.isNull()) {
            LibererSoi();
        }
        return;
    }
    im.transitions().step(state_, im.canvas(), bitmap_, at());
    im.setNextStep(Ligne, Colonne, im.clock().nowMs() + steptiming::transitionDelayMs(Vitesse));
}

// Each look is composed over the page as it was beneath the text, so switching looks never
// thickens the glyph edges or leaves the other colour at them. A transition still running keeps
// its place.
void TZtvCaseTexte::Survoler(bool on) {
    if (under_.isNull()) {
        return;
    }
    const QImage& look = on && !hoverRendering_.isNull() ? hoverRendering_ : rendering_;
    drawThrough(host().canvas(), at(), composeOver(under_, look), std::nullopt);
    host().restartColumnPause();
}

}  // namespace ztv
