#include "player/elements/AnimationElement.h"

#include "common/formats/DisplayScaling.h"
#include "common/formats/LangLines.h"
#include "common/platform/SafetyLimits.h"
#include "player/elements/Appearance.h"
#include "player/elements/FrameStrip.h"
#include "player/elements/NextStep.h"
#include "player/elements/PictureLoading.h"
#include "player/elements/StepTiming.h"
#include "player/transitions/KeyedCopy.h"

#include <algorithm>

namespace ztv {
namespace {

// A coordinate stored as text, or nothing when it is no number.
std::optional<qint64> coordinateOf(const QString& text) {
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// Far beyond any display, so that later sums cannot overflow.
int withinReach(qint64 value) {
    return int(
        std::clamp<qint64>(value, -limits::kMaxPictureSide * 4, limits::kMaxPictureSide * 4));
}

}  // namespace

void AnimationElement::link() {
    roles().finder->resetMediaDrive();
}

bool AnimationElement::skipsPreparation() const {
    return fichierIsOneOf({lang::MarkerDisappear});
}

bool AnimationElement::disappears() const {
    return fichierIsOneOf({lang::MarkerDisappear});
}

// The arrival (`sensdegra`, `style`) is in design pixels: scaled on a full-screen display,
// moved by the margins on a masked one.
std::optional<QPoint> AnimationElement::arrival() const {
    const auto x = coordinateOf(record().sensdegra);
    const auto y = coordinateOf(record().style);
    if (!x || !y) {
        return std::nullopt;
    }
    const DisplayGeometry& g = roles().canvas->geometry();
    if (g.fullScreen) {
        return QPoint(withinReach(*x * g.screenWidth / std::max(1, g.projectWidth)),
                      withinReach(*y * g.screenHeight / std::max(1, g.projectHeight)));
    }
    if (g.masked) {
        return QPoint(withinReach(*x + (g.screenWidth - g.projectWidth) / 2),
                      withinReach(*y + (g.screenHeight - g.projectHeight) / 2));
    }
    return QPoint(withinReach(*x), withinReach(*y));
}

void AnimationElement::prepare() {
    const ElementRecord& r = record();
    const auto to = arrival();
    if (!to || !limits::pictureSizeAllowed(r.Largeur, r.Hauteur) || r.Couleur <= 0) {
        return;
    }
    const qint64 stripWidth =
        std::min<qint64>(qint64(r.Largeur) * r.Couleur, limits::kMaxPictureSide);
    QImage strip(int(stripWidth), r.Hauteur, QImage::Format_RGB32);
    if (!limits::pictureSizeAllowed(stripWidth, r.Hauteur)) {
        return;
    }
    LoadedPicture loaded;
    const bool mediaByPage = roles().files != nullptr && roles().files->mediaPackedByPage();
    if (!loadPicture(roles(), r.Fichier, strip, mediaByPage, loaded)) {
        return;
    }
    const LanguageFile& language = roles().messages->language();
    const std::optional<QRgb> mask = maskColour(language, r.Transparent, strip);
    key_ = isTransparentMode(appearanceMode(r.Transparent, language)) ? mask : std::nullopt;
    frames_ = SpriteFrames(cutSpriteFrames(*roles().canvas, loaded, strip, r.Couleur, size(), mask),
                           mask);
    path_ = SpritePath(QPoint(r.Gauche, r.Haut), *to, r.Couldegra);
}

// An animation whose picture could not be loaded draws nothing and is done at once.
bool AnimationElement::show() {
    k_ = 0;
    finished_ = frames_.isEmpty();
    step();
    return true;
}

void AnimationElement::disappear() {
    if (limits::pictureSizeAllowed(record().Largeur, record().Hauteur)) {
        const QRect rect(QPoint(record().Gauche, record().Haut), size());
        drawOnPage(roles().canvas->canvas(), rect.topLeft(),
                   roles().canvas->pageBackground().copy(rect));
    }
    finished_ = true;
    step();
}

void AnimationElement::step() {
    if (finished_) {
        finishSteps();
        requestFree();
        return;
    }
    if (k_ <= path_.steps()) {
        moveStep();
    } else {
        endStep();
    }
    scheduleStepIn(*roles().steps, record(), steptiming::spriteDelayMs(record().Vitesse));
}

// The frame is drawn over the page, through its see-through colour in the transparent modes.
void AnimationElement::moveStep() {
    QImage& canvas = roles().canvas->canvas();
    if (k_ > 0) {
        restoreUnder(path_.at(k_ - 1));
    }
    const QPoint at = path_.at(k_);
    saveUnder(at);
    drawThrough(canvas, at, frames_.frame(), key_, roles().canvas->geometry().pageArea());
    frames_.advance();
    if (roles().rows != nullptr) {
        roles().rows->moveRow(record().Ligne, at);
    }
    ++k_;
}

// The end pose at the arrival, also into `Fond` when the animation joins the background.
void AnimationElement::endStep() {
    QImage& canvas = roles().canvas->canvas();
    restoreUnder(path_.at(k_ - 1));
    const EndPose pose = endPoseOf(record().size);
    frames_.goToEndPose(pose);
    const QPoint at = path_.to();
    QImage bitmap = key_ || pose == EndPose::Nothing
                        ? canvas.copy(QRect(at, size())).convertToFormat(QImage::Format_RGB32)
                        : frames_.frame();
    if (key_ && pose != EndPose::Nothing) {
        drawThrough(bitmap, QPoint(0, 0), frames_.frame(), key_);
    }
    drawOnPage(canvas, at, bitmap);
    if (record().joinsBackground()) {
        drawOnPage(roles().canvas->pageBackground(), at, bitmap);
    }
    if (roles().rows != nullptr) {
        roles().rows->moveRow(record().Ligne, at);
    }
    under_ = QImage();
    finished_ = true;
}

// Into the one buffer of the sprite's size: a step allocates nothing. What lies beside the
// canvas is never drawn back.
void AnimationElement::saveUnder(QPoint at) {
    if (under_.size() != size()) {
        under_ = QImage(size(), QImage::Format_RGB32);
    }
    drawThrough(under_, -at, roles().canvas->canvas(), std::nullopt);
}

void AnimationElement::restoreUnder(QPoint at) {
    drawThrough(roles().canvas->canvas(), at, under_, std::nullopt);
}

// A sprite that comes in from beside a masked page shows only where it is on the page.
void AnimationElement::drawOnPage(QImage& target, QPoint at, const QImage& bitmap) const {
    drawThrough(target, at, bitmap, std::nullopt, roles().canvas->geometry().pageArea());
}

}  // namespace ztv
