#include "common/formats/DisplayScaling.h"
#include "common/formats/PlaybackDirectory.h"
#include "common/formats/ProjectSettings.h"
#include "tests/support/ProjectWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <array>

namespace ztv {
namespace {

TEST(PlaybackDirectory, ClaimsFreshFoldersUntilNoneIsLeft) {
    QTemporaryDir tmp;
    const QString root = tmp.filePath("deep/root");
    EXPECT_EQ(claimPlaybackDirectory(root), "base0");
    EXPECT_EQ(claimPlaybackDirectory(root), "base1");
    for (int k = 2; k <= 1000; ++k) {
        QDir(root).mkdir(QStringLiteral("base%1").arg(k));
    }
    EXPECT_EQ(claimPlaybackDirectory(root), std::nullopt) << "never falls back to reusing base";
    EXPECT_FALSE(QDir(root).exists("base"));
}

TEST(DisplayScaling, FullScreenScalesAndMaskCentres) {
    auto geometry = [](int w, int h, const char* line11, const char* line14, int screen) {
        QStringList lines = test::settingsLines(w, h);
        lines[11] = line11;
        lines[14] = line14;
        return DisplayGeometry::from(ProjectSettings{NumberedLines(lines)}, screen);
    };
    ElementRecord r = test::makeRecord(4, 1);
    r.Gauche = 100;
    r.Haut = 50;
    r.Largeur = 320;
    r.Hauteur = 240;

    const DisplayGeometry both = geometry(640, 480, "oui", "oui", 1280);
    EXPECT_TRUE(both.fullScreen);
    EXPECT_FALSE(both.masked) << "full screen wins over the mask";
    EXPECT_EQ(both.screenHeight, 960);
    ElementRecord scaled = r;
    scaleToDisplay(scaled, both);
    EXPECT_EQ((std::array{scaled.Gauche, scaled.Haut, scaled.Largeur, scaled.Hauteur}),
              (std::array{200, 100, 640, 480}));

    ElementRecord masked = r;
    scaleToDisplay(masked, geometry(640, 480, "$", "oui", 1280));
    EXPECT_EQ(masked.Gauche, 420);
    EXPECT_EQ(masked.Haut, 290);
    EXPECT_EQ(masked.Largeur, 320);

    EXPECT_FALSE(geometry(800, 600, "$", "oui", 800).masked) << "not narrower than the screen";
    ElementRecord huge = r;
    huge.Largeur = 2000000000;
    scaleToDisplay(huge, both);
    EXPECT_EQ(huge.Largeur, 2147483647) << "products are computed in 64 bits";
}

}  // namespace
}  // namespace ztv
