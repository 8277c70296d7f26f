// The engine's media rules on the real GStreamer (synchronised fake audio output): the page
// waits for a real end of play, loops restart, background music survives a page change.
#include "common/formats/LangLines.h"
#include "common/media/GstMediaService.h"
#include "tests/engine/PagePlayFixture.h"
#include "tests/support/PictureMakers.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace ztv::test {
namespace {

class GstPlayback : public PagePlayFixture {
  protected:
    GstPlayback() {
        gst_ = std::make_shared<GstMediaService>(GstMediaService::AudioOutput::Fake);
        otherMedia_ = gst_;
    }
    ElementRecord sound(int column, int startLine, const QString& stored) const {
        ElementRecord r = picture(1, column, stored, QRect());
        r.sensdegra = text(startLine);
        return r;
    }
    ElementRecord red(int column) const {
        return picture(4, column, solidBmp(QStringLiteral("r.bmp"), Qt::red), QRect(0, 0, 40, 30));
    }
    MediaDeviceId music() const { return engine_->mediaState().FDevSon; }
    std::shared_ptr<GstMediaService> gst_;
};

TEST_F(GstPlayback, AWaitedSoundHoldsTheNextColumnUntilItHasPlayed) {
    const QString wav = writeMedia(QStringLiteral("three.wav"), makeWav(3000));
    writePage(1, {sound(1, lang::SoundPlayAndWait, wav), red(2)});
    startPreview();
    engine_->playPage();
    ASSERT_NE(music(), 0);
    EXPECT_TRUE(engine_->mediaState().AttendreFinMusic);
    QTest::qWait(1000);
    EXPECT_EQ(canvasAt(10, 10), rgb(Qt::black)) << "still waiting after a second";
    const qint64 took = serveUntil([&] { return canvasAt(10, 10) == rgb(Qt::red); });
    EXPECT_GE(took, 1700);
    EXPECT_FALSE(gst_->isPlaying(music()));
    EXPECT_FALSE(engine_->mediaState().AttendreFinMusic);
}

TEST_F(GstPlayback, ASoundNotWaitedForLetsTheNextColumnCome) {
    const QString wav = writeMedia(QStringLiteral("three.wav"), makeWav(3000));
    writePage(1, {sound(1, lang::SoundPlay, wav), red(2)});
    startPreview();
    engine_->playPage();
    EXPECT_LT(serveUntil([&] { return canvasAt(10, 10) == rgb(Qt::red); }), 1000);
    EXPECT_TRUE(gst_->isPlaying(music()));
}

TEST_F(GstPlayback, ALoopingSoundRestartsAtItsStart) {
    const QString wav = writeMedia(QStringLiteral("one.wav"), makeWav(1000));
    ElementRecord looping = sound(1, lang::SoundPlay, wav);
    looping.Vitesse = 1;
    looping.Couleur = 600;  // `DebutMusic`
    writePage(1, {looping});
    startPreview();
    engine_->playPage();
    ASSERT_NE(music(), 0);
    QTest::qWait(1200);
    EXPECT_TRUE(gst_->isPlaying(music())) << "played again after its end";
    const qint64 at = gst_->position(music());
    EXPECT_GE(at, 600);
    EXPECT_LT(at, 1000);
}

TEST_F(GstPlayback, BackgroundMusicScheduledAgainPlaysOnAcrossThePageChange) {
    const QString wav = writeMedia(QStringLiteral("fond.wav"), makeWav(5000));
    ElementRecord background = sound(1, lang::SoundPlay, wav);
    background.size = 1;
    writePage(1, {background});
    // The next page names the same music, to be loaded only.
    writePage(2, {sound(1, lang::SoundLoadOnly, wav),
                  picture(4, 1, solidBmp("w.bmp", Qt::white), QRect(200, 0, 40, 30))});
    startPreview();
    engine_->playPage();
    const MediaDeviceId first = music();
    ASSERT_NE(first, 0);
    QTest::qWait(500);
    engine_->runAction({ActionKind::GoToPage, QStringLiteral("2"), {}});
    ASSERT_EQ(engine_->currentPage(), 2);
    EXPECT_EQ(music(), first) << "the same device";
    EXPECT_TRUE(gst_->isPlaying(first));
    EXPECT_GE(gst_->position(first), 400) << "not started again";
}

// The demo's music and video page: the tune holds the page, then the ball plays under its bar
// and, once over, takes the show to the menu.
TEST_F(GstPlayback, TheDemoMediaPagePlaysItsTuneThenItsVideo) {
    const QDir demo(QStringLiteral(ZTV_APPDIR "/exemples/demo"));
    QDir().mkpath(host("demo"));
    for (const QString& name : demo.entryList(QDir::Files)) {
        ASSERT_TRUE(QFile::copy(demo.filePath(name), host("demo/") + name));
    }
    ASSERT_TRUE(start({host("demo/demo.ZTV")}));
    engine_->loadPage(4, 1);
    engine_->showColumn();
    EXPECT_NE(music(), 0);
    EXPECT_TRUE(engine_->mediaState().AttendreFinMusic);
    const MediaState& media = engine_->mediaState();
    EXPECT_GT(serveUntil([&] { return media.FDevVideo != 0 && gst_->isPlaying(media.FDevVideo); }),
              2500)
        << "the ball waits for the tune";
    EXPECT_TRUE(media.MediaPl.visible);
    EXPECT_GE(serveUntil([&] { return engine_->currentPage() == 6; }, 15000), 0);  // the menu
    EXPECT_TRUE(prompter_.texts().isEmpty()) << prompter_.texts().join('|').toStdString();
}

}  // namespace
}  // namespace ztv::test
