// Effects 40 to 60, which compose the picture with the page saved beneath it.
#include "tests/transitions/TransitionFixture.h"

#include <QPainter>

namespace ztv::test {
namespace {

class OverSavedBackground : public TransitionTest, public ::testing::WithParamInterface<int> {
  protected:
    OverSavedBackground() {
        picture = makePicture(60, 40);
        canvas = makeCanvas(200, 150);
        at = QPoint(70, 50);
    }
    // Turns once; the pulse magnifies three times (at 1 it would show the picture unchanged).
    int option() const { return GetParam() <= 44 ? 1 : GetParam() == 51 ? 3 : 0; }
    QImage finalCanvas() const {
        QImage done = makeCanvas(canvas.width(), canvas.height());
        QPainter(&done).drawImage(at, picture);
        return done;
    }
};

TEST_P(OverSavedBackground, PassesAMidStateAndEndsWithTheWholePictureAndNothingElse) {
    const QImage start = canvas;
    const QImage end = finalCanvas();
    TransitionState state = TransitionEngine::begin(GetParam(), params(0, 10, 100, option()));
    bool between = false;
    for (int i = 0; i < 40 && !state.finished; ++i) {
        engine.step(state, canvas, picture, at);
        between = between || (!state.finished && canvas != start && canvas != end);
    }
    EXPECT_TRUE(between);
    ASSERT_TRUE(state.finished);
    EXPECT_EQ(canvas, end) << "no trail, no key colour, the whole picture";
    EXPECT_TRUE(state.saved.isNull());
    EXPECT_TRUE(prompter.texts().isEmpty());
}

// An effect that starts late never restores a page it did not save, and one that ends early
// leaves its state on the canvas and releases its scratch bitmap.
TEST_P(OverSavedBackground, StartsLateAndStopsEarlyWithoutHarm) {
    TransitionState state = TransitionEngine::begin(GetParam(), params(60, 10, 80, option()));
    stepUntilFinished(state, 10);
    EXPECT_TRUE(state.finished);
    EXPECT_TRUE(state.saved.isNull());
    EXPECT_NE(canvas, makeCanvas(canvas.width(), canvas.height()));
}

// Those that receive the picture still holding its key colour (the others get it composed over
// the page) never let that colour reach the canvas, mid-way or at the end.
class KeyedOverSavedBackground : public OverSavedBackground {};

TEST_P(KeyedOverSavedBackground, TheKeyColourStaysInvisible) {
    const QRgb key = qRgb(0, 0, 255);
    QPainter(&picture).fillRect(0, 0, 30, 40, QColor(key));
    TransitionState state = TransitionEngine::begin(GetParam(), params(0, 10, 100, option()));
    state.keyColour = key;
    for (int i = 0; i < 40 && !state.finished; ++i) {
        engine.step(state, canvas, picture, at);
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                ASSERT_NE(canvas.pixel(x, y), key) << x << "," << y << " at " << state.position;
            }
        }
    }
    EXPECT_EQ(canvas.pixel(at.x() + 5, at.y() + 5), kBackground);
}

INSTANTIATE_TEST_SUITE_P(Effects40To60, OverSavedBackground, ::testing::Range(40, 61),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "effect" + std::to_string(info.param);
                         });

std::vector<int> keyedEffects() {
    std::vector<int> effects;
    for (int effect = 40; effect <= 59; ++effect) {
        if (keepsKeyColour(effect)) {
            effects.push_back(effect);
        }
    }
    return effects;
}

INSTANTIATE_TEST_SUITE_P(KeptKey, KeyedOverSavedBackground, ::testing::ValuesIn(keyedEffects()),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "effect" + std::to_string(info.param);
                         });

class SavedBackgroundCases : public TransitionTest {};

TEST_F(SavedBackgroundCases, ARotationTurnsAsManyTimesAsAskedOrForever) {
    TransitionState twice = TransitionEngine::begin(40, params(0, 25, 100, 2));
    int steps = 0;
    for (; steps < 100 && !twice.finished; ++steps) {
        engine.step(twice, canvas, picture, at);
    }
    EXPECT_EQ(steps, 4 + 4) << "0 to 100, then 1 to 100";
    TransitionState endless = TransitionEngine::begin(40, params(0, 25, 100, 0));
    for (int i = 0; i < 100; ++i) {
        engine.step(endless, canvas, picture, at);
    }
    EXPECT_FALSE(endless.finished);
}

TEST_F(SavedBackgroundCases, ThePulseMagnifiesByItsFactorAtHalfway) {
    picture = makePicture(60, 40);
    TransitionState state = TransitionEngine::begin(51, params(0, 50, 100, 3));
    engine.step(state, canvas, picture, at);
    ASSERT_EQ(state.position, 50);
    // Three times as large about the middle (30, 20): pixel 30 + 3k shows picture pixel 30 + k.
    EXPECT_EQ(shown().pixel(39, 20), picture.pixel(33, 20));
    EXPECT_EQ(shown().pixel(30, 29), picture.pixel(30, 23));

    for (int factor : {1, 0, -4}) {
        state = TransitionEngine::begin(51, params(0, 50, 100, factor));
        engine.step(state, canvas, picture, at);
        EXPECT_EQ(shown(), picture) << "a factor of " << factor << " counts as 1";
    }
}

TEST_F(SavedBackgroundCases, FlightFromTheLeftRunsToItsTargetAndStaysOnThePage) {
    canvas = makeCanvas(300, 100);
    picture = makePicture(50, 20);
    at = QPoint(100, 40);
    const QRect page(10, 0, 280, 100);
    engine.setPageArea(page);
    TransitionState state = TransitionEngine::begin(56, params(0, 10, 100));
    while (!state.finished) {
        engine.step(state, canvas, picture, at);
        if (state.position == 50) {
            // Page x 25 at p = 50 (from -50 to 90 on the page).
            EXPECT_EQ(canvas.pixel(page.left() + 20 + 1, 40), picture.pixel(1, 0));
        }
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < page.left(); ++x) {
                ASSERT_EQ(canvas.pixel(x, y), kBackground) << "nothing on the mask";
            }
        }
    }
    EXPECT_EQ(shown(), picture);
}

// Every pixel, in the wide middle of a row and in its last few (an odd width leaves some).
TEST_F(SavedBackgroundCases, CrossFadeStoppedAtFortyBlendsFortySixty) {
    picture = makePicture(61, 40);
    TransitionState state = TransitionEngine::begin(60, params(0, 40, 40));
    engine.step(state, canvas, picture, at);
    EXPECT_TRUE(state.finished);
    const QImage result = shown();
    const QRgb o = kBackground;
    const auto blend = [](int old, int next) { return old * 60 / 100 + next * 40 / 100; };
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            const QRgb expected = qRgb(blend(qRed(o), qRed(p)), blend(qGreen(o), qGreen(p)),
                                       blend(qBlue(o), qBlue(p)));
            ASSERT_EQ(result.pixel(x, y), expected) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace ztv::test
