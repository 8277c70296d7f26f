// A video on the real GStreamer in the player's window: its frames show in the panel at the
// element's rectangle, the control bar under it answers, and Space pauses and resumes.
#include "common/formats/LangLines.h"
#include "common/media/GstMediaService.h"
#include "common/media/GstPipeline.h"
#include "player/ui/MediaControlWindow.h"
#include "player/ui/PlayerWindow.h"
#include "player/ui/VideoPanel.h"
#include "tests/engine/PagePlayFixture.h"

#include <QTest>

namespace ztv::test {
namespace {

class VideoWindow : public PagePlayFixture {
  protected:
    VideoWindow() {
        gst_ = std::make_shared<GstMediaService>(GstMediaService::AudioOutput::Fake);
        otherMedia_ = gst_;
    }
    // A two-second solid green video.
    QString writeGreenVideo() const {
        const QString file = host(QStringLiteral("media/vert.avi"));
        EXPECT_EQ(runGstPipeline("videotestsrc pattern=solid-color foreground-color=0xff00ff00 "
                                 "num-buffers=20 ! video/x-raw,width=80,height=60,framerate=10/1 "
                                 "! jpegenc ! avimux ! filesink location=" +
                                 file),
                  QString());
        return QStringLiteral("\\media\\vert.avi");
    }
    std::unique_ptr<PlayerWindow> openWindow() {
        auto window = std::make_unique<PlayerWindow>(environment(
            {QStringLiteral("somm"), QStringLiteral("1"), host(QStringLiteral("data"))}));
        EXPECT_TRUE(window->start(appHost()));
        window->show();
        return window;
    }

    std::shared_ptr<GstMediaService> gst_;
};

TEST_F(VideoWindow, FramesShowInThePanelWithTheBarBelow) {
    ElementRecord video = picture(2, 1, writeGreenVideo(), QRect(100, 50, 400, 200));
    video.Transparent = text(lang::VideoBarBelow);
    video.sensdegra = text(lang::VideoWaitForUser);
    writePage(1, {video});
    auto window = openWindow();
    VideoPanel* panel = window->videoPanel();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry(), QRect(100, 50, 400, 200));
    MediaControlWindow* bar = window->mediaControlWindow();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->geometry(), QRect(230, 250, 141, MediaControlBar::kHeight));
    EXPECT_TRUE(bar->button(MediaButton::Play)->isEnabled());
    EXPECT_FALSE(bar->button(MediaButton::Pause)->isEnabled());

    const auto green = [&] {
        const QImage shown = window->grab().toImage();
        for (QPoint p : {QPoint(102, 52), QPoint(300, 150), QPoint(497, 247)}) {
            const QColor c = shown.pixelColor(p);
            if (c.green() < 200 || c.red() > 40 || c.blue() > 40) {
                return false;
            }
        }
        return shown.pixelColor(98, 150) == QColor(Qt::black);
    };
    EXPECT_TRUE(QTest::qWaitFor(green, 5000)) << "the first picture fills the panel";

    const MediaDeviceId film = window->im1().mediaState().FDevVideo;
    QTest::mouseClick(bar->button(MediaButton::Play), Qt::LeftButton);
    EXPECT_TRUE(gst_->isPlaying(film));
    QTest::qWait(300);
    QTest::keyClick(window.get(), Qt::Key_Space);
    EXPECT_FALSE(gst_->isPlaying(film));
    EXPECT_GT(window->im1().mediaState().PauseVideo, 100);
    EXPECT_TRUE(bar->button(MediaButton::Play)->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_Space);
    EXPECT_TRUE(gst_->isPlaying(film));

    QTest::mouseClick(bar->button(MediaButton::Eject), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(bar->isVisible());
}

}  // namespace
}  // namespace ztv::test
