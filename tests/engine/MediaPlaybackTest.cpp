// The engine's media through a scripted service: what the sound records ask of the music
// device, and how the page reacts when a sound ends.
#include "common/formats/LangLines.h"
#include "tests/engine/PagePlayFixture.h"

namespace ztv::test {
namespace {

class MediaPlayback : public PagePlayFixture {
  protected:
    // A sound record of the music file (written under "media"), started as `startLine` says.
    ElementRecord sound(int column, int startLine, int fromMs = 0, int toMs = 0) const {
        ElementRecord r = picture(1, column, QStringLiteral("\\media\\musique.wav"), QRect());
        r.sensdegra = text(startLine);
        r.Couleur = fromMs;
        r.Couldegra = toMs;
        return r;
    }
    void writeMusic() const { writeMedia(QStringLiteral("musique.wav"), QByteArray("RIFF")); }
    MediaDeviceId music() const { return media_->deviceOf(QStringLiteral("musique.wav")); }
    ElementRecord red(int column) const {
        return picture(4, column, solidBmp(QStringLiteral("r.bmp"), Qt::red), QRect(0, 0, 40, 30));
    }
};

TEST_F(MediaPlayback, AWaitedSoundHoldsTheColumnUntilItEnds) {
    writeMusic();
    writePage(1, {sound(1, lang::SoundPlayAndWait, 500, 9000), red(2)});
    startPreview();
    engine_->playPage();
    ASSERT_NE(music(), 0);
    EXPECT_TRUE(media_->isPlaying(music()));
    EXPECT_TRUE(media_->calls().contains(QStringLiteral("play musique.wav 500 9000")));
    EXPECT_FALSE(engine_->timer().isActive()) << "the column waits for the sound";
    EXPECT_EQ(engine_->pagePlay().currentColumn, 1);
    EXPECT_EQ(canvasAt(10, 10), rgb(Qt::black));

    media_->finish(music());
    EXPECT_TRUE(engine_->timer().isActive());
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(canvasAt(10, 10), rgb(Qt::red)) << "column 2 came once the sound had ended";
    EXPECT_TRUE(engine_->pagePlay().runFinished);
}

TEST_F(MediaPlayback, ASoundThatIsNotWaitedForLetsTheColumnGoOn) {
    writeMusic();
    writePage(1, {sound(1, lang::SoundPlay), red(2)});
    startPreview();
    engine_->playPage();
    EXPECT_TRUE(media_->isPlaying(music()));
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(canvasAt(10, 10), rgb(Qt::red));
    EXPECT_TRUE(media_->isPlaying(music())) << "the music goes on over the page";
}

TEST_F(MediaPlayback, TheEndActionOfASoundRunsWithoutAClick) {
    writeMusic();
    ElementRecord withAction = sound(1, lang::SoundPlay);
    withAction.Acte = text(lang::ActionGoToPage);
    withAction.Destination = QStringLiteral("2");
    writePage(1, {withAction});
    writePage(2, {picture(4, 1, solidBmp("w.bmp", Qt::white), QRect(200, 0, 40, 30))});
    startPreview();
    engine_->playPage();
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(engine_->currentPage(), 1);
    media_->finish(music());
    EXPECT_EQ(engine_->currentPage(), 2);
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(canvasAt(210, 10), rgb(Qt::white));
}

TEST_F(MediaPlayback, ALoopingSoundRestartsUntilTheStopMarkerPausesIt) {
    writeMusic();
    ElementRecord looping = sound(1, lang::SoundPlay, 500, 2000);
    looping.Vitesse = 1;
    ElementRecord stop = picture(1, 2, text(lang::MarkerSoundStop), QRect());
    writePage(1, {looping, red(2), stop});
    startPreview();
    engine_->playPage();
    media_->finish(music());
    EXPECT_EQ(media_->calls().count(QStringLiteral("play musique.wav 500 2000")), 2);
    EXPECT_TRUE(media_->isPlaying(music()));
    ASSERT_TRUE(runUntilIdle());
    EXPECT_FALSE(media_->isPlaying(music()));
    EXPECT_TRUE(media_->calls().contains(QStringLiteral("pause musique.wav")));
    EXPECT_FALSE(engine_->mediaState().BoucleMusic);
}

// A second opening (another project in place of this one) starts with every device closed.
TEST_F(MediaPlayback, OpeningAgainClosesTheMedia) {
    writeMusic();
    writePage(1, {sound(1, lang::SoundPlay)});
    startPreview();
    engine_->playPage();
    ASSERT_NE(engine_->mediaState().FDevSon, 0);
    ASSERT_TRUE(engine_->start(appHost()));
    EXPECT_TRUE(media_->calls().contains(QStringLiteral("close musique.wav")));
    EXPECT_EQ(engine_->mediaState().FDevSon, 0);
    EXPECT_TRUE(engine_->mediaState().SonPrec.isEmpty());
}

TEST_F(MediaPlayback, NothingOpensWithoutASoundCardOrAFile) {
    soundCard_ = false;
    writeMusic();
    writePage(1, {sound(1, lang::SoundPlayAndWait), red(2)});
    startPreview();
    engine_->playPage();
    EXPECT_TRUE(media_->calls().isEmpty());
    ASSERT_TRUE(runUntilIdle()) << "no sound to wait for";
    EXPECT_EQ(canvasAt(10, 10), rgb(Qt::red));

    soundCard_ = true;
    writePage(1, {sound(1, lang::SoundPlayAndWait), red(2)});
    QFile::remove(host(QStringLiteral("media/musique.wav")));
    startPreview();
    engine_->playPage();
    EXPECT_EQ(music(), 0);
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(canvasAt(10, 10), rgb(Qt::red));
    EXPECT_TRUE(prompter_.texts().last().startsWith(QStringLiteral("jouson1")));
}

// A video waited for holds the column like a sound; one that disappears at its end leaves
// its window before the column goes on.
TEST_F(MediaPlayback, AWaitedVideoHoldsTheColumnAndMayDisappearAtItsEnd) {
    writeMedia(QStringLiteral("film.avi"), QByteArray("RIFF"));
    ElementRecord video =
        picture(2, 1, QStringLiteral("\\media\\film.avi"), QRect(10, 20, 320, 240));
    video.sensdegra = text(lang::VideoPlayAndWait);
    video.Vitesse = 1;  // disappears at its end
    writePage(1, {video, red(2)});
    startPreview();
    engine_->playPage();
    const MediaDeviceId film = media_->deviceOf(QStringLiteral("film.avi"));
    ASSERT_NE(film, 0);
    EXPECT_EQ(media_->videoWindow(film), QRect(10, 20, 320, 240));
    EXPECT_FALSE(engine_->timer().isActive());

    media_->finish(film);
    EXPECT_TRUE(media_->videoWindow(film).isEmpty());
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(canvasAt(10, 10), rgb(Qt::red));
}

// The sound action pauses the music that plays and plays again the music that is paused.
TEST_F(MediaPlayback, TheSoundActionPausesAndResumesTheMusic) {
    writeMusic();
    writePage(1, {sound(1, lang::SoundPlay, 0, 4000)});
    startPreview();
    engine_->playPage();
    ASSERT_TRUE(media_->isPlaying(music()));
    engine_->runAction({ActionKind::ToggleSound, {}, {}});
    EXPECT_FALSE(media_->isPlaying(music()));
    engine_->runAction({ActionKind::ToggleSound, {}, {}});
    EXPECT_TRUE(media_->isPlaying(music()));
    EXPECT_EQ(media_->calls().count(QStringLiteral("play musique.wav 0 4000")), 2);
    EXPECT_FALSE(engine_->pagePlay().busy);
}

// After a load the video opens first, then the sound; the next page closes a music that is
// not background music, even one it names again.
TEST_F(MediaPlayback, ThePreloadOpensTheVideoThenTheSoundAndThePageChangeClosesWhatGoes) {
    writeMusic();
    writeMedia(QStringLiteral("film.avi"), QByteArray("RIFF"));
    ElementRecord video = picture(2, 2, QStringLiteral("\\media\\film.avi"), QRect(0, 0, 64, 48));
    writePage(1, {sound(2, lang::SoundPlay), video});
    writePage(2, {sound(1, lang::SoundLoadOnly)});
    startPreview();
    engine_->playPage();
    EXPECT_EQ(media_->calls().mid(0, 2),
              (QStringList{QStringLiteral("open film.avi"), QStringLiteral("open musique.wav")}));
    const MediaDeviceId first = music();
    ASSERT_TRUE(runUntilIdle());
    engine_->runAction({ActionKind::GoToPage, QStringLiteral("2"), {}});
    EXPECT_TRUE(media_->calls().contains(QStringLiteral("close musique.wav")));
    EXPECT_NE(music(), first) << "opened again for the new page";
}

// A character's voice is a third device: it silences the music and the video, a new music ends
// it, a video pauses it, and no load carries it over to the next page.
TEST_F(MediaPlayback, ACharactersVoiceHasItsOwnDeviceAndSilencesTheOthers) {
    writeMusic();
    writeMedia(QStringLiteral("voix.wav"), QByteArray("RIFF"));
    writePage(1, {sound(1, lang::SoundPlay)});
    const auto hosted = hostPreview();
    hosted->player.playPage();
    ztv::MediaPlayback& playback = hosted->player.mediaPlayback();
    const QString voice = QStringLiteral("\\media\\voix.wav");
    ASSERT_TRUE(playback.openCharacterSound(voice));
    const MediaDeviceId voiceDevice = media_->deviceOf(QStringLiteral("voix.wav"));
    ASSERT_NE(voiceDevice, 0);
    EXPECT_TRUE(playback.openCharacterSound(voice));
    EXPECT_EQ(media_->calls().count(QStringLiteral("open voix.wav")), 1) << "reused";

    playback.playCharacterSound();
    EXPECT_TRUE(playback.characterSoundPlaying());
    EXPECT_TRUE(media_->calls().contains(QStringLiteral("close musique.wav")));
    EXPECT_EQ(playback.state().FDevSon, 0);

    playback.clearSchedule();
    playback.scheduleCharacterSound(voice);
    playback.startScheduled();
    EXPECT_EQ(playback.state().FDevSonPerso, 0) << "closed even when named again";
    playback.clearSchedule();
    playback.scheduleCharacterSound(voice);
    playback.startScheduled();
    EXPECT_NE(playback.state().FDevSonPerso, 0) << "preloaded when none was open";

    media_->refuse(QStringLiteral("muet.wav"));
    writeMedia(QStringLiteral("muet.wav"), QByteArray("RIFF"));
    EXPECT_FALSE(playback.openCharacterSound(QStringLiteral("\\media\\muet.wav")));
    EXPECT_TRUE(prompter_.texts().last().startsWith(QStringLiteral("jouperso2")));
    EXPECT_EQ(playback.state().FDevSonPerso, 0);
}

}  // namespace
}  // namespace ztv::test
