#include "player/transitions/TransitionEngine.h"

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/Prompter.h"
#include "player/transitions/EffectFamilies.h"
#include "player/transitions/SavedEffects.h"

#include <algorithm>
#include <cstdint>

namespace ztv {
namespace {

constexpr int kHourglass = 37;

using DrawFn = void (*)(int effect, const EffectTarget& t, int p);

constexpr int kFirstOverSaved = 40;

// The drawing of each effect 2 to 39; 40 to 60 step themselves over a saved copy of the page.
DrawFn drawingOf(int effect) {
    if (effect == 5 || (effect >= 21 && effect <= 27)) {
        return effects::drawRandom;
    }
    if ((effect >= 2 && effect <= 4) || (effect >= 6 && effect <= 16)) {
        return effects::drawWipe;
    }
    if (effect >= 17 && effect <= 20) {
        return effects::drawBands;
    }
    if (effect >= 28 && effect <= 31) {
        return effects::drawZoom;
    }
    if (effect >= 32 && effect <= 39) {
        return effects::drawShape;
    }
    return nullptr;
}

// The random dissolves and lines finish a little early: their last percents would only fill
// a few scattered pixels.
bool finishesAbove98(int effect) {
    return effect == 25 || effect == 26 || effect == 27;
}

}  // namespace

TransitionEngine::TransitionEngine(const LanguageFile& lang, Prompter* prompter)
    : lang_(lang), prompter_(prompter), names_(lang) {}

void TransitionEngine::showUnknownEffect() {
    if (prompter_ != nullptr) {
        prompter_->message(lang_.message(lang::UnknownEffect));
    }
}

int TransitionEngine::effectNumber(const QString& effet) {
    const int effect = names_.number(effet);
    if (effect == kEffectUnknown) {
        showUnknownEffect();
    }
    return effect;
}

TransitionState TransitionEngine::begin(int effect, const TransitionParams& params) {
    TransitionState state;
    state.effect = effect;
    state.position = params.EffetDepart;
    // A step of 0 or less would never arrive, and an end above 100 would never be reached.
    state.step = std::max(1, params.EffetPas);
    state.end = std::min(100, params.EffetFin);
    state.option = params.size;
    return state;
}

TransitionState TransitionEngine::start(const QString& effet, const TransitionParams& params,
                                        QImage& canvas, const QImage& picture, QPoint at,
                                        std::optional<QRgb> keyColour) {
    const QString noEffect = lang_.text(lang::EffectNone);
    const bool atOnce = !noEffect.isEmpty() && effet == noEffect;
    TransitionState state = begin(atOnce ? kEffectNone : effectNumber(effet), params);
    state.keyColour = keyColour;
    if (atOnce) {
        step(state, canvas, picture, at);
    }
    return state;
}

void TransitionEngine::applyInverse(QString& effet, bool& effetInverse) const {
    if (!effetInverse || effet == lang_.text(lang::EffectNone)) {
        return;
    }
    effet = names_.inverse(effet);
    effetInverse = false;
}

int TransitionEngine::course(int effect) {
    return effect == kHourglass ? 200 : 100;
}

void TransitionEngine::step(TransitionState& state, QImage& canvas, const QImage& picture,
                            QPoint at) {
    if (state.finished || state.effect == kEffectGifFrames) {
        return;
    }
    if (state.effect <= kEffectUnknown || state.effect > kEffectLast) {
        showUnknownEffect();
        state.finished = true;
        return;
    }
    if (canvas.depth() != 32) {
        canvas.convertTo(QImage::Format_RGB32);
    }
    const QImage source =
        picture.format() == canvas.format() ? picture : picture.convertedTo(canvas.format());
    random_.reseedForStep();
    const EffectTarget target(canvas, source, at, state.option, state.step, random_);
    if (state.effect >= kFirstOverSaved) {
        stepOverSaved(state, target);
    } else if (state.effect == kHourglass) {
        stepTwoPhases(state, target);
    } else {
        stepStandard(state, target);
    }
}

void TransitionEngine::stepStandard(TransitionState& state, const EffectTarget& target) {
    const DrawFn draw = drawingOf(state.effect);
    state.position = std::min(advancePosition(state.position, state.step), state.end);
    const bool complete = draw == nullptr || state.position >= 100 ||
                          (finishesAbove98(state.effect) && state.position > 98);
    if (complete) {
        finish(state, target);
        return;
    }
    draw(state.effect, target, std::clamp(state.position, 0, 100));
    state.finished = state.position >= state.end;
}

void TransitionEngine::stepOverSaved(TransitionState& state, const EffectTarget& target) {
    const int effect = state.effect;
    if (effect <= 44) {
        effects::stepRotation(state, target);
    } else if (effect <= 50) {
        effects::stepScan(state, target);
    } else if (effect == 51) {
        effects::stepPulse(state, target);
    } else if (effect <= 59) {
        effects::stepFlight(state, target, pageArea_.isNull() ? target.canvas().rect() : pageArea_);
    } else {
        effects::stepCrossFade(state, target);
    }
}

// 37: the hourglass grows while p is below 100 (whatever the end), then side bands close in
// from 100 to 200; the end applies to the second phase, which ends only once past it.
void TransitionEngine::stepTwoPhases(TransitionState& state, const EffectTarget& target) {
    state.position = advancePosition(state.position, state.step);
    if (state.position > 200) {
        finish(state, target);
    } else if (state.position < 100) {
        effects::drawShape(kHourglass, target, std::max(0, state.position));
    } else {
        effects::drawSideBands(target, state.position - 100);
        state.finished = state.position - 100 > state.end;
    }
}

// The final state: the whole picture, through its key colour when it still holds one.
void TransitionEngine::finish(TransitionState& state, const EffectTarget& target) {
    target.copyWholeThrough(state.keyColour);
    state.finished = true;
}

}  // namespace ztv
