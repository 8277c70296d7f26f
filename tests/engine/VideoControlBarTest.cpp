// The video's control bar `MediaControlWindow` through the scripted service: where it goes, which
// buttons answer, and what they and the Space key do.
#include "common/formats/LangLines.h"
#include "tests/engine/PagePlayFixture.h"

namespace ztv::test {
namespace {

class VideoControlBar : public PagePlayFixture {
  protected:
    ElementRecord video(int barLine, int startLine, QRect rect = QRect(100, 200, 400, 300)) const {
        writeMedia(QStringLiteral("film.avi"), QByteArray("RIFF"));
        ElementRecord r = picture(2, 1, QStringLiteral("\\media\\film.avi"), rect);
        r.Transparent = text(barLine);
        r.sensdegra = text(startLine);
        r.Couleur = 1000;  // `DebutVideo`
        r.Couldegra = 8000;
        return r;
    }
    void play(const ElementRecord& record) {
        writePage(1, {record});
        startPreview();
        engine_->playPage();
    }
    const MediaControlBar& bar() const { return engine_->mediaState().MediaPl; }
    MediaDeviceId film() const { return media_->deviceOf(QStringLiteral("film.avi")); }
};

TEST_F(VideoControlBar, SitsCentredBelowOrAboveThePanel) {
    play(video(lang::VideoBarBelow, lang::VideoPlay));
    EXPECT_TRUE(bar().visible);
    EXPECT_EQ(bar().rect, QRect(230, 500, 141, MediaControlBar::kHeight));

    play(video(lang::VideoBarAbove, lang::VideoPlay));
    EXPECT_EQ(bar().rect,
              QRect(229, 200 - MediaControlBar::kHeight, 141, MediaControlBar::kHeight));

    play(video(lang::VideoBarNone, lang::VideoPlay));
    EXPECT_FALSE(bar().visible);
    EXPECT_TRUE(media_->isPlaying(film()));

    // Half of the spare width rounds to even below: 261 / 2 gives 130, 263 / 2 gives 132.
    MediaControlBar b;
    b.placeBy(QRect(0, 0, 402, 10), ControlBarPlace::Below);
    EXPECT_EQ(b.rect.left(), 130);
    b.placeBy(QRect(0, 0, 404, 10), ControlBarPlace::Below);
    EXPECT_EQ(b.rect.left(), 132);
    b.placeBy(QRect(0, 0, 404, 10), ControlBarPlace::Above);
    EXPECT_EQ(b.rect.left(), 131);
    b.placeBy(QRect(0, 0, 100, 10), ControlBarPlace::Above);
    EXPECT_EQ(b.rect.left(), -20) << "a panel narrower than the bar";
}

TEST_F(VideoControlBar, WaitingForTheUserShowsThePanelWithOnlyPlay) {
    play(video(lang::VideoBarBelow, lang::VideoWaitForUser));
    ASSERT_NE(film(), 0);
    EXPECT_FALSE(media_->isPlaying(film()));
    EXPECT_EQ(engine_->mediaState().videoWindow, QRect(100, 200, 400, 300));
    EXPECT_TRUE(bar().isEnabled(MediaButton::Play));
    for (MediaButton b :
         {MediaButton::Pause, MediaButton::Stop, MediaButton::Previous, MediaButton::Eject}) {
        EXPECT_FALSE(bar().isEnabled(b));
    }
    ASSERT_TRUE(runUntilIdle()) << "the page does not wait for a video the user starts";

    engine_->mediaButton(MediaButton::Stop);
    EXPECT_FALSE(media_->isPlaying(film())) << "a disabled button does nothing";
    engine_->mediaButton(MediaButton::Play);
    EXPECT_TRUE(media_->isPlaying(film()));
    EXPECT_TRUE(media_->calls().contains(QStringLiteral("play film.avi 1000 8000")));
    EXPECT_FALSE(bar().isEnabled(MediaButton::Play));
    EXPECT_TRUE(bar().isEnabled(MediaButton::Stop));
}

TEST_F(VideoControlBar, PauseStopEjectAndTheSpaceKey) {
    play(video(lang::VideoBarAbove, lang::VideoPlay));
    ASSERT_TRUE(media_->isPlaying(film()));
    EXPECT_TRUE(bar().isEnabled(MediaButton::Pause));
    EXPECT_FALSE(bar().isEnabled(MediaButton::Play));

    engine_->spaceKey();
    EXPECT_FALSE(media_->isPlaying(film()));
    EXPECT_EQ(engine_->mediaState().PauseVideo, 997) << "three milliseconds before 1000";
    EXPECT_TRUE(bar().isEnabled(MediaButton::Play));
    engine_->spaceKey();
    EXPECT_TRUE(media_->isPlaying(film()));
    EXPECT_TRUE(media_->calls().contains(QStringLiteral("play film.avi 997 8000")));

    engine_->mediaButton(MediaButton::Stop);
    EXPECT_FALSE(media_->isPlaying(film()));
    engine_->mediaButton(MediaButton::Pause);
    EXPECT_TRUE(media_->isPlaying(film())) << "the pause button resumes a stopped video";

    engine_->mediaButton(MediaButton::Eject);
    EXPECT_FALSE(media_->isPlaying(film()));
    EXPECT_FALSE(bar().visible);
    EXPECT_TRUE(engine_->mediaState().videoWindow.isEmpty());
    EXPECT_NE(engine_->mediaState().FDevVideo, 0) << "the video stays open";
}

TEST_F(VideoControlBar, AVideoThatDoesNotOpenLeavesNoBar) {
    media_->refuse(QStringLiteral(".avi"));
    play(video(lang::VideoBarBelow, lang::VideoPlayAndWait));
    EXPECT_FALSE(bar().visible);
    EXPECT_EQ(engine_->mediaState().FDevVideo, 0);
    engine_->spaceKey();
    engine_->mediaButton(MediaButton::Play);
    EXPECT_TRUE(runUntilIdle()) << "nothing to wait for";
}

}  // namespace
}  // namespace ztv::test
