#include "tests/editor/EditorFixture.h"
#include "tests/support/ProjectWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

namespace ztv::test {
namespace {

// A window with page 1 open: a picture in (column 2, row 5) and a text in (column 1, row 45).
class OpenPageTest : public EditorFixture {
  protected:
    void SetUp() override {
        EditorFixture::SetUp();
        const QString folder = dir_.path() + QStringLiteral("/projet");
        QDir().mkpath(folder);
        const QString pzv = ProjectWriter(folder).writeSavedProject(
            QStringLiteral("p"), {{1, QStringLiteral("Un")}},
            {{1, makeRecord(45, 1, QStringLiteral("Bonjour"))},
             {1, makeRecord(5, 2, QStringLiteral("\\img\\chat.jpg"))}});
        session_ = start({pzv});
        ASSERT_TRUE(session_);
        window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
        window().setCellDialogOpener([this](int row, bool hasElement) -> editor::CellDialogResult {
            dialogRows_.append(row);
            hadElement_ = hasElement;
            if (!dialogAccepts_) {
                return {std::nullopt, hasElement};
            }
            return {editor::CellEdit{{}, QStringLiteral("neuf.jpg")}, false};
        });
        prompter_ = ScriptedPrompter();
    }
    void TearDown() override {
        // The close questions of a test's end are not part of it.
        window().hide();
        session_.reset();
    }
    editor::MainWindow& window() { return *session_->window; }
    QPoint cellCentre(int column, int row) {
        auto& grid = window().grid();
        return grid.visualRect(grid.model()->index(row - 1, column - 1)).center();
    }

    std::unique_ptr<editor::EditorSession> session_;
    QList<int> dialogRows_;
    bool hadElement_ = false;
    bool dialogAccepts_ = true;
};

TEST_F(OpenPageTest, PressOnACellMakesItCurrentAndDoubleClickOpensItsDialog) {
    auto* viewport = window().grid().viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, cellCentre(2, 5));
    EXPECT_EQ(window().storyboard().currentColumn(), 2);
    EXPECT_EQ(window().storyboard().currentRow(), 5);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, cellCentre(2, 5));
    EXPECT_EQ(dialogRows_, QList<int>{5});
    EXPECT_TRUE(hadElement_);
    EXPECT_EQ(window().storyboard().cellText(2, 5), QStringLiteral("neuf.jpg"));
    EXPECT_TRUE(session_->state.modified);
    EXPECT_TRUE(QFileInfo::exists(workingDir() + QStringLiteral("/1.JOU")));
}

TEST_F(OpenPageTest, PressesOnTheLabelColumnOrHeaderRowSelectNoCell) {
    QTest::mouseClick(window().grid().viewport(), Qt::LeftButton, {}, cellCentre(2, 5));
    auto* labels = window().grid().verticalHeader()->viewport();
    QTest::mousePress(labels, Qt::LeftButton, {}, QPoint(40, 30));
    EXPECT_EQ(window().storyboard().currentColumn(), 0);
    QTest::mouseDClick(labels, Qt::LeftButton, {}, QPoint(40, 30));
    EXPECT_TRUE(dialogRows_.isEmpty());

    // Beyond the 90-pixel strip but still on the labels.
    QTest::mouseClick(window().grid().viewport(), Qt::LeftButton, {}, cellCentre(2, 5));
    QTest::mousePress(labels, Qt::LeftButton, {}, QPoint(100, 30));
    EXPECT_EQ(window().storyboard().currentColumn(), 0);
    window().openCell();
    EXPECT_TRUE(dialogRows_.isEmpty());

    auto* header = window().grid().horizontalHeader()->viewport();
    QTest::mousePress(header, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(window().storyboard().currentRow(), 0);
    QTest::mouseDClick(header, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_TRUE(dialogRows_.isEmpty());
}

TEST_F(OpenPageTest, PressRuleLooksAtTheDistanceFromTheGridEdges) {
    using editor::StoryboardGrid;
    EXPECT_EQ(StoryboardGrid::cellForPress({3, 7}, {89, 100}), QPoint(0, 7));
    EXPECT_EQ(StoryboardGrid::cellForPress({3, 7}, {90, 19}), QPoint(3, 0));
    EXPECT_EQ(StoryboardGrid::cellForPress({3, 7}, {200, 20}), QPoint(3, 7));
}

TEST_F(OpenPageTest, CancelledDialogChangesNothing) {
    dialogAccepts_ = false;
    window().storyboard().setCurrentCell(2, 5);
    window().openCell();
    EXPECT_EQ(dialogRows_, QList<int>{5});
    EXPECT_EQ(window().storyboard().cellText(2, 5), QStringLiteral("chat.jpg"));
    EXPECT_FALSE(session_->state.modified);
}

TEST_F(OpenPageTest, PictureListShowsTheElementsAndLeadsBackToTheirCells) {
    window().runCommand(editor::Command::PictureListView);
    EXPECT_FALSE(session_->state.gridMode);
    auto& list = window().pictureList();
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(0)->text(), numberedText(167));
    EXPECT_EQ(list.item(1)->text(), numberedText(163));
    EXPECT_FALSE(window().toolButton(QStringLiteral("BSuppr"))->isEnabled());
    emit list.itemClicked(list.item(1));
    EXPECT_EQ(window().storyboard().currentColumn(), 2);
    EXPECT_EQ(window().storyboard().currentRow(), 5);
    emit list.itemDoubleClicked(list.item(1));
    EXPECT_EQ(dialogRows_, QList<int>{5});

    window().runCommand(editor::Command::GridView);
    EXPECT_TRUE(session_->state.gridMode);
    EXPECT_EQ(list.count(), 0);
}

TEST_F(OpenPageTest, PositionCommandChecksTheCellBeforeOpeningTheEditor) {
    QList<int> starts;
    window().setPositionEditor([&starts](int index) { starts.append(index); });
    auto& board = window().storyboard();
    board.setCurrentCell(3, 5);
    window().runCommand(editor::Command::Position);
    ASSERT_EQ(prompter_.texts(), QStringList{numberedText(456)});

    board.setCurrentCell(2, 5);
    window().runCommand(editor::Command::Position);
    // The .JOU file lists (1, 45) then (2, 5): the picture itself is the start.
    EXPECT_EQ(starts, QList<int>{2});

    board.setCellText(2, 1, numberedText(124));
    board.setCurrentCell(2, 1);
    window().runCommand(editor::Command::Position);
    EXPECT_EQ(prompter_.texts().last(), numberedText(124) + numberedText(82));
}

class CloseTest : public OpenPageTest {};

TEST_F(CloseTest, OnlyYesToTheQuitQuestionCloses) {
    prompter_.answer(Prompter::No);
    EXPECT_FALSE(window().close());
    prompter_.answer(Prompter::Cancel);
    EXPECT_FALSE(window().close());
    EXPECT_EQ(prompter_.texts(), (QStringList{numberedText(148), numberedText(148)}));
    prompter_.answer(Prompter::Yes);
    EXPECT_TRUE(window().close()) << "nothing modified: no second question";
    EXPECT_EQ(prompter_.asked().size(), 3);
    EXPECT_TRUE(QDir(workingDir()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(session_->state.settings.line(11), session_->state.projectName);
}

TEST_F(CloseTest, EscapeAsksToQuit) {
    prompter_.answer(Prompter::No);
    QTest::keyClick(&window().grid(), Qt::Key_Escape);
    EXPECT_EQ(prompter_.texts(), QStringList{numberedText(148)});
    EXPECT_TRUE(window().isVisible());
}

TEST_F(CloseTest, ModifiedPageAsksToSaveFirst) {
    session_->state.modified = true;
    prompter_.answer(Prompter::Yes);
    prompter_.answer(Prompter::Cancel);
    EXPECT_FALSE(window().close());
    EXPECT_EQ(prompter_.texts().last(), numberedText(93));
    EXPECT_TRUE(QFileInfo::exists(workingDir() + QStringLiteral("/1.ACT")));

    // A save that fails keeps the window open.
    int saves = 0;
    window().setCloseSaver([&saves] { return ++saves > 1; });
    prompter_.answer(Prompter::Yes);
    prompter_.answer(Prompter::Yes);
    EXPECT_FALSE(window().close());
    prompter_.answer(Prompter::Yes);
    prompter_.answer(Prompter::Yes);
    EXPECT_TRUE(window().close());
    EXPECT_EQ(saves, 2);
}

TEST_F(CloseTest, NoToSavingClosesAndEmptiesTheWorkingCopy) {
    session_->state.modified = true;
    ProjectWriter(session_->state.paths.dataDir()).writeBytes(QStringLiteral("copy.cop"), "x");
    prompter_.answer(Prompter::Yes);
    prompter_.answer(Prompter::No);
    EXPECT_TRUE(window().close());
    EXPECT_TRUE(QDir(workingDir()).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(appDir() + QStringLiteral("/copy.cop")));
}

}  // namespace
}  // namespace ztv::test
