#include "editor/position/CharacterPreview.h"

#include "common/formats/LangLines.h"
#include "editor/document/SessionSettings.h"
#include "editor/position/HandleGeometry.h"
#include "player/elements/SpriteFrames.h"
#include "player/elements/StepTiming.h"

namespace ztv::editor {

CharacterRun::CharacterRun(SessionSettings& state, Prompter& prompter, QImage& page,
                           const ElementRecord& record)
    : media_(state, prompter), page_(page), record_(record), rect_(recordRect(record)) {
    const int count = stripFrameCount(record);
    EditorPictures pictures(state, prompter);
    PictureControl strip = loadStrip(pictures, record, count);
    if (!strip.image.isNull()) {
        const FrameCutter cutter(state.language, prompter, record.Fichier);
        // Transparent frames are laid over the page once, so no frame ever shows through another.
        if (strip.transparent) {
            cutter.composeOverBackground(strip.image, count, rect_, strip.transparentColour, page_);
        }
        frames_ = cutter.cut(strip.image, count, rect_.size(), std::nullopt);
    }
    speaking_ = state.language.isLine(record.style, lang::CharacterSpeaks);
    if (speaking_ && media_.open(record.sensdegra, QStringLiteral("Perso posi2"))) {
        soundOpen_ = true;
        media_.play(QRect(), true, 0, 0);
    }
}

CharacterRun::~CharacterRun() {
    if (soundOpen_) {
        media_.close();
    }
}

qint64 CharacterRun::delayMs() const {
    return steptiming::spriteDelayMs(record_.Vitesse);
}

void CharacterRun::stop() {
    if (soundOpen_) {
        media_.close();
        soundOpen_ = false;
    } else if (!speaking_) {
        done_ = true;
    }
}

void CharacterRun::step() {
    if (speaking_) {
        speakingStep();
    } else {
        silentStep();
    }
}

void CharacterRun::speakingStep() {
    if (soundOpen_ && media_.playing()) {
        frame_ = frames_.next(frame_);
        frames_.draw(page_, rect_.topLeft(), frame_);
        return;
    }
    finish();
}

void CharacterRun::silentStep() {
    frame_ = frames_.next(frame_);
    if (frame_ == 0) {
        ++loops_;
    }
    if (loops_ < record_.Couldegra) {
        frames_.draw(page_, rect_.topLeft(), frame_);
        return;
    }
    finish();
}

// The end pose, then the sound goes.
void CharacterRun::finish() {
    const EndPose pose = endPoseOf(record_.size);
    if (pose == EndPose::First) {
        frames_.draw(page_, rect_.topLeft(), 0);
    } else if (pose == EndPose::Last) {
        frames_.draw(page_, rect_.topLeft(), frames_.count() - 1);
    }
    if (soundOpen_) {
        media_.close();
        soundOpen_ = false;
    }
    done_ = true;
}

}  // namespace ztv::editor
