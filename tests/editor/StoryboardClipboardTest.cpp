// Copy, cut, paste, special paste, delete, column insertion and removal, and undo, through the
// Edit commands on the working copy's page files.
#include "common/formats/LangLines.h"
#include "editor/app/CommandTable.h"
#include "editor/app/EditCommands.h"
#include "editor/document/UndoSnapshot.h"
#include "tests/editor/ProjectFixture.h"

#include <QCheckBox>
#include <QPushButton>

namespace ztv::test {
namespace {

using editor::CellRange;

class StoryboardClipboard : public ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        newProjectWithPages({QStringLiteral("Un"), QStringLiteral("Deux")});
        window().document().switchToPage(1);
    }
    // Puts records on a page as the storyboard would, and shows the page.
    void putRecords(int page, const QList<ElementRecord>& records) {
        window().storyboard().closePage();
        ProjectWriter writer(workingDir());
        writer.writePageFile(page, records, QStringLiteral(".ACT"));
        writer.writePageFile(page, records, QStringLiteral(".JOU"));
        window().document().switchToPage(page);
    }
    void run(const char* command, const CellRange& selection) {
        window().grid().selectRange(selection);
        window().runCommand(*editor::commandOf(QLatin1String(command)));
    }
    QString cell(int column, int row) { return window().storyboard().cellText(column, row); }
    QByteArray act(int page) {
        return readBytes(workingDir() + QStringLiteral("/%1.ACT").arg(page));
    }
    QList<ElementRecord> jou(int page) {
        return readPageRecords(workingDir() + QStringLiteral("/%1.JOU").arg(page));
    }
};

TEST_F(StoryboardClipboard, ABlockPastesItsTopLeftIntoOneCellAndOneCellFillsFour) {
    putRecords(1, {makeRecord(4, 1, "a.jpg"), makeRecord(5, 1, "b.jpg"), makeRecord(6, 1, "c.jpg"),
                   makeRecord(4, 2, "d.jpg")});
    EXPECT_FALSE(window().isCommandEnabled(editor::Command::Paste));
    run("BCopier", {1, 4, 2, 6});
    EXPECT_TRUE(window().isCommandEnabled(editor::Command::Paste));
    run("BColler", {5, 10, 5, 10});
    EXPECT_EQ(cell(5, 10), QStringLiteral("a.jpg"));
    EXPECT_TRUE(cell(5, 11).isEmpty());
    EXPECT_TRUE(cell(6, 10).isEmpty());

    run("BCopier", {2, 4, 2, 4});
    run("BColler", {7, 7, 8, 8});
    for (const auto& [column, row] : {std::pair{7, 7}, {7, 8}, {8, 7}, {8, 8}}) {
        EXPECT_EQ(cell(column, row), QStringLiteral("d.jpg")) << column << "," << row;
    }
    EXPECT_TRUE(state().modified);
    EXPECT_TRUE(prompter_.asked().isEmpty());
    // The player's file follows: column then row order.
    const QList<ElementRecord> played = jou(1);
    ASSERT_EQ(played.size(), 9);
    EXPECT_EQ(played.last().Colonne, 8);
    EXPECT_EQ(played.last().Ligne, 8);
}

TEST_F(StoryboardClipboard, OtherKindsAndCellsPastTheGridAreSkippedWithOneMessage) {
    putRecords(1,
               {makeRecord(4, 1, "a.jpg"), makeRecord(5, 1, "b.jpg"), makeRecord(6, 1, "c.jpg")});
    const QByteArray before = act(1);
    run("BCopier", {1, 4, 1, 6});
    run("BColler", {1, 30, 1, 32});
    EXPECT_EQ(prompter_.texts(), QStringList{numberedText(79)});
    EXPECT_EQ(act(1), before);

    prompter_ = ScriptedPrompter();
    run("BColler", {20, 60, 20, 61});  // keyword and long-text rows
    EXPECT_EQ(prompter_.texts(), QStringList{numberedText(79)});
}

TEST_F(StoryboardClipboard, AClickZoneTakesTheNameOfItsRow) {
    ElementRecord zone = makeRecord(51, 1, numberedText(lang::ClickZone) + QStringLiteral(" 2"));
    zone.Acte = QStringLiteral("T283");
    putRecords(1, {zone});
    run("BCopier", {1, 51, 1, 51});
    run("BColler", {3, 52, 3, 52});
    EXPECT_EQ(cell(3, 52), numberedText(lang::ClickZone) + QStringLiteral(" 3"));
    EXPECT_EQ(jou(1).last().Acte, QStringLiteral("T283"));
}

TEST_F(StoryboardClipboard, CutThenPasteOnAnotherPageMovesTheCells) {
    putRecords(1, {makeRecord(4, 1, "a.jpg"), makeRecord(30, 1, "Bonjour")});
    run("BCouper", {1, 4, 1, 30});
    EXPECT_TRUE(cell(1, 4).isEmpty());
    EXPECT_TRUE(jou(1).isEmpty());
    window().document().switchToPage(2);
    run("BColler", {2, 4, 2, 30});
    EXPECT_EQ(cell(2, 4), QStringLiteral("a.jpg"));
    EXPECT_EQ(cell(2, 30), QStringLiteral("Bonjour"));
}

TEST_F(StoryboardClipboard, ACopiedBlockSurvivesACompactionOfItsPage) {
    putRecords(1, {makeRecord(4, 1, "gone.jpg"), makeRecord(5, 1, "keep.jpg")});
    run("BCopier", {1, 5, 1, 5});
    run("BSuppr", {1, 4, 1, 4});  // compacts page 1: keep.jpg moves to record 1
    run("BColler", {3, 5, 3, 5});
    EXPECT_EQ(cell(3, 5), QStringLiteral("keep.jpg"));
}

TEST_F(StoryboardClipboard, InsertingAndRemovingAColumnShiftTheColumnsAndUndoOnce) {
    QList<ElementRecord> records;
    for (int column = 4; column <= 20; ++column) {
        records.append(makeRecord(4, column, QStringLiteral("c%1.jpg").arg(column)));
    }
    records.append(makeRecord(5, 20, QStringLiteral("last.jpg")));
    putRecords(1, records);
    const QByteArray before = act(1);

    run("InsCol", {5, 8, 5, 8});
    EXPECT_EQ(cell(4, 4), QStringLiteral("c4.jpg"));
    EXPECT_TRUE(cell(5, 4).isEmpty());
    EXPECT_EQ(cell(6, 4), QStringLiteral("c5.jpg"));
    EXPECT_EQ(cell(20, 4), QStringLiteral("c19.jpg"));
    EXPECT_EQ(cell(20, 5), QStringLiteral("last.jpg")) << "column 19 had nothing in row 5";
    window().runCommand(editor::Command::Undo);
    EXPECT_EQ(act(1), before) << "one undo puts the whole shift back";
    EXPECT_FALSE(window().isCommandEnabled(editor::Command::Undo));

    run("SupprCol2", {5, 1, 5, 1});
    EXPECT_EQ(cell(5, 4), QStringLiteral("c6.jpg"));
    EXPECT_EQ(cell(19, 4), QStringLiteral("c20.jpg"));
    EXPECT_EQ(cell(19, 5), QStringLiteral("last.jpg"));
    EXPECT_TRUE(cell(20, 4).isEmpty());

    run("InsCol", {3, 1, 20, 1});
    run("SupprCol2", {20, 1, 20, 1});
    EXPECT_EQ(prompter_.texts(), (QStringList{numberedText(78), numberedText(423)}));
}

TEST_F(StoryboardClipboard, UndoRestoresThePageByteForByteOnceAndABadSnapshotChangesNothing) {
    putRecords(1, {makeRecord(4, 1, "a.jpg"), makeRecord(5, 2, "b.jpg")});
    const QByteArray before = act(1);
    run("BCopier", {1, 4, 1, 4});
    run("BColler", {2, 5, 3, 6});
    ASSERT_NE(act(1), before);
    window().runCommand(editor::Command::Undo);
    EXPECT_EQ(act(1), before);
    EXPECT_EQ(cell(2, 5), QStringLiteral("b.jpg"));
    EXPECT_FALSE(window().isCommandEnabled(editor::Command::Undo));
    EXPECT_EQ(window().document().clipboard().undo().message, lang::NothingToUndo);

    run("BSuppr", {1, 4, 1, 4});
    const QByteArray afterDelete = act(1);
    ProjectWriter(workingDir()).writeBytes(QStringLiteral("def.cop"), QByteArray(100, 'x'));
    window().runCommand(editor::Command::Undo);
    EXPECT_EQ(prompter_.texts().last(), numberedText(lang::NothingToUndo));
    EXPECT_EQ(act(1), afterDelete);
}

TEST_F(StoryboardClipboard, SpecialPasteCopiesOnlyTheChosenGroups) {
    ElementRecord source = makeRecord(4, 1, "a.jpg");
    source.Effet = QStringLiteral("T230");
    source.Acte = QStringLiteral("T283");
    source.Gauche = 77;
    ElementRecord target = makeRecord(4, 2, "b.jpg");
    target.Effet = QStringLiteral("T240");
    putRecords(1, {source, target});
    run("BCopier", {1, 4, 1, 4});
    onDialog([](QDialog& d) {
        d.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(false);
        d.findChild<QCheckBox*>(QStringLiteral("CheckBox2"))->setChecked(false);
        d.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    });
    window().grid().selectRange({2, 4, 3, 4});
    window().runCommand(editor::Command::SpecialPaste);
    EXPECT_EQ(dialogsShown.last(), QStringLiteral("FormCollSpec"));
    const QList<ElementRecord> played = jou(1);
    ASSERT_EQ(played.size(), 2) << "no file to paste settings onto in the empty cell";
    EXPECT_EQ(played[1].Fichier, QStringLiteral("b.jpg"));
    EXPECT_EQ(played[1].Effet, QStringLiteral("T240"));
    EXPECT_EQ(played[1].Acte, QStringLiteral("T283"));

    // With the file group, an empty cell gets a new element of its row for the rest.
    onDialog([](QDialog& d) {
        d.findChild<QCheckBox*>(QStringLiteral("CheckBox2"))->setChecked(false);
        d.findChild<QCheckBox*>(QStringLiteral("CheckBox3"))->setChecked(false);
        d.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    });
    window().grid().selectRange({5, 4, 5, 4});
    window().runCommand(editor::Command::SpecialPaste);
    const ElementRecord pasted = jou(1).last();
    EXPECT_EQ(pasted.Fichier, QStringLiteral("a.jpg"));
    EXPECT_EQ(pasted.Gauche, 77);
    EXPECT_EQ(pasted.Effet, numberedText(lang::EffectNone));
    EXPECT_TRUE(pasted.Acte.isEmpty() || pasted.Acte == numberedText(lang::ActionNone));
}

TEST_F(StoryboardClipboard, DeletingARowOrAColumnAndNoPageDisablesTheCommands) {
    putRecords(1,
               {makeRecord(4, 1, "a.jpg"), makeRecord(4, 3, "b.jpg"), makeRecord(5, 3, "c.jpg")});
    run("SupprLig", {3, 4, 3, 4});
    EXPECT_TRUE(cell(1, 4).isEmpty());
    EXPECT_TRUE(cell(3, 4).isEmpty());
    EXPECT_EQ(cell(3, 5), QStringLiteral("c.jpg"));
    run("SupprCol", {3, 5, 3, 5});
    EXPECT_FALSE(window().storyboard().hasElements());

    window().storyboard().closePage();
    window().updateStatus();
    for (const char* command : {"BCopier", "BCouper", "BSuppr", "InsCol", "BColler"}) {
        EXPECT_FALSE(window().isCommandEnabled(*editor::commandOf(QLatin1String(command))))
            << command;
    }
}

}  // namespace
}  // namespace ztv::test
