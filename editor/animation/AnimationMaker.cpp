#include "editor/animation/AnimationMaker.h"

#include "common/platform/Prompter.h"
#include "editor/animation/AnimationMakerWindow.h"

namespace ztv::editor {

std::optional<MadeAnimation> makeAnimation(const SessionSettings& state, Prompter& prompter,
                                           QWidget* parent) {
    AnimationMakerWindow window(state, prompter, true, parent);
    if (runModal(state, window) != Prompter::Yes || window.savedPath().isEmpty()) {
        return std::nullopt;
    }
    return MadeAnimation{window.savedPath(), window.frames().frameSize(), window.frames().count()};
}

void openAnimationMaker(const SessionSettings& state, Prompter& prompter, QWidget* parent) {
    AnimationMakerWindow window(state, prompter, false, parent);
    runModal(state, window);
}

}  // namespace ztv::editor
