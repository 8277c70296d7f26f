#include "player/transitions/EffectNames.h"
#include "tests/transitions/TransitionFixture.h"

namespace ztv::test {
namespace {

// Every drawn effect, unscaled and with its option (stretch or three bands).
struct EffectCase {
    int effect;
    int option;
};

std::vector<EffectCase> allEffects() {
    std::vector<EffectCase> cases;
    for (int effect = 2; effect <= 39; ++effect) {
        const bool bands = effect >= 17 && effect <= 20;
        cases.push_back({effect, bands ? 3 : 0});  // bands without a count are tested apart
        if (effect <= 16 && effect != 5) {
            cases.push_back({effect, 1});
        }
    }
    return cases;
}

class EffectDrawing : public TransitionTest, public ::testing::WithParamInterface<EffectCase> {
  protected:
    // Nothing outside the element's rectangle changes.
    void expectOnlyRectangleTouched() const {
        const QRect rect(at, picture.size());
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                if (!rect.contains(x, y) && canvas.pixel(x, y) != kBackground) {
                    FAIL() << "pixel " << x << "," << y << " outside the element";
                }
            }
        }
    }
};

TEST_P(EffectDrawing, MidStateIsNeitherStartNorEndAndTheEndIsThePicture) {
    const auto [effect, option] = GetParam();
    // Large enough that 153 random lines leave rows uncovered.
    picture = makePicture(120, 90);
    canvas = makeCanvas(160, 120);
    const QImage start = canvas;
    TransitionState state = TransitionEngine::begin(effect, params(0, 10, 100, option));
    // 30 percent of the course: at 50 the closing bands already cover everything.
    const int middle = TransitionEngine::course(effect) * 3 / 10;
    while (state.position < middle) {
        engine.step(state, canvas, picture, at);
        expectOnlyRectangleTouched();
    }
    EXPECT_FALSE(state.finished);
    EXPECT_NE(canvas, start);
    EXPECT_NE(shown(), picture);
    stepUntilFinished(state);
    EXPECT_TRUE(state.finished);
    EXPECT_EQ(shown(), picture);
    expectOnlyRectangleTouched();
}

TEST_P(EffectDrawing, ElementHalfOffTheCanvasDrawsOnlyWhatLiesOnIt) {
    const auto [effect, option] = GetParam();
    for (const QPoint corner : {QPoint(-30, -25), QPoint(70, 60)}) {
        canvas = makeCanvas(100, 80);
        at = corner;
        TransitionState state = TransitionEngine::begin(effect, params(0, 7, 100, option));
        stepUntilFinished(state);
        const QRect onCanvas = QRect(at, picture.size()) & canvas.rect();
        EXPECT_EQ(canvas.copy(onCanvas), picture.copy(onCanvas.translated(-at)));
        expectOnlyRectangleTouched();
    }
}

TEST_P(EffectDrawing, TinyPicturesStillFinish) {
    const auto [effect, option] = GetParam();
    for (const QSize size : {QSize(1, 1), QSize(3, 2), QSize(0, 0)}) {
        picture = makePicture(size.width(), size.height());
        TransitionState state = TransitionEngine::begin(effect, params(0, 10, 100, option));
        stepUntilFinished(state, 30);
        EXPECT_TRUE(state.finished);
        if (!size.isEmpty()) {
            EXPECT_EQ(shown(), picture);
        }
    }
}

std::string caseName(const ::testing::TestParamInfo<EffectCase>& info) {
    return "effect" + std::to_string(info.param.effect) + "_option" +
           std::to_string(info.param.option);
}

INSTANTIATE_TEST_SUITE_P(All, EffectDrawing, ::testing::ValuesIn(allEffects()), caseName);

}  // namespace
}  // namespace ztv::test
