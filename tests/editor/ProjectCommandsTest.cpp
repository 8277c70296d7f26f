#include "common/formats/Container.h"
#include "common/formats/KeywordTable.h"
#include "common/formats/LangLines.h"
#include "common/formats/PageTable.h"
#include "common/platform/FileIo.h"
#include "common/platform/RecordFile.h"
#include "editor/app/ProjectCommands.h"
#include "editor/document/WorkingCopy.h"
#include "tests/editor/ProjectFixture.h"
#include "tools/ztvtool/ZtvTool.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>
#include <algorithm>

namespace ztv::test {
namespace {

class ProjectCommandsTest : public ProjectFixture {
  protected:
    QString saveAs(const QString& name) {
        prompter_.choosePath(folder() + QLatin1Char('/') + name);
        window().runCommand(editor::Command::SaveAs);
        return state().projectName;
    }
    // Puts records on a page of the working copy as the storyboard would (.ACT and .JOU).
    void putRecords(int page, const QList<ElementRecord>& records) {
        const int current = window().storyboard().page();
        window().storyboard().closePage();
        ProjectWriter writer(workingDir());
        writer.writePageFile(page, records, QStringLiteral(".ACT"));
        writer.writePageFile(page, records, QStringLiteral(".JOU"));
        window().document().switchToPage(current);
    }
    QStringList savedFiles() const { return QDir(folder()).entryList(QDir::Files); }
};

TEST_F(ProjectCommandsTest, NewProjectShowsParametersThenNewPageAndATypedNameGainsPzv) {
    newProjectWithPages({QStringLiteral("Accueil"), QStringLiteral("Suite")});
    EXPECT_EQ(dialogsShown, QStringList({"FParaProjet", "Form2", "Form2"}));
    EXPECT_EQ(window().pageCombo().count(), 2);
    EXPECT_EQ(window().storyboard().page(), 2);
    EXPECT_TRUE(state().modified);
    EXPECT_TRUE(state().isUntitled());

    prompter_.choosePath(folder() + QStringLiteral("/album"));
    window().runCommand(editor::Command::Save);
    // The save dialog of an untitled project starts in the user's documents, never among the
    // program's files; a named project's starts in its own folder.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(prompter_.lastDir, QFileInfo(documents).isDir() ? documents : QDir::homePath());
    EXPECT_EQ(savedFiles(), QStringList({"album.ini", "album.PZV", "album.ZTV"}));
    EXPECT_EQ(state().projectName, folder() + QStringLiteral("/album.PZV"));
    EXPECT_FALSE(state().modified);
    EXPECT_EQ(state().settings.line(6), state().projectName);
    EXPECT_EQ(state().settings.line(11), state().projectName);
    EXPECT_EQ(window().storyboard().page(), 2) << "the current page stays selected";
    saveAs(QStringLiteral("copie"));
    EXPECT_EQ(prompter_.lastDir, folder());
}

TEST_F(ProjectCommandsTest, RoundTripGivesBackPagesPageFilesAndSettings) {
    newProjectWithPages({QStringLiteral("Un"), QStringLiteral("Deux")});
    putRecords(1, {makeRecord(5, 1, QStringLiteral("\\img\\a.jpg")), makeRecord(45, 2, "Salut")});
    putRecords(2, {makeRecord(3, 1, QStringLiteral("\\img\\fond.jpg"))});
    const QString pzv = saveAs(QStringLiteral("trip.PZV"));
    const QByteArray table = readBytes(workingDir() + QStringLiteral("/PAGES.TAE"));
    const QByteArray page1 = readBytes(workingDir() + QStringLiteral("/1.JOU"));
    const QByteArray page2 = readBytes(workingDir() + QStringLiteral("/2.JOU"));
    const QStringList settings = *readLines(workingDir() + QStringLiteral("/$inip.ini"));

    state().modified = false;
    parametersAnswer();
    newPageAnswer(QStringLiteral("Autre"));
    window().runCommand(editor::Command::NewProject);
    ASSERT_EQ(window().pageCombo().count(), 1);
    ASSERT_TRUE(window().openProject(pzv));

    EXPECT_EQ(readBytes(workingDir() + QStringLiteral("/PAGES.TAE")), table);
    EXPECT_EQ(readBytes(workingDir() + QStringLiteral("/1.JOU")), page1);
    EXPECT_EQ(readBytes(workingDir() + QStringLiteral("/2.JOU")), page2);
    EXPECT_EQ(readBytes(workingDir() + QStringLiteral("/1.ACT")), page1);
    EXPECT_EQ(*readLines(workingDir() + QStringLiteral("/$inip.ini")), settings);
    EXPECT_EQ(settings[0], QStringLiteral("C:") + QString(folder()).replace('/', '\\') +
                               QStringLiteral("\\trip.ZTV"));
    EXPECT_EQ(window().storyboard().cellText(2, 45), QStringLiteral("Salut"));

    // The tool reads what the editor saved.
    QString out;
    QString err;
    QTextStream o(&out);
    QTextStream e(&err);
    EXPECT_EQ(tool::run({QStringLiteral("info"), pzv}, o, e), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("size: 640 x 480"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("page 1: \"Un\", 2 records"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("page 2: \"Deux\", 1 records"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("keywords: 0")));
}

TEST_F(ProjectCommandsTest, EmptyKeywordFileDeletesTheOldPmgAndReopensWithoutKeywords) {
    newProjectWithPages({QStringLiteral("Un")});
    ProjectWriter work(workingDir());
    work.writeKeywords(QStringLiteral("MOTS.PMG"), {{"lune", "1", ""}});
    const QString pzv = saveAs(QStringLiteral("mots.PZV"));
    ASSERT_TRUE(QFileInfo::exists(folder() + QStringLiteral("/mots.PMG")));

    work.writeBytes(QStringLiteral("MOTS.PMG"), {});
    window().runCommand(editor::Command::Save);
    EXPECT_FALSE(QFileInfo::exists(folder() + QStringLiteral("/mots.PMG")));
    EXPECT_FALSE(QFileInfo::exists(workingDir() + QStringLiteral("/MOTS.PMG")));

    ASSERT_TRUE(window().openProject(pzv));
    EXPECT_FALSE(QFileInfo::exists(workingDir() + QStringLiteral("/MOTS.PMG")));
}

TEST_F(ProjectCommandsTest, ADeletedPageIsLeftOutOfTheContainerEvenWithItsJou) {
    ProjectWriter work(workingDir());
    work.writePageTable({{1, QStringLiteral("Un")}, {2, QStringLiteral(" ")}});
    work.writePageFile(1, {makeRecord(5, 1)});
    work.writePageFile(2, {makeRecord(6, 1), makeRecord(7, 1)});
    work.writeSettings(QStringLiteral("$inip.ini"), settingsLines());
    DriveTable drives;
    drives.set('C', QStringLiteral("/"), DriveType::Fixed);
    const QString pzv = folder() + QStringLiteral("/del.PZV");
    ASSERT_EQ(editor::workingcopy::saveProject(workingDir(), pzv,
                                               appDir() + QStringLiteral("/$ini.ini"), drives)
                  .status,
              editor::workingcopy::SaveResult::Saved);
    const auto records =
        RecordFile::readAll(folder() + QStringLiteral("/del.ZTV"), kProjectRecordSize);
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 2);
    std::int32_t page = 0;
    EXPECT_EQ(decodeProjectRecord(records->at(1), &page).Ligne, 5);
    EXPECT_EQ(page, 1);
}

TEST_F(ProjectCommandsTest, ASaveThatFailsHalfWayLeavesTheSavedProjectIntact) {
    newProjectWithPages({QStringLiteral("Un")});
    ProjectWriter(workingDir()).writeKeywords(QStringLiteral("MOTS.PMG"), {{"lune", "1", ""}});
    putRecords(1, {makeRecord(5, 1)});
    saveAs(QStringLiteral("sur.PZV"));
    QMap<QString, QByteArray> before;
    for (const QString& name : savedFiles()) {
        before.insert(name, readBytes(folder() + QLatin1Char('/') + name));
    }
    ASSERT_EQ(before.size(), 4);

    // A page file that cannot be read: the container cannot be packed.
    newPageAnswer(QStringLiteral("Deux"));
    window().runCommand(editor::Command::NewPage);
    window().storyboard().closePage();
    QFile::remove(workingDir() + QStringLiteral("/2.JOU"));
    QDir(workingDir()).mkdir(QStringLiteral("2.JOU"));
    window().runCommand(editor::Command::Save);  // no current page: 60
    window().document().switchToPage(1);
    window().runCommand(editor::Command::Save);
    EXPECT_EQ(prompter_.texts().last(), numberedText(17));
    EXPECT_TRUE(state().modified);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        EXPECT_EQ(readBytes(folder() + QLatin1Char('/') + it.key()), it.value())
            << it.key().toStdString();
    }
    QStringList names = savedFiles();
    names.sort();
    EXPECT_EQ(names, before.keys()) << "no temporary file left behind";

    // A folder in place of the container: the renames already done are undone.
    QDir(workingDir()).rmdir(QStringLiteral("2.JOU"));
    QFile::remove(folder() + QStringLiteral("/sur.ZTV"));
    QDir(folder()).mkdir(QStringLiteral("sur.ZTV"));
    before.remove(QStringLiteral("sur.ZTV"));
    window().runCommand(editor::Command::Save);
    EXPECT_EQ(prompter_.texts().last(), numberedText(17));
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        EXPECT_EQ(readBytes(folder() + QLatin1Char('/') + it.key()), it.value())
            << it.key().toStdString();
    }
}

TEST_F(ProjectCommandsTest, SavePathInTheWorkingDirectoryIsRefusedTwiceThenNothingIsSaved) {
    newProjectWithPages({QStringLiteral("Un")});
    prompter_.choosePath(workingDir() + QStringLiteral("/x.PZV"));
    prompter_.choosePath(workingDir() + QStringLiteral("/y.PZV"));
    window().runCommand(editor::Command::Save);
    EXPECT_EQ(prompter_.texts().count(numberedText(464)), 2);
    EXPECT_TRUE(state().isUntitled());
    EXPECT_TRUE(state().modified);

    // The same refusal in the save-changes prompt abandons the new project: the work stays.
    prompter_.answer(Prompter::Yes);
    prompter_.choosePath(workingDir() + QStringLiteral("/x.PZV"));
    prompter_.choosePath(QString());
    window().runCommand(editor::Command::NewProject);
    EXPECT_EQ(window().pageCombo().count(), 1);
    EXPECT_TRUE(QFileInfo::exists(workingDir() + QStringLiteral("/1.ACT")));
}

TEST_F(ProjectCommandsTest, ExistingProjectIsReplacedOnlyAfterYes) {
    newProjectWithPages({QStringLiteral("Un")});
    ProjectWriter(folder()).writeBytes(QStringLiteral("old.PZV"), "keep");
    prompter_.answer(Prompter::No);
    saveAs(QStringLiteral("old.PZV"));
    EXPECT_EQ(readBytes(folder() + QStringLiteral("/old.PZV")), QByteArray("keep"));
    EXPECT_TRUE(state().isUntitled());
    prompter_.answer(Prompter::Yes);
    saveAs(QStringLiteral("old.PZV"));
    EXPECT_EQ(readBytes(folder() + QStringLiteral("/old.PZV")).size(), 2 * kPageTableRecordSize);
}

TEST_F(ProjectCommandsTest, CdDriveRefusesOpenAndSaveAs) {
    DriveTable drives;
    drives.set('C', QStringLiteral("/"), DriveType::Fixed);
    drives.set('D', folder(), DriveType::Cd);
    state().drives = drives;
    newProjectWithPages({QStringLiteral("Un")});
    saveAs(QStringLiteral("cd.PZV"));
    EXPECT_EQ(prompter_.texts().last(), numberedText(448));
    EXPECT_TRUE(savedFiles().isEmpty());
    prompter_.choosePath(folder() + QStringLiteral("/cd.PZV"));
    window().projects().openCommand(false);
    EXPECT_EQ(prompter_.texts().last(), numberedText(448));
}

class OpeningTest : public ProjectCommandsTest {
  protected:
    void SetUp() override {
        ProjectCommandsTest::SetUp();
        newProjectWithPages({QStringLiteral("Travail")});
        putRecords(1, {makeRecord(5, 1)});
        actBefore_ = readBytes(workingDir() + QStringLiteral("/1.ACT"));
    }
    void expectWorkKept() {
        EXPECT_EQ(readBytes(workingDir() + QStringLiteral("/1.ACT")), actBefore_);
        EXPECT_EQ(window().pageCombo().itemText(0), QStringLiteral("1  Travail"));
        EXPECT_TRUE(state().isUntitled());
        EXPECT_TRUE(QDir(state().paths.dataDir())
                        .entryList({QStringLiteral(".open-*")}, QDir::AllEntries | QDir::Hidden)
                        .isEmpty());
    }
    QByteArray actBefore_;
};

TEST_F(OpeningTest, UnreadableContainerShows16AndAbandonsTheOpen) {
    ProjectWriter writer(folder());
    const QString pzv =
        writer.writeSavedProject(QStringLiteral("bad"), {{1, "Un"}}, {{1, makeRecord(5, 1)}});
    QFile::remove(writer.path(QStringLiteral("bad.ZTV")));
    QDir(folder()).mkdir(QStringLiteral("bad.ZTV"));
    EXPECT_FALSE(window().openProject(pzv));
    EXPECT_EQ(prompter_.texts().last(), numberedText(16));
    expectWorkKept();
}

TEST_F(OpeningTest, OldFormatShowsItsMessageAndAbandonsWithoutEnding) {
    ProjectWriter writer(folder());
    QStringList old = settingsLines();
    old[5] = QStringLiteral("1");
    const QString pzv = writer.writeSavedProject(QStringLiteral("old"), {{1, "Un"}}, {}, old);
    EXPECT_FALSE(window().openProject(pzv));
    EXPECT_EQ(prompter_.texts().last(), numberedText(825));
    expectWorkKept();
}

TEST_F(OpeningTest, MissingContainerOpensWithWhatThePageTableGives) {
    ProjectWriter writer(folder());
    const QString pzv = writer.writeSavedProject(QStringLiteral("nozt"), {{4, "Quatre"}}, {});
    QFile::remove(writer.path(QStringLiteral("nozt.ZTV")));
    prompter_.answer(Prompter::No);  // the save-changes question is not asked by open itself
    EXPECT_TRUE(window().openProject(pzv));
    EXPECT_EQ(prompter_.texts().last(), numberedText(16));
    EXPECT_EQ(window().pageCombo().itemText(0), QStringLiteral("4  Quatre"));
}

TEST_F(OpeningTest, ADamagedProjectIsRefusedNamingTheFileAndLeftUntouched) {
    struct Case {
        const char* damaged;  // the file replaced, beside bad.PZV
        QByteArray bytes;
        int reason;
    };
    QByteArray randomBytes(4096, '\0');
    std::generate(randomBytes.begin(), randomBytes.end(),
                  [n = 7u]() mutable { return char((n = n * 1103515245u + 12345u) >> 16); });
    QByteArray badTitle(2 * kPageTableRecordSize, '\0');
    badTitle[kPageTableRecordSize + 4] = char(250);
    const QList<Case> cases = {
        {"bad.PZV", QByteArray(200, 'p'), lang::ProjectNotWholeRecords},
        {"bad.PZV", randomBytes, lang::ProjectNotWholeRecords},
        {"bad.PZV", badTitle, lang::ProjectRecordMalformed},
        {"bad.ZTV", QByteArray(2 * kProjectRecordSize - 5, '\0'), lang::ProjectNotWholeRecords},
        {"bad.ZTV", QByteArray(2 * kProjectRecordSize, char(255)), lang::ProjectRecordMalformed},
        {"bad.ini", "$\r\n640\r\n480\r\n", lang::SettingsCutShort},
        {"bad.ini", settingsLines().join("\r\n").toLatin1().replace('$', '\0'),
         lang::SettingsNotText},
    };
    ProjectWriter writer(folder());
    for (const Case& c : cases) {
        const QString pzv =
            writer.writeSavedProject(QStringLiteral("bad"), {{1, "Un"}}, {{1, makeRecord(5, 1)}});
        const QString damaged = writer.writeBytes(c.damaged, c.bytes);
        EXPECT_FALSE(window().openProject(pzv)) << c.damaged;
        ASSERT_FALSE(prompter_.texts().isEmpty()) << c.damaged;
        EXPECT_EQ(prompter_.texts().last(), numberedText(2) + u' ' + damaged + u' ' +
                                                numberedText(835) + u'\n' + numberedText(c.reason));
        EXPECT_EQ(readBytes(damaged), c.bytes) << c.damaged;
        expectWorkKept();
    }
}

TEST_F(ProjectCommandsTest, APathWithACharacterTheFilesCannotStoreIsRefusedBeforeAnyWrite) {
    const QString folderName = QStringLiteral("mon projet é ü 日本");
    QDir(folder()).mkpath(folderName);
    newProjectWithPages({QStringLiteral("Un")});
    saveAs(folderName + QStringLiteral("/essai"));
    ASSERT_FALSE(prompter_.texts().isEmpty());
    const QString refusal = numberedText(lang::UnstorableCharacter) +
                            QStringLiteral(" 日 (U+65E5)\n") + folder() + u'/' + folderName;
    EXPECT_EQ(prompter_.texts().last(), refusal + QStringLiteral("/essai.PZV"));
    EXPECT_TRUE(QDir(folder() + u'/' + folderName).isEmpty());
    EXPECT_TRUE(state().isUntitled());
    EXPECT_TRUE(state().modified);

    const QString pzv = ProjectWriter(folder() + u'/' + folderName)
                            .writeSavedProject(QStringLiteral("vu"), {{1, "Un"}}, {});
    EXPECT_FALSE(window().openProject(pzv));
    EXPECT_EQ(prompter_.texts().last(), refusal + QStringLiteral("/vu.PZV"));
    EXPECT_TRUE(state().isUntitled());
}

class RecentTest : public ProjectCommandsTest {
  protected:
    void SetUp() override {
        ProjectCommandsTest::SetUp();
        ProjectWriter writer(folder());
        for (const char* name : {"A", "B", "C"}) {
            paths_.append(writer.writeSavedProject(QLatin1String(name), {{1, "Un"}},
                                                   {{1, makeRecord(5, 1)}}));
        }
        for (int i = 0; i < 5; ++i) {
            state().settings.setLine(6 + i, i < 3 ? paths_[i] : QStringLiteral("$"));
        }
        window().updateRecentItems();
    }
    QStringList recent() { return state().settings.lines().mid(6, 5); }
    QStringList paths_;
};

TEST_F(RecentTest, OpeningMovesTheProjectToTheHeadAndNewPathsPushTheOthersDown) {
    window().runCommand(editor::Command::OpenRecent3);
    EXPECT_EQ(state().projectName, paths_[2]);
    EXPECT_EQ(recent(), QStringList({paths_[2], paths_[0], paths_[1], "$", "$"}));
    EXPECT_EQ(window().menuItem(QStringLiteral("proj1"))->text(),
              QStringLiteral("1- ") + paths_[2]);
    EXPECT_EQ(state().settings.line(11), paths_[2]);

    const QString d = ProjectWriter(folder()).writeSavedProject(QStringLiteral("D"), {{1, "Un"}},
                                                                {{1, makeRecord(5, 1)}});
    window().openProject(d);
    EXPECT_EQ(recent(), QStringList({d, paths_[2], paths_[0], paths_[1], "$"}));
    EXPECT_EQ(*readLines(appDir() + QStringLiteral("/zentrovale.ini")), state().settings.lines());
}

TEST_F(RecentTest, CancelInTheSaveChangesPromptAbandons) {
    newProjectWithPages({QStringLiteral("Travail")});
    prompter_.answer(Prompter::Cancel);
    window().runCommand(editor::Command::OpenRecent2);
    EXPECT_TRUE(state().isUntitled());
    EXPECT_EQ(window().pageCombo().itemText(0), QStringLiteral("1  Travail"));
    EXPECT_EQ(recent(), QStringList({paths_[0], paths_[1], paths_[2], "$", "$"}));

    prompter_.answer(Prompter::No);
    window().runCommand(editor::Command::OpenRecent2);
    EXPECT_EQ(state().projectName, paths_[1]);
}

TEST_F(RecentTest, ProjectSavedDuringThePromptJoinsTheListWithoutShiftingTheItem) {
    newProjectWithPages({QStringLiteral("Travail")});
    prompter_.answer(Prompter::Yes);
    prompter_.choosePath(folder() + QStringLiteral("/E"));
    window().runCommand(editor::Command::OpenRecent2);
    const QString e = folder() + QStringLiteral("/E.PZV");
    EXPECT_TRUE(QFileInfo::exists(e));
    EXPECT_EQ(state().projectName, paths_[1]) << "the item still names B";
    EXPECT_EQ(recent(), QStringList({paths_[1], e, paths_[0], paths_[2], "$"}));
}

TEST_F(RecentTest, MissingProjectIsClearedWithMessage77ThenTheOpenDialog) {
    QFile::remove(paths_[1]);
    prompter_.choosePath(QString());
    window().runCommand(editor::Command::OpenRecent2);
    EXPECT_EQ(recent(), QStringList({paths_[0], "$", paths_[2], "$", "$"}));
    EXPECT_TRUE(prompter_.texts().contains(numberedText(77)));
    EXPECT_EQ(prompter_.lastFilter, QStringLiteral(" (*.PZV *.pzv)")) << "the open dialog followed";
    EXPECT_EQ(window().menuItem(QStringLiteral("proj2"))->text(), numberedText(728));
}

}  // namespace
}  // namespace ztv::test
