#include "player/transitions/TransitionPreview.h"

namespace ztv {

QImage transitionSnapshot(TransitionEngine& engine, int effect, int percent, int option,
                          const QImage& background, const QImage& picture) {
    constexpr int kStep = 5;
    QImage canvas = background.convertedTo(QImage::Format_RGB32);
    const QImage shown = picture.convertedTo(QImage::Format_RGB32);
    const int target = TransitionEngine::course(effect) * percent / 100;
    TransitionState state =
        TransitionEngine::begin(effect, TransitionParams{0, kStep, 100, option});
    while (!state.finished && state.position < target) {
        engine.step(state, canvas, shown, QPoint(0, 0));
    }
    return canvas;
}

}  // namespace ztv
