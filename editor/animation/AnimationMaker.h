#pragma once

#include "editor/animation/AnimationOutput.h"

#include <QSize>
#include <QString>
#include <optional>

class QWidget;

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// A file the animation maker wrote, with what an element dialog fills in from it.
struct MadeAnimation {
    QString hostPath;
    QSize frameSize;
    int frameCount = 0;
    // Centred in the project, at the frame size, with the number of frames.
    AnimationPlacement placement(QSize project) const {
        return placementFor(project, frameSize, frameCount);
    }
};

// The maker as the character, animation and panorama dialogs open it: modal over `parent`, it
// closes once it has written a file. nullopt when the author closed it without one.
std::optional<MadeAnimation> makeAnimation(const SessionSettings& state, Prompter& prompter,
                                           QWidget* parent);

// The maker as the Outils menu opens it: it stays open after each save.
void openAnimationMaker(const SessionSettings& state, Prompter& prompter, QWidget* parent);

}  // namespace ztv::editor
