// The engine's timer keeps the platform's pace: 64 ticks a second, whatever the delays ask.
#include "common/formats/LangLines.h"
#include "player/elements/StepTiming.h"
#include "tests/engine/PagePlayFixture.h"

namespace ztv::test {
namespace {

TEST(TickPace, WaitsEndAtTheNextTickOfSixtyFourASecond) {
    EXPECT_EQ(steptiming::msToTick(0, 1), 16);
    EXPECT_EQ(steptiming::msToTick(0, 0), 16) << "no delay still waits for a tick";
    EXPECT_EQ(steptiming::msToTick(16, 1), 16);
    EXPECT_EQ(steptiming::msToTick(31, 1), 1);
    EXPECT_EQ(steptiming::msToTick(0, 1000), 1000);
    EXPECT_EQ(steptiming::msToTick(0, 1001), 1016);
    // 64 ticks take exactly one second however they fall.
    qint64 now = 0;
    for (int i = 0; i < 64; ++i) {
        now += steptiming::msToTick(now, 1);
    }
    EXPECT_EQ(now, 1000);
}

class TickPaceOnAPage : public PagePlayFixture {};

// A wipe of ten steps at speed 100 steps once a tick: about 156 ms, as authors saw it.
TEST_F(TickPaceOnAPage, ASpeedHundredWipeOfTenStepsTakesTenTicks) {
    ElementRecord wipe = picture(4, 1, solidBmp("r.bmp", Qt::red), QRect(10, 10, 40, 30));
    wipe.Effet = text(221);
    wipe.EffetPas = 10;
    writePage(1, {wipe});
    startPreview();
    engine_->playPage();
    const qint64 start = clock_.nowMs();
    int ticks = 0;
    while (canvasAt(10, 10) != rgb(Qt::red) || canvasAt(49, 39) != rgb(Qt::red)) {
        ASSERT_LT(++ticks, 100);
        tick();
    }
    EXPECT_EQ(ticks, 10);
    EXPECT_GE(clock_.nowMs() - start, 150);
    EXPECT_LE(clock_.nowMs() - start, 160);
}

}  // namespace
}  // namespace ztv::test
