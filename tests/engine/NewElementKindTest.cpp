// A kind of element written here, unknown to the engine: defined for the animation rows, it is
// created, prepared, shown, stepped and freed by the page play like any built-in kind.
#include "common/formats/ElementKinds.h"
#include "common/platform/Clock.h"
#include "player/elements/Element.h"
#include "tests/engine/PagePlayFixture.h"

#include <QPainter>

namespace ztv::test {
namespace {

struct BlinkLog {
    int prepared = 0;
    int shown = 0;
    int erased = 0;
    int steps = 0;
    int freed = 0;
};

// Shows a yellow square, turns it blue after three steps 10 ms apart, then frees itself.
class Blink : public Element {
  public:
    explicit Blink(BlinkLog& log) : log_(log) {}
    ~Blink() override { ++log_.freed; }

    void prepare() override { ++log_.prepared; }
    bool show() override {
        ++log_.shown;
        paint(Qt::yellow);
        nextStepIn(10);
        return true;
    }
    void disappear() override {
        ++log_.erased;
        requestFree();
    }
    void step() override {
        if (++log_.steps < 3) {
            nextStepIn(10);
            return;
        }
        paint(Qt::blue);
        finishSteps();
        requestFree();
    }

  private:
    void paint(QColor colour) {
        const ElementRecord& r = record();
        QPainter(&roles().canvas->canvas())
            .fillRect(QRect(r.Gauche, r.Haut, r.Largeur, r.Hauteur), colour);
    }
    void nextStepIn(int ms) {
        StepScheduler& steps = *roles().steps;
        steps.setNextStep(record().Ligne, record().Colonne, steps.clock().nowMs() + ms);
    }

    BlinkLog& log_;
};

using NewElementKind = PagePlayFixture;

TEST_F(NewElementKind, APageOfANewKindPlaysThroughTheEngine) {
    writePage(1, {picture(26, 1, QStringLiteral("clignotant"), QRect(100, 100, 20, 20)),
                  picture(4, 2, solidBmp(QStringLiteral("r.bmp"), Qt::red), QRect(0, 0, 40, 30))});
    startPreview();
    BlinkLog log;
    engine_->defineElementKind(ElementKind::Animation,
                               [&log] { return std::make_unique<Blink>(log); });
    engine_->playPage();
    EXPECT_EQ(log.prepared, 1);
    EXPECT_EQ(canvasAt(110, 110), rgb(Qt::yellow));
    EXPECT_EQ(canvasAt(10, 10), rgb(Qt::black)) << "column 2 waits for the blinking square";

    const qint64 start = clock_.nowMs();
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(log.steps, 3);
    EXPECT_GE(clock_.nowMs() - start, 20);
    EXPECT_EQ(log.freed, 1) << "freed by the engine once it asked";
    EXPECT_FALSE(engine_->pagePlay().elements.present(26, 1));
    EXPECT_EQ(canvasAt(110, 110), rgb(Qt::blue));
    EXPECT_EQ(canvasAt(10, 10), rgb(Qt::red));
}

// The marker that makes an element disappear keeps the new kind from being prepared, and the
// kind's own disappear() runs instead of show().
TEST_F(NewElementKind, AMarkedRecordIsNotPreparedAndIsNotShown) {
    writePage(1, {picture(26, 1, text(122), QRect(100, 100, 20, 20))});
    startPreview();
    BlinkLog log;
    engine_->defineElementKind(ElementKind::Animation,
                               [&log] { return std::make_unique<Blink>(log); });
    engine_->playPage();
    EXPECT_EQ(log.prepared, 0);
    EXPECT_EQ(log.shown, 0);
    EXPECT_EQ(log.erased, 1);
    EXPECT_EQ(log.freed, 1);
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(log.steps, 0) << "a freed element takes no steps";
    EXPECT_EQ(canvasAt(110, 110), rgb(Qt::black));
}

}  // namespace
}  // namespace ztv::test
