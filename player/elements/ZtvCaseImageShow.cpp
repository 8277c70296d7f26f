// The picture cell on the page: its appearance and disappearance, the GIF frames and the hover
// picture.
#include "common/formats/ElementKinds.h"
#include "common/platform/Clock.h"
#include "player/elements/Appearance.h"
#include "player/elements/ElementHost.h"
#include "player/transitions/KeyedCopy.h"
#include "player/elements/StepTiming.h"
#include "player/elements/ZtvCaseImage.h"

namespace ztv {

bool TZtvCaseImage::Afficher() {
    ElementHost& im = host();
    if (!hasPicture()) {
        state_.finished = true;
        return true;
    }
    std::optional<QRgb> key;
    if (isTransparentMode(mode_) && transparent_) {
        // Checked quietly: an unknown name is reported when the transition starts.
        const bool keep = keepsKeyColour(im.transitions().names().number(Effet));
        bitmap_ = composeOverPage(frames_.first(), keep);
        if (keep) {
            key = transparent_;
        }
        if (animated()) {
            gifBackground_ = im.canvas().copy(Gauche, Haut, Largeur, Hauteur);
        }
    } else {
        bitmap_ = frames_.first();
    }
    composed_ = bitmap_;
    composedKey_ = key;
    if (kindOfRow(Ligne) == ElementKind::Background || joinsBackground()) {
        drawThrough(im.fond(), QPoint(Gauche, Haut), bitmap_, key);
    }
    QString effet = Effet;
    im.transitions().applyInverse(effet, im.effetInverse());
    startTransition(effet, key);
    return true;
}

// The frame over what the page shows at the element's rectangle, or over the transparent
// colour itself for the effects that draw over a saved background.
QImage TZtvCaseImage::composeOverPage(const QImage& frame, bool overKeyColour) {
    QImage bitmap;
    if (overKeyColour) {
        bitmap = QImage(frame.size(), QImage::Format_RGB32);
        bitmap.fill(*transparent_);
    } else {
        bitmap = host().canvas().copy(Gauche, Haut, Largeur, Hauteur);
        bitmap.convertTo(QImage::Format_RGB32);
    }
    drawThrough(bitmap, QPoint(0, 0), frame, transparent_);
    return bitmap;
}

void TZtvCaseImage::Effacer() {
    if (!drawable()) {
        state_.finished = true;
        return;
    }
    bitmap_ = host().fond().copy(Gauche, Haut, Largeur, Hauteur);
    startTransition(Effet, std::nullopt);
}

void TZtvCaseImage::startTransition(const QString& effet, std::optional<QRgb> keyColour) {
    ElementHost& im = host();
    state_ = im.transitions().start(effet, {EffetDepart, EffetPas, EffetFin, size}, im.canvas(),
                                    bitmap_, QPoint(Gauche, Haut), keyColour);
    im.restartColumnPause();
}

void TZtvCaseImage::Avancer() {
    ElementHost& im = host();
    if (state_.finished) {
        // An animated GIF goes on with its frames once it has appeared.
        if (!animated() || state_.effect == kEffectUnknown) {
            finirPas();
            if (!hasHover_) {
                LibererSoi();
            }
            return;
        }
        state_.finished = false;
        state_.effect = kEffectGifFrames;
        currentFrame_ = 0;
        loopsPlayed_ = 0;
        showGifFrame();
    } else if (state_.effect == kEffectGifFrames) {
        showGifFrame();
    } else {
        im.transitions().step(state_, im.canvas(), bitmap_, QPoint(Gauche, Haut));
    }
    if (state_.effect != kEffectUnknown) {
        im.setNextStep(Ligne, Colonne, im.clock().nowMs() + steptiming::transitionDelayMs(Vitesse));
    }
}

// The next frame of an animated GIF. After the last loop the animation stops on frame 0.
void TZtvCaseImage::showGifFrame() {
    if (++currentFrame_ >= gifFrameCount_) {
        currentFrame_ = 0;
        if (loopCount_ != 0 && loopsPlayed_ >= loopCount_) {
            endAnimation();
        } else {
            ++loopsPlayed_;
        }
    }
    const QImage& frame = frames_.at(currentFrame_);
    if (isTransparentMode(mode_) && transparent_) {
        bitmap_ = gifBackground_.convertToFormat(QImage::Format_RGB32);
        drawThrough(bitmap_, QPoint(0, 0), frame, transparent_);
    } else {
        bitmap_ = frame;
    }
    if (joinsBackground()) {
        drawThrough(host().fond(), QPoint(Gauche, Haut), bitmap_, std::nullopt);
    }
    drawThrough(host().canvas(), QPoint(Gauche, Haut), bitmap_, std::nullopt);
}

void TZtvCaseImage::endAnimation() {
    finirPas();
    state_.effect = kEffectUnknown;
    state_.finished = true;
    if (!hasHover_) {
        LibererSoi();
    }
}

void TZtvCaseImage::Survoler(bool on) {
    if (!hasPicture()) {
        return;
    }
    std::optional<QRgb> key;
    if (on && hasHover_) {
        bitmap_ = frames_.last();
        if (animated()) {
            finirPas();
        }
    } else {
        // What Afficher composed: a transparent picture comes back over the page it was on.
        bitmap_ = composed_.isNull() ? frames_.first() : composed_;
        key = composedKey_;
    }
    drawThrough(host().canvas(), QPoint(Gauche, Haut), bitmap_, key);
    state_.step = std::max(1, EffetPas);
    state_.position = EffetDepart;
    host().restartColumnPause();
}

}  // namespace ztv
