#include "editor/document/Storyboard.h"
#include "editor/document/StoryboardClipboard.h"
#include "tests/support/ProjectWriter.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace ztv::test {
namespace {

using editor::CellRange;

// The clipboard and its undo work on the page files alone, with no window around them.
class StoryboardEditTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ProjectWriter writer(dir_.path());
        const QString act = QStringLiteral(".ACT");
        writer.writePageFile(
            1,
            {makeRecord(4, 1, QStringLiteral("a.jpg")), makeRecord(5, 2, QStringLiteral("b.jpg"))},
            act);
        writer.writePageFile(2, {}, act);
        ASSERT_TRUE(board_.openPage(1));
    }
    QList<ElementRecord> page(int n) const {
        return readPageRecords(dir_.path() + QStringLiteral("/%1.ACT").arg(n));
    }

    QTemporaryDir dir_;
    editor::Storyboard board_{dir_.path()};
    LanguageFile language_;
    editor::StoryboardClipboard clipboard_{board_, language_};
};

TEST_F(StoryboardEditTest, CutPastesOnAnotherPageAndOneUndoPutsThatPageBack) {
    EXPECT_TRUE(clipboard_.cut(CellRange{1, 4, 2, 5}).changed);
    EXPECT_TRUE(board_.cellText(1, 4).isEmpty());
    EXPECT_TRUE(clipboard_.hasCopy());

    board_.closePage();
    ASSERT_TRUE(board_.openPage(2));
    const QByteArray before = readBytes(board_.actPath());
    EXPECT_TRUE(clipboard_.paste(CellRange{3, 4, 4, 5}).changed);
    EXPECT_EQ(board_.cellText(3, 4), QStringLiteral("a.jpg"));
    EXPECT_EQ(board_.cellText(4, 5), QStringLiteral("b.jpg"));

    EXPECT_TRUE(clipboard_.undo().changed);
    EXPECT_EQ(readBytes(board_.actPath()), before);
    EXPECT_TRUE(board_.cellText(3, 4).isEmpty());
    EXPECT_FALSE(clipboard_.undo().changed) << "one level of undo";
    EXPECT_TRUE(page(1).isEmpty()) << "the cut stays on its page";
}

}  // namespace
}  // namespace ztv::test
