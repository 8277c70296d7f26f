#include "tests/transitions/TransitionFixture.h"

#include <climits>

namespace ztv::test {
namespace {

using TransitionStepping = TransitionTest;

TEST_F(TransitionStepping, StepsOfTenTakeTenStepsAndTheTenthDrawsThePicture) {
    TransitionState state = engine.start(line(222), params(0, 10, 100), canvas, picture, at);
    ASSERT_EQ(state.effect, 3);
    for (int i = 1; i < 10; ++i) {
        engine.step(state, canvas, picture, at);
        ASSERT_FALSE(state.finished) << i;
        EXPECT_EQ(state.position, 10 * i);
    }
    EXPECT_NE(shown(), picture);
    engine.step(state, canvas, picture, at);
    EXPECT_TRUE(state.finished);
    EXPECT_EQ(shown(), picture);
}

TEST_F(TransitionStepping, EndAtFiftyStopsWithHalfThePicture) {
    TransitionState state = engine.start(line(222), params(0, 30, 50), canvas, picture, at);
    engine.step(state, canvas, picture, at);
    EXPECT_EQ(state.position, 30);
    EXPECT_FALSE(state.finished);
    engine.step(state, canvas, picture, at);
    EXPECT_EQ(state.position, 50);
    EXPECT_TRUE(state.finished);
    EXPECT_EQ(shown().copy(0, 0, 30, 40), picture.copy(0, 0, 30, 40));
    EXPECT_EQ(revealedCount(), 30 * 40);
}

TEST_F(TransitionStepping, EveryEffectFinishesWhateverTheRecordSays) {
    struct Case {
        TransitionParams p;
        int maxSteps;
    };
    const Case cases[] = {
        {params(0, 0, 100), 100},   // step 0 counts as 1
        {params(0, -5, 100), 100},  // so does a negative step
        {params(0, 10, 1000), 10},  // an end above 100 counts as 100
        {params(80, 10, 50), 1},    // start past the end
        {params(-50, 50, 100), 3},  // start below 0
        {params(INT_MAX, INT_MAX, 100), 1},
        {params(INT_MIN, INT_MAX, 100), 2},
    };
    for (const Case& c : cases) {
        for (int effect = 1; effect <= kEffectLast; ++effect) {
            // Rotations without a turn count turn for as long as the page stays.
            TransitionParams p = c.p;
            p.size = effect >= 40 && effect <= 44 ? 1 : p.size;
            TransitionState state = TransitionEngine::begin(effect, p);
            int steps = 0;
            while (!state.finished && steps < 250) {
                engine.step(state, canvas, picture, at);
                ++steps;
            }
            const int limit = effect == 37 ? 250 : c.maxSteps;
            EXPECT_TRUE(state.finished) << "effect " << effect;
            EXPECT_LE(steps, limit) << "effect " << effect << " start " << c.p.EffetDepart;
        }
    }
}

TEST_F(TransitionStepping, NoEffectDrawsAtOnceAndItsSecondNameInOneStep) {
    TransitionState state = engine.start(line(220), params(0, 10, 100), canvas, picture, at);
    EXPECT_TRUE(state.finished);
    EXPECT_EQ(shown(), picture);

    canvas = makeCanvas(100, 80);
    state = engine.start(line(125), params(0, 10, 100), canvas, picture, at);
    EXPECT_EQ(state.effect, kEffectNone);
    EXPECT_FALSE(state.finished);
    engine.step(state, canvas, picture, at);
    EXPECT_TRUE(state.finished);
    EXPECT_EQ(shown(), picture);
}

TEST_F(TransitionStepping, EffectsOverASavedBackgroundEndThroughTheirKeyColour) {
    picture.setPixel(5, 5, qRgb(255, 255, 255));
    TransitionState state = engine.start(line(262), params(0, 10, 100, 1), canvas, picture, at);
    EXPECT_EQ(state.effect, 40);
    state.keyColour = qRgb(255, 255, 255);  // a white-transparent picture not composed yet
    stepUntilFinished(state);
    EXPECT_TRUE(state.finished);
    EXPECT_EQ(shown().pixel(5, 5), kBackground) << "drawn through its transparent colour";
    EXPECT_EQ(revealedCount(), 60 * 40 - 1);
    EXPECT_TRUE(state.saved.isNull()) << "the scratch bitmap is released";
}

TEST_F(TransitionStepping, SmallBlocksDrawFiveHundredAndOneBlocksAtStepZero) {
    picture = makePicture(100, 100);  // blocks of one pixel
    canvas = makeCanvas(140, 140);
    TransitionState state = engine.start(line(225), params(0, 0, 100), canvas, picture, at);
    engine.step(state, canvas, picture, at);
    // 501 blocks at random places: a few land on the same pixel.
    EXPECT_LE(revealedCount(), 501);
    EXPECT_GE(revealedCount(), 470);

    canvas = makeCanvas(140, 140);
    state = engine.start(line(225), params(-1000, 250, 100), canvas, picture, at);
    engine.step(state, canvas, picture, at);
    EXPECT_GE(revealedCount(), 1);
    EXPECT_LE(revealedCount(), 3) << "500 div 250 + 1 blocks";
}

TEST_F(TransitionStepping, SquareBlocksAreSizedByTheArea) {
    picture = makePicture(20, 20);  // under 1000 pixels: blocks of one pixel
    TransitionState state = engine.start(line(226), params(-1000, 1000, 100), canvas, picture, at);
    engine.step(state, canvas, picture, at);
    EXPECT_EQ(revealedCount(), 1) << "400 div 10000 + 1 blocks";

    picture = makePicture(60, 40);  // 2400 pixels: blocks of 5
    canvas = makeCanvas(100, 80);
    state = engine.start(line(226), params(-1000, 240, 100), canvas, picture, at);
    engine.step(state, canvas, picture, at);  // 2400 div 2400 + 1 = 2 blocks
    EXPECT_GE(revealedCount(), 1);
    EXPECT_LE(revealedCount(), 50);
}

TEST_F(TransitionStepping, HourglassThenSideBandsThenThePicture) {
    picture = makePicture(60, 40);
    TransitionState state = engine.start(line(256), params(0, 10, 100), canvas, picture, at);
    ASSERT_EQ(state.effect, 37);
    int steps = 0;
    while (state.position < 90) {
        engine.step(state, canvas, picture, at);
        ++steps;
    }
    EXPECT_EQ(steps, 9);
    EXPECT_FALSE(state.finished) << "the hourglass never finishes by itself";
    const QImage now = shown();
    EXPECT_EQ(now.pixel(30, 5), picture.pixel(30, 5)) << "inside the upper triangle";
    EXPECT_EQ(now.pixel(0, 20), kBackground) << "the waist of the hourglass";

    for (int i = 0; i < 6; ++i) {
        engine.step(state, canvas, picture, at);  // to 150
    }
    EXPECT_EQ(state.position, 150);
    EXPECT_EQ(shown().pixel(0, 20), picture.pixel(0, 20)) << "a side band";
    EXPECT_EQ(shown().pixel(59, 20), picture.pixel(59, 20));
    steps += 6;
    while (!state.finished) {
        engine.step(state, canvas, picture, at);
        ++steps;
    }
    // Ten steps of hourglass, ten of side bands, then the whole picture: the bands end only
    // once past 200.
    EXPECT_EQ(steps, 21);
    EXPECT_EQ(state.position, 210);
    EXPECT_EQ(shown(), picture);
}

// The end applies to the second phase only, and the bands stop once past it, not on it.
TEST_F(TransitionStepping, HourglassBandsStopOncePastTheirEnd) {
    picture = makePicture(60, 40);
    TransitionState state = engine.start(line(256), params(0, 10, 30), canvas, picture, at);
    int steps = 0;
    while (!state.finished && steps < 100) {
        engine.step(state, canvas, picture, at);
        ++steps;
    }
    EXPECT_EQ(steps, 14);
    EXPECT_EQ(state.position, 140);
    EXPECT_NE(shown(), picture);
    EXPECT_EQ(shown().pixel(0, 20), picture.pixel(0, 20)) << "the bands have started";
}

TEST_F(TransitionStepping, ClosingBandsCoverAtFiftyButFinishAtTheEnd) {
    TransitionState state = engine.start(line(248), params(0, 10, 100), canvas, picture, at);
    ASSERT_EQ(state.effect, 29);
    for (int i = 0; i < 5; ++i) {
        engine.step(state, canvas, picture, at);
    }
    EXPECT_EQ(shown(), picture);
    EXPECT_FALSE(state.finished);
    stepUntilFinished(state);
    EXPECT_EQ(state.position, 100);

    state = engine.start(line(248), params(0, 10, 50), canvas, picture, at);
    for (int i = 0; i < 5; ++i) {
        engine.step(state, canvas, picture, at);
    }
    EXPECT_TRUE(state.finished);
}

TEST_F(TransitionStepping, RandomDissolvesFinishAbove98) {
    for (int name : {226, 227, 228}) {
        TransitionState state = engine.start(line(name), params(90, 9, 100), canvas, picture, at);
        engine.step(state, canvas, picture, at);
        EXPECT_TRUE(state.finished) << name;
        EXPECT_EQ(shown(), picture);
        canvas = makeCanvas(100, 80);
    }
    TransitionState blocks = engine.start(line(225), params(90, 9, 100), canvas, picture, at);
    engine.step(blocks, canvas, picture, at);
    EXPECT_FALSE(blocks.finished) << "small blocks run to 100";
}

TEST_F(TransitionStepping, BandsWithoutCountDrawNothingUntilTheEnd) {
    for (int size : {0, -3}) {
        canvas = makeCanvas(100, 80);
        TransitionState state =
            engine.start(line(239), params(0, 25, 100, size), canvas, picture, at);
        for (int i = 0; i < 3; ++i) {
            engine.step(state, canvas, picture, at);
        }
        EXPECT_EQ(canvas, makeCanvas(100, 80));
        engine.step(state, canvas, picture, at);
        EXPECT_EQ(shown(), picture);
    }
}

TEST_F(TransitionStepping, BandsAlternateSides) {
    // Three horizontal bands of round(40 / 3) = 13 rows; the last runs to the bottom edge.
    TransitionState state = engine.start(line(239), params(0, 25, 100, 3), canvas, picture, at);
    engine.step(state, canvas, picture, at);
    const QImage now = shown();
    EXPECT_EQ(now.copy(0, 0, 15, 13), picture.copy(0, 0, 15, 13)) << "odd band from the left";
    EXPECT_EQ(now.pixel(15, 0), kBackground);
    EXPECT_EQ(now.copy(45, 13, 15, 13), picture.copy(45, 13, 15, 13)) << "even from the right";
    EXPECT_EQ(now.pixel(44, 13), kBackground);
    EXPECT_EQ(now.copy(0, 26, 15, 14), picture.copy(0, 26, 15, 14));
    EXPECT_EQ(revealedCount(), 15 * 40);

    // A band count far beyond the rows is bounded by them.
    state = engine.start(line(241), params(0, 50, 100, INT_MAX), canvas, picture, at);
    stepUntilFinished(state);
    EXPECT_EQ(shown(), picture);
}

TEST_F(TransitionStepping, WipeStretchSqueezesTheWholePicture) {
    TransitionState state = engine.start(line(222), params(0, 50, 100, 1), canvas, picture, at);
    engine.step(state, canvas, picture, at);
    const QImage now = shown();
    // Nearest-neighbour squeeze by 2: column x of the band shows column 2x of the picture.
    EXPECT_EQ(now.pixel(10, 7), picture.pixel(20, 7));
    EXPECT_EQ(now.pixel(30, 7), kBackground);
}

TEST_F(TransitionStepping, ShapesLeavePureRedSeeThroughUntilTheEnd) {
    picture.setPixel(30, 20, qRgb(255, 0, 0));
    TransitionState state = engine.start(line(251), params(0, 50, 100), canvas, picture, at);
    engine.step(state, canvas, picture, at);
    EXPECT_EQ(shown().pixel(31, 20), picture.pixel(31, 20));
    EXPECT_EQ(shown().pixel(30, 20), kBackground);
    engine.step(state, canvas, picture, at);
    EXPECT_EQ(shown(), picture);
}

TEST_F(TransitionStepping, APictureInAnotherFormatIsDrawnAsTheCanvasHoldsIt) {
    canvas = canvas.convertedTo(QImage::Format_ARGB32_Premultiplied);
    TransitionState state = engine.start(line(251), params(0, 50, 100), canvas, picture, at);
    stepUntilFinished(state);
    EXPECT_EQ(canvas.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(shown().convertedTo(QImage::Format_RGB32), picture);
}

}  // namespace
}  // namespace ztv::test
