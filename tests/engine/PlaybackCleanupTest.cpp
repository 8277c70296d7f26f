// The end screen and the clean-up: only what this run created is removed.
#include "player/engine/RemoveTree.h"
#include "tests/engine/PlayerFixture.h"

#include <QFile>
#include <QFileInfo>

namespace ztv::test {
namespace {

class PlaybackCleanup : public PlayerFixture {
  protected:
    void SetUp() override {
        writeProject(appHost(), QStringLiteral("demo"));
        ASSERT_TRUE(start({}, QStringLiteral("demo")));
        playback_ = engine_->session().playbackDirectoryHost();
    }
    QString playback_;
};

TEST_F(PlaybackCleanup, EndScreenCentresThePictureOnWhiteAndRemovesThePlaybackDirectory) {
    QImage picture(100, 50, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QDir().mkpath(QDir(playback_).filePath("extracted/sub"));
    ProjectWriter(QDir(playback_).filePath("extracted/sub")).writeBytes("a.jpg", "x");
    QFile::setPermissions(QDir(playback_).filePath("1.JOU"), QFile::ReadOwner);

    engine_->showEndScreen(&picture, false);
    EXPECT_EQ(engine_->endPictureRect(), QRect(270, 215, 100, 50));
    EXPECT_EQ(engine_->canvas().pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(engine_->canvas().pixelColor(270, 215), QColor(Qt::blue));
    EXPECT_EQ(engine_->canvas().pixelColor(369, 264), QColor(Qt::blue));
    EXPECT_EQ(engine_->canvas().pixelColor(370, 264), QColor(Qt::white));
    EXPECT_FALSE(QFileInfo::exists(playback_));
    EXPECT_TRUE(playbackDirs().isEmpty());
    // The project itself is untouched.
    EXPECT_TRUE(QFileInfo::exists(host("app/demo.ZTV")));
}

TEST_F(PlaybackCleanup, LinksAndListedFilesOutsideArePreserved) {
    ProjectWriter outside(host("keep"));
    QDir().mkpath(host("keep"));
    const QString precious = outside.writeBytes("precious.txt", "data");
    ASSERT_TRUE(QFile::link(host("keep"), QDir(playback_).filePath("folderlink")));
    ASSERT_TRUE(QFile::link(precious, QDir(playback_).filePath("filelink")));

    engine_->showEndScreen(nullptr, true);
    EXPECT_FALSE(QFileInfo::exists(playback_));
    EXPECT_TRUE(QFileInfo::exists(precious));
    EXPECT_TRUE(engine_->session().extractedFiles().isEmpty());
}

TEST_F(PlaybackCleanup, ASecondCleanupRemovesNothingMore) {
    engine_->showEndScreen(nullptr, false);
    // Another player claims the same name afterwards; this run must not remove it.
    ASSERT_TRUE(QDir(appHost()).mkdir("base0"));
    engine_->showEndScreen(nullptr, false);
    engine_.reset();
    EXPECT_EQ(playbackDirs(), QStringList{"base0"});
}

TEST(RemoveTree, InsideFolderIsStrict) {
    EXPECT_TRUE(isInsideFolder("/a/b/c", "/a/b"));
    EXPECT_TRUE(isInsideFolder("/a/b/../b/c", "/a/b"));
    EXPECT_FALSE(isInsideFolder("/a/b", "/a/b"));
    EXPECT_FALSE(isInsideFolder("/a/bc/d", "/a/b"));
    EXPECT_FALSE(isInsideFolder("/a/b/../c", "/a/b"));
}

}  // namespace
}  // namespace ztv::test
