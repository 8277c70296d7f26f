// Record rectangles on a full-screen or masked display, drawn where they belong.
#include "tests/engine/PagePlayFixture.h"

namespace ztv::test {
namespace {

class DisplayAdaptation : public PagePlayFixture {
  protected:
    void play(int settingsLine) {
        QStringList settings = settingsLines();
        settings[settingsLine] = QStringLiteral("oui");
        writeSettings(settings);
        writePage(1,
                  {picture(4, 1, solidBmp("r.bmp", Qt::red, {32, 24}), QRect(100, 50, 320, 240))});
        screen_ = QSize(1024, 1024);
        startPreview();
        engine_->playPage();
    }
    QRect drawnRect() const {
        QRect r;
        for (int y = 0; y < engine_->canvas().height(); ++y) {
            for (int x = 0; x < engine_->canvas().width(); ++x) {
                if (canvasAt(x, y) == rgb(Qt::red)) {
                    r |= QRect(x, y, 1, 1);
                }
            }
        }
        return r;
    }
};

TEST_F(DisplayAdaptation, AFullScreenProjectScalesTheRectangle) {
    play(11);
    EXPECT_EQ(engine_->pagePlay().rows[4].rect, QRect(160, 80, 512, 384));
    EXPECT_EQ(drawnRect(), QRect(160, 80, 512, 384));
}

TEST_F(DisplayAdaptation, AMaskedProjectCentresThePage) {
    play(14);
    EXPECT_EQ(engine_->pagePlay().rows[4].rect, QRect(292, 194, 320, 240));
    EXPECT_EQ(drawnRect(), QRect(292, 194, 320, 240));
}

}  // namespace
}  // namespace ztv::test
