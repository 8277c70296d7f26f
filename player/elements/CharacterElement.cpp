#include "player/elements/CharacterElement.h"

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/Clock.h"
#include "common/platform/SafetyLimits.h"
#include "player/elements/FrameStrip.h"
#include "player/elements/MediaElementPath.h"
#include "player/elements/PictureLoading.h"
#include "player/elements/StepTiming.h"
#include "player/transitions/KeyedCopy.h"

namespace ztv {

void CharacterElement::link() {
    roles().finder->resetMediaDrive();
}

QRect CharacterElement::rect() const {
    const ElementRecord& r = record();
    return QRect(r.Gauche, r.Haut, r.Largeur, r.Hauteur);
}

bool CharacterElement::speaks() const {
    return roles().messages->language().isLine(record().style, lang::CharacterSpeaks);
}

QString CharacterElement::voicePath() const {
    return playbackPathOf(roles(), record().sensdegra, MediaKind::Sound);
}

// The strip is `Couleur` frames of the rectangle's size side by side. A picture that does not
// load leaves no frames: the character then shows nothing and is done at its first step.
void CharacterElement::prepare() {
    const ElementRecord& r = record();
    const int count = r.Couleur;
    if (count <= 0 || !limits::pictureSizeAllowed(qint64(r.Largeur) * count, r.Hauteur)) {
        return;
    }
    const bool mediaByPage = roles().files != nullptr && roles().files->mediaPackedByPage();
    QImage strip(r.Largeur * count, r.Hauteur, QImage::Format_RGB32);
    LoadedPicture loaded;
    if (!loadPicture(roles(), r.Fichier, strip, mediaByPage, loaded)) {
        return;
    }
    const auto mask = maskColour(roles().messages->language(), r.Transparent, strip);
    frames_ = SpriteFrames(
        cutSpriteFrames(*roles().canvas, loaded, strip, count, QSize(r.Largeur, r.Hauteur), mask),
        mask);
    if (roles().cues != nullptr && speaks() && !r.sensdegra.isEmpty()) {
        roles().cues->scheduleCharacterSound(voicePath());
    }
}

bool CharacterElement::show() {
    finished_ = true;
    if (frames_.isEmpty() || !chooseSoundMode()) {
        return true;  // nothing to draw: the first step frees it
    }
    under_ = roles().canvas->canvas().copy(rect()).convertToFormat(QImage::Format_RGB32);
    firstFrame_ = QImage(rect().size(), QImage::Format_RGB32);
    frames_.drawOver(firstFrame_, QPoint(0, 0), under_);
    finished_ = false;
    if (withVoice_) {
        roles().cues->playCharacterSound();
    }
    step();
    return true;
}

// A character that speaks without a voice file or a sound card plays two loops.
bool CharacterElement::chooseSoundMode() {
    MediaCues* cues = roles().cues;
    withVoice_ = false;
    loops_ = record().Couldegra;
    loopsDone_ = 0;
    if (!speaks()) {
        return true;
    }
    if (record().sensdegra.isEmpty() || cues == nullptr || !cues->hasSoundCard()) {
        loops_ = 2;
        return true;
    }
    withVoice_ = true;
    return cues->openCharacterSound(voicePath());
}

void CharacterElement::disappear() {
    if (limits::pictureSizeAllowed(record().Largeur, record().Hauteur)) {
        paint(roles().canvas->pageBackground().copy(rect()).convertToFormat(QImage::Format_RGB32),
              false);
    }
    finished_ = true;
    step();
}

void CharacterElement::step() {
    if (finished_) {
        finishSteps();
        requestFree();
        return;
    }
    if (withVoice_) {
        voiceStep();
    } else {
        loopStep();
    }
    StepScheduler& steps = *roles().steps;
    steps.setNextStep(record().Ligne, record().Colonne,
                      steps.clock().nowMs() + steptiming::spriteDelayMs(record().Vitesse));
}

void CharacterElement::voiceStep() {
    if (roles().cues->characterSoundPlaying()) {
        drawFrame();
        frames_.advance();
        return;
    }
    finish();
    roles().cues->giveVideoItsSound();
}

// `Couleur` frames (or as many as the strip gave) `loops_` times; no loop at all shows the end
// pose at once.
void CharacterElement::loopStep() {
    if (loopsDone_ >= loops_) {
        finish();
        return;
    }
    drawFrame();
    if (frames_.advance()) {
        ++loopsDone_;
    }
}

// Every frame is laid over the page as it was, so no earlier frame shows through it.
void CharacterElement::drawFrame() {
    frames_.drawOver(roles().canvas->canvas(), rect().topLeft(), under_);
}

void CharacterElement::finish() {
    const EndPose pose = endPoseOf(record().size);
    const bool intoBackground = record().joinsBackground();
    frames_.goToEndPose(pose);
    if (pose == EndPose::Nothing) {
        paint(under_, intoBackground);
    } else if (pose != EndPose::Current) {
        drawFrame();
        if (intoBackground) {
            frames_.drawOver(roles().canvas->pageBackground(), rect().topLeft(), under_);
        }
    } else if (intoBackground) {
        // The frame last shown stays on the page; the background keeps the first one.
        drawThrough(roles().canvas->pageBackground(), rect().topLeft(), firstFrame_, std::nullopt);
    }
    under_ = QImage();
    finished_ = true;
}

void CharacterElement::paint(const QImage& bitmap, bool intoBackground) {
    PageCanvas& page = *roles().canvas;
    drawThrough(page.canvas(), rect().topLeft(), bitmap, std::nullopt);
    if (intoBackground) {
        drawThrough(page.pageBackground(), rect().topLeft(), bitmap, std::nullopt);
    }
}

}  // namespace ztv
