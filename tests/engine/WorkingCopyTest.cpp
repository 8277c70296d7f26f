// Preview ("somm") and external host ("samm"): the editor's working copy is played in place
// and never emptied or removed.
#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "tests/engine/PlayerFixture.h"

#include <QFileInfo>

namespace ztv::test {
namespace {

class WorkingCopy : public PlayerFixture {
  protected:
    void SetUp() override {
        QDir().mkpath(host("data/base"));
        ProjectWriter base(host("data/base"));
        base.writeSettings(QStringLiteral("$inip.ini"), settingsLines(800, 600, 1));
        base.writePageFile(4, {makeRecord(3, 1)});
    }
};

TEST_F(WorkingCopy, PreviewPlaysTheDataFolderCopyInPlace) {
    ASSERT_TRUE(start({QStringLiteral("somm"), QStringLiteral("4"), host("data")}));
    EXPECT_EQ(engine_->project().mode, StartMode::Preview);
    EXPECT_EQ(engine_->currentPage(), 4);
    EXPECT_EQ(engine_->session().playbackDirectoryHost(), host("data/base"));
    EXPECT_EQ(engine_->project().CheminMotCle, QStringLiteral("C:\\data\\base\\Mots.pmg"));
    EXPECT_EQ(engine_->windowRect(), QRect(240, 180, 800, 600));
    EXPECT_FALSE(engine_->session().ownsPlaybackDirectory());

    engine_->showEndScreen(nullptr, false);
    engine_.reset();
    EXPECT_TRUE(QFileInfo::exists(host("data/base/4.JOU")));
    EXPECT_TRUE(QFileInfo::exists(host("data/base/$inip.ini")));
}

TEST_F(WorkingCopy, WithoutDataFolderTheWorkingCopyIsBesideThePlayer) {
    QDir().mkpath(host("app/base"));
    ProjectWriter(host("app/base")).writeSettings(QStringLiteral("$inip.ini"), settingsLines());
    ASSERT_TRUE(start({QStringLiteral("samm"), QStringLiteral("2")}));
    EXPECT_EQ(engine_->project().mode, StartMode::ExternalHost);
    EXPECT_EQ(engine_->session().playbackDirectoryHost(), host("app/base"));
    engine_.reset();
    EXPECT_TRUE(QFileInfo::exists(host("app/base/$inip.ini")));
}

TEST_F(WorkingCopy, PageThatIsNotANumberEndsWithAMessage) {
    EXPECT_FALSE(start({QStringLiteral("somm"), QStringLiteral("deux"), host("data")}));
    ASSERT_EQ(prompter_.texts().size(), 1);
    EXPECT_TRUE(prompter_.texts()[0].endsWith(QStringLiteral(" deux")));
    EXPECT_FALSE(prompter_.texts()[0].startsWith(QStringLiteral(" ")));
}

TEST_F(WorkingCopy, OldVersionWorkingCopyIsRefused) {
    QStringList lines = settingsLines();
    lines[5] = QStringLiteral("1");
    writeLines(host("data/base/$inip.ini"), lines);
    EXPECT_FALSE(start({QStringLiteral("somm"), QStringLiteral("1"), host("data")}));
    EXPECT_EQ(prompter_.texts().size(), 1);
    EXPECT_TRUE(QFileInfo::exists(host("data/base/4.JOU")));
}

}  // namespace
}  // namespace ztv::test
