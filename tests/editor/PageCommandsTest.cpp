#include "common/formats/PageTable.h"
#include "common/platform/FileIo.h"
#include "common/platform/RecordFile.h"
#include "editor/app/PageCommands.h"
#include "editor/app/ProjectCommands.h"
#include "editor/dialogs/PageChooser.h"
#include "editor/dialogs/ToolSettingsDialog.h"
#include "editor/document/PageBook.h"
#include "editor/document/ProjectParameters.h"
#include "tests/editor/ProjectFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace ztv::test {
namespace {

using editor::PageBook;

class PageCommandsTest : public ProjectFixture {
  protected:
    QList<int> tableNumbers() {
        QList<int> numbers;
        for (const PageEntry& page : PageBook(workingDir()).entries()) {
            numbers.append(page.number);
        }
        return numbers;
    }
    void addPage(const QString& title, const QString& number = {}) {
        newPageAnswer(title, number);
        window().runCommand(editor::Command::NewPage);
    }
};

TEST_F(PageCommandsTest, NewPageProposesTheLowestFreeNumberAndRefusesBadValues) {
    newProjectWithPages({QStringLiteral("Un"), QStringLiteral("Deux")});
    addPage(QStringLiteral("Quatre"), QStringLiteral("4"));
    QString proposed;
    onDialog([&](QDialog& d) {
        proposed = d.findChild<QLineEdit*>(QStringLiteral("Edit1"))->text();
        auto* number = d.findChild<QLineEdit*>(QStringLiteral("Edit1"));
        auto* title = d.findChild<QLineEdit*>(QStringLiteral("Edit2"));
        auto* ok = d.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        ok->click();  // empty title
        title->setText(QStringLiteral("T"));
        number->setText(QString());
        ok->click();
        number->setText(QStringLiteral("0"));
        ok->click();
        number->setText(QStringLiteral("2"));
        ok->click();
        EXPECT_EQ(d.result(), 0) << "the dialog stays open";
    });
    window().runCommand(editor::Command::NewPage);
    EXPECT_EQ(proposed, QStringLiteral("3"));
    EXPECT_EQ(
        prompter_.texts().mid(prompter_.texts().size() - 4),
        QStringList({numberedText(36), numberedText(37), numberedText(38), numberedText(39)}));
    EXPECT_EQ(tableNumbers(), QList<int>({1, 2, 4}));
    EXPECT_EQ(window().storyboard().page(), 4) << "a cancelled dialog keeps the page";
}

TEST_F(PageCommandsTest, RenumberingRenamesThePageFilesAndKeepsTheTableSorted) {
    newProjectWithPages({QStringLiteral("Un"), QStringLiteral("Deux")});
    addPage(QStringLiteral("Quatre"), QStringLiteral("4"));
    addPage(QStringLiteral("Zero"), QStringLiteral("3"));
    EXPECT_EQ(tableNumbers(), QList<int>({1, 2, 3, 4}));
    window().document().switchToPage(2);
    ProjectWriter(workingDir()).writePageFile(2, {makeRecord(5, 1)});
    newPageAnswer(QStringLiteral("Sept"), QStringLiteral("7"));
    window().runCommand(editor::Command::ModifyPage);
    EXPECT_EQ(tableNumbers(), QList<int>({1, 3, 4, 7}));
    EXPECT_TRUE(QFileInfo::exists(workingDir() + QStringLiteral("/7.ACT")));
    EXPECT_TRUE(QFileInfo::exists(workingDir() + QStringLiteral("/7.JOU")));
    EXPECT_FALSE(QFileInfo::exists(workingDir() + QStringLiteral("/2.ACT")));
    EXPECT_EQ(window().storyboard().page(), 7);
    EXPECT_EQ(window().pageCombo().itemText(3), QStringLiteral("7  Sept"));
    EXPECT_EQ(window().pageCombo().currentIndex(), 3);
}

TEST_F(PageCommandsTest, DeletingMarksThePageAndItsNumberComesBackAfterCompaction) {
    newProjectWithPages({QStringLiteral("Un")});
    ProjectWriter(workingDir()).writePageFile(1, {makeRecord(5, 1)});
    prompter_.answer(Prompter::No);
    window().runCommand(editor::Command::DeletePage);
    EXPECT_EQ(window().storyboard().page(), 1);
    prompter_.answer(Prompter::Yes);
    window().runCommand(editor::Command::DeletePage);
    EXPECT_EQ(window().storyboard().page(), 0);
    EXPECT_EQ(window().pageCombo().count(), 0);
    EXPECT_EQ(PageBook(workingDir()).entries(), QList<PageEntry>({{1, QStringLiteral(" ")}}));
    EXPECT_FALSE(QFileInfo::exists(workingDir() + QStringLiteral("/1.JOU")));
    window().runCommand(editor::Command::DeletePage);
    EXPECT_EQ(prompter_.texts().last(), numberedText(80));

    addPage(QStringLiteral("Encore"));
    EXPECT_EQ(PageBook(workingDir()).entries(), QList<PageEntry>({{1, QStringLiteral("Encore")}}));
}

TEST_F(PageCommandsTest, PasteTakesTheUndoSnapshotAndReplacesThePage) {
    newProjectWithPages({QStringLiteral("Un"), QStringLiteral("Deux")});
    EXPECT_FALSE(window().isCommandEnabled(editor::Command::PastePage));
    window().document().switchToPage(1);
    window().storyboard().closePage();
    ProjectWriter(workingDir()).writePageFile(1, {makeRecord(5, 1, "a.jpg")}, ".ACT");
    window().document().switchToPage(1);
    window().runCommand(editor::Command::CopyPage);
    const QString clip = appDir() + QStringLiteral("/page.cop");
    EXPECT_EQ(readBytes(clip), readBytes(workingDir() + QStringLiteral("/1.ACT")));
    EXPECT_TRUE(window().isCommandEnabled(editor::Command::PastePage));

    window().document().showPage(2);
    window().storyboard().closePage();
    ProjectWriter(workingDir()).writePageFile(2, {makeRecord(6, 2, "b.jpg")}, ".ACT");
    const QByteArray before = readBytes(workingDir() + QStringLiteral("/2.ACT"));
    window().document().switchToPage(2);
    window().setCommandHandler(editor::Command::Undo, [] {});  // the undo command's stand-in
    window().runCommand(editor::Command::PastePage);
    EXPECT_EQ(readBytes(workingDir() + QStringLiteral("/def.cop")), before);
    EXPECT_TRUE(window().isCommandEnabled(editor::Command::Undo));
    EXPECT_EQ(window().storyboard().cellText(1, 5), QStringLiteral("a.jpg"));
    EXPECT_TRUE(window().storyboard().cellText(2, 6).isEmpty());
    EXPECT_EQ(RecordFile::readAll(workingDir() + QStringLiteral("/2.JOU"), kPageRecordSize)->size(),
              2);

    // Onto the page it came from: unchanged.
    window().document().switchToPage(1);
    window().runCommand(editor::Command::PastePage);
    EXPECT_EQ(readBytes(workingDir() + QStringLiteral("/1.ACT")), readBytes(clip));
    EXPECT_EQ(window().storyboard().cellText(1, 5), QStringLiteral("a.jpg"));
}

TEST_F(PageCommandsTest, PageChooserGivesTheChosenNumberOrZero) {
    newProjectWithPages({QStringLiteral("Un"), QStringLiteral("Deux")});
    onDialog([](QDialog& d) {
        auto* list = d.findChild<QListWidget*>(QStringLiteral("ListBox1"));
        EXPECT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(1)->text(), QStringLiteral("2  Deux"));
        EXPECT_EQ(d.windowTitle(), numberedText(577));
        list->setCurrentRow(1);
        emit list->itemDoubleClicked(list->item(1));
    });
    EXPECT_EQ(editor::choosePage(state()), 2);
    onDialog([](QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click(); });
    EXPECT_EQ(editor::choosePage(state()), 0);
}

TEST(ProjectParameters, ValuesAreWholeNumbersInRange) {
    editor::ProjectParameters p;
    p.width = "800";
    p.height = "600";
    p.firstPage = "";
    EXPECT_EQ(p.check(), 63);
    p.firstPage = "2";
    EXPECT_EQ(p.check(), 0);
    for (const char* bad : {"abc", "0", "-5", "16385", "3.5"}) {
        p.width = bad;
        EXPECT_EQ(p.check(), 64) << bad;
    }
    p.width = "16384";
    EXPECT_EQ(p.check(), 0);

    ProjectSettings settings{NumberedLines(settingsLines())};
    settings.lines().setLine(3, QString());
    const auto read = editor::ProjectParameters::read(settings);
    EXPECT_EQ(read.firstPage, QStringLiteral("1"));
    EXPECT_FALSE(read.masked);
    EXPECT_EQ(read.maskColour, 0u);
    read.writeTo(settings);
    EXPECT_EQ(settings.line(15), QStringLiteral("clBlack"));
    EXPECT_EQ(settings.line(7), QStringLiteral("$"));
}

TEST_F(PageCommandsTest, ParametersWriteTheWorkingCopyOnlyAndResizeEveryBackground) {
    newProjectWithPages({QStringLiteral("Un"), QStringLiteral("Deux"), QStringLiteral("Trois")});
    prompter_.choosePath(folder() + QStringLiteral("/p.PZV"));
    window().runCommand(editor::Command::Save);
    const QByteArray savedIni = readBytes(folder() + QStringLiteral("/p.ini"));
    window().storyboard().closePage();
    ProjectWriter work(workingDir());
    for (int page = 1; page <= 3; ++page) {
        work.writePageFile(page, {makeRecord(3, 1), makeRecord(5, 1)});
    }
    window().document().switchToPage(3);

    onDialog([](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("800"));
        d.findChild<QLineEdit*>(QStringLiteral("Edit3"))->setText(QStringLiteral("x"));
        d.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        EXPECT_EQ(d.result(), 0);
        d.findChild<QLineEdit*>(QStringLiteral("Edit3"))->setText(QStringLiteral("2"));
        d.findChild<QCheckBox*>(QStringLiteral("CheckCache"))->setChecked(true);
        d.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    });
    window().runCommand(editor::Command::ProjectParameters);
    EXPECT_TRUE(prompter_.texts().contains(numberedText(64)));
    EXPECT_EQ(prompter_.texts().last(), numberedText(65));
    const QStringList lines = *readLines(workingDir() + QStringLiteral("/$inip.ini"));
    EXPECT_EQ(lines.mid(1, 3), QStringList({"800", "480", "2"}));
    EXPECT_EQ(lines[14], QStringLiteral("oui"));
    EXPECT_EQ(state().projectWidth, 800);
    EXPECT_TRUE(state().modified);
    EXPECT_EQ(readBytes(folder() + QStringLiteral("/p.ini")), savedIni) << "save writes it";
    for (int page = 1; page <= 3; ++page) {
        for (const char* ext : {".JOU", ".ACT"}) {
            const auto records = RecordFile::readAll(
                workingDir() + QStringLiteral("/%1%2").arg(page).arg(QLatin1String(ext)),
                kPageRecordSize);
            EXPECT_EQ(decodePageRecord(records->at(1)).Largeur, 800) << page << ext;
            EXPECT_NE(decodePageRecord(records->at(2)).Largeur, 800) << page << ext;
        }
    }
}

TEST_F(PageCommandsTest, ToolSettingsStoreOnlyBrowsedPaths) {
    state().settings.setLine(0, QStringLiteral("/usr/bin/gimp"));
    editor::ToolSettingsDialog dialog(state(), prompter_);
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("EditRet"))->text(),
              QStringLiteral("/usr/bin/gimp"));
    EXPECT_TRUE(dialog.findChild<QLineEdit*>(QStringLiteral("EditScan"))->text().isEmpty());
    EXPECT_TRUE(dialog.findChild<QLineEdit*>(QStringLiteral("EditText"))->isReadOnly());
    prompter_.choosePath(QStringLiteral("/usr/bin/gedit"));
    dialog.findChild<QPushButton*>(QStringLiteral("BtEditeur"))->click();
    EXPECT_EQ(state().settings.line(13), QStringLiteral("/usr/bin/gedit"));
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("EditText"))->text(),
              QStringLiteral("/usr/bin/gedit"));
    EXPECT_TRUE(window().isCommandEnabled(editor::Command::ToolSettings));
}

}  // namespace
}  // namespace ztv::test
