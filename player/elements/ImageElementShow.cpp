// The picture cell on the page: its appearance and disappearance, the GIF frames and the hover
// picture.
#include "common/formats/ElementKinds.h"
#include "player/elements/Appearance.h"
#include "player/elements/ImageElement.h"
#include "player/transitions/KeyedCopy.h"

namespace ztv {

bool ImageElement::show() {
    PageCanvas& page = *roles().canvas;
    if (!hasPicture()) {
        state_.finished = true;
        return true;
    }
    std::optional<QRgb> key;
    if (isTransparentMode(mode_) && transparent_) {
        // Checked quietly: an unknown name is reported when the transition starts.
        const bool keep = keepsKeyColour(page.transitions().names().number(record().Effet));
        bitmap_ = composeOverPage(frames_.first(), keep);
        if (keep) {
            key = transparent_;
        }
        if (animated()) {
            gifBackground_ = page.canvas().copy(rect());
        }
    } else {
        bitmap_ = frames_.first();
    }
    composed_ = bitmap_;
    composedKey_ = key;
    if (kindOfRow(record().Ligne) == ElementKind::Background || record().joinsBackground()) {
        drawThrough(page.pageBackground(), rect().topLeft(), bitmap_, key);
    }
    startTransition(appearanceEffect(page.transitions(), roles().reversal, record().Effet), key);
    return true;
}

// The frame over what the page shows at the element's rectangle, or over the transparent
// colour itself for the effects that draw over a saved background.
QImage ImageElement::composeOverPage(const QImage& frame, bool overKeyColour) {
    QImage bitmap;
    if (overKeyColour) {
        bitmap = QImage(frame.size(), QImage::Format_RGB32);
        bitmap.fill(*transparent_);
    } else {
        bitmap = roles().canvas->canvas().copy(rect());
        bitmap.convertTo(QImage::Format_RGB32);
    }
    drawThrough(bitmap, QPoint(0, 0), frame, transparent_);
    return bitmap;
}

void ImageElement::disappear() {
    if (!drawable()) {
        state_.finished = true;
        return;
    }
    bitmap_ = roles().canvas->pageBackground().copy(rect());
    startTransition(record().Effet, std::nullopt);
}

void ImageElement::startTransition(const QString& effet, std::optional<QRgb> keyColour) {
    const ElementRecord& r = record();
    PageCanvas& page = *roles().canvas;
    state_ = page.transitions().start(effet, {r.EffetDepart, r.EffetPas, r.EffetFin, r.size},
                                      page.canvas(), bitmap_, rect().topLeft(), keyColour);
    restartColumnPause();
}

void ImageElement::step() {
    PageCanvas& page = *roles().canvas;
    if (state_.finished) {
        // An animated GIF goes on with its frames once it has appeared.
        if (!animated() || state_.effect == kEffectUnknown) {
            finishSteps();
            if (!hasHover_) {
                requestFree();
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
        page.transitions().step(state_, page.canvas(), bitmap_, rect().topLeft());
    }
    if (state_.effect != kEffectUnknown) {
        scheduleTransitionStep();
    }
}

// The next frame of an animated GIF. After the last loop the animation stops on frame 0.
void ImageElement::showGifFrame() {
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
    PageCanvas& page = *roles().canvas;
    if (record().joinsBackground()) {
        drawThrough(page.pageBackground(), rect().topLeft(), bitmap_, std::nullopt);
    }
    drawThrough(page.canvas(), rect().topLeft(), bitmap_, std::nullopt);
}

void ImageElement::endAnimation() {
    finishSteps();
    state_.effect = kEffectUnknown;
    state_.finished = true;
    if (!hasHover_) {
        requestFree();
    }
}

void ImageElement::hover(bool on) {
    if (!hasPicture()) {
        return;
    }
    std::optional<QRgb> key;
    if (on && hasHover_) {
        bitmap_ = frames_.last();
        if (animated()) {
            finishSteps();
        }
    } else {
        // What show() composed: a transparent picture comes back over the page it was on.
        bitmap_ = composed_.isNull() ? frames_.first() : composed_;
        key = composedKey_;
    }
    drawThrough(roles().canvas->canvas(), rect().topLeft(), bitmap_, key);
    state_.step = std::max(1, record().EffetPas);
    state_.position = record().EffetDepart;
    restartColumnPause();
}

}  // namespace ztv
