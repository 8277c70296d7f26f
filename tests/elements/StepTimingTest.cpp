// Step delays by kind and speed, and where played media are looked for.
#include "player/elements/MediaPath.h"
#include "player/elements/StepTiming.h"

#include <gtest/gtest.h>

namespace ztv {
namespace {

TEST(StepTiming, DelaysFollowTheSpeed) {
    EXPECT_EQ(steptiming::transitionDelayMs(1), 1000);
    EXPECT_EQ(steptiming::transitionDelayMs(50), 505);
    EXPECT_EQ(steptiming::transitionDelayMs(99), 11);
    EXPECT_EQ(steptiming::transitionDelayMs(100), 0);
    EXPECT_EQ(steptiming::panoramaDelayMs(4), 25);
    EXPECT_EQ(steptiming::spriteDelayMs(10), 100);
}

TEST(StepTiming, ASpeedOfZeroOrLessCountsAsOne) {
    for (int v : {0, -1, -2147483647 - 1}) {
        EXPECT_EQ(steptiming::transitionDelayMs(v), 1000);
        EXPECT_EQ(steptiming::panoramaDelayMs(v), 100);
        EXPECT_EQ(steptiming::spriteDelayMs(v), 10000);
    }
    EXPECT_EQ(steptiming::transitionDelayMs(5000), 0);
    EXPECT_EQ(steptiming::spriteDelayMs(2147483647), 0);
}

TEST(MediaPath, PackingDecidesWhereAMediumIsPlayedFrom) {
    MediaPacking p;
    p.chemin = QStringLiteral("C:\\jeu");
    p.playbackDirectory = QStringLiteral("C:\\jeu\\base0");
    p.playerFolder = QStringLiteral("D:\\appli");
    const QString stored = QStringLiteral("\\sons\\a.wav");
    EXPECT_EQ(mediaPlaybackPath(stored, MediaKind::Sound, p), stored);
    p.mediaByPage = true;
    EXPECT_EQ(mediaPlaybackPath(stored, MediaKind::Sound, p), QStringLiteral("\\jeu\\a.wav"));
    p.packageMode = true;
    p.mediaInPackage = true;
    EXPECT_EQ(mediaPlaybackPath(stored, MediaKind::Sound, p),
              QStringLiteral("\\jeu\\base0\\a.wav"));
    p.mediaInPackage = false;
    EXPECT_EQ(mediaPlaybackPath(stored, MediaKind::Video, p),
              QStringLiteral("\\appli\\videos\\a.wav"));
    p.playerFolder = QStringLiteral("D:\\");
    EXPECT_EQ(mediaPlaybackPath(stored, MediaKind::Sound, p), QStringLiteral("\\sounds\\a.wav"));
}

}  // namespace
}  // namespace ztv
