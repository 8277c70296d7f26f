// Finding and opening a saved project: where it is found, the settings checks and messages,
// the playback directory and what is copied into it.
#include "common/archives/EntryReader.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/formats/ProjectSettings.h"
#include "common/platform/FileIo.h"
#include "tests/engine/PlayerFixture.h"

#include <unistd.h>
#include <QFileInfo>

namespace ztv::test {
namespace {

class ProjectOpening : public PlayerFixture {
  protected:
    QString french(int line) const {
        LanguageFile lang;
        lang.load(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"));
        return lang.text(line);
    }
};

TEST_F(ProjectOpening, PlayerWithoutArgumentFindsProjectNamedAfterItself) {
    writeProject(appHost(), QStringLiteral("demo"));
    ASSERT_TRUE(start({}, QStringLiteral("demo")));
    EXPECT_EQ(engine_->project().projectPath, QStringLiteral("C:\\app\\demo.ZTV"));
    EXPECT_EQ(engine_->title(), QStringLiteral("demo.ZTV"));
    EXPECT_EQ(engine_->project().playbackName, QStringLiteral("base0"));
    EXPECT_EQ(engine_->project().Chemin, QStringLiteral("c:\\app"));
    const QDir playback(engine_->session().playbackDirectoryHost());
    EXPECT_EQ(playback.path(), QDir(appHost()).filePath("base0"));
    EXPECT_TRUE(QFileInfo::exists(playback.filePath("1.JOU")));
    // The rest of the container is read, and copied, when another page is first asked for.
    EXPECT_FALSE(QFileInfo::exists(playback.filePath("pages.tae")));
    engine_->pageFileHost(2);
    EXPECT_EQ(readBytes(playback.filePath("pages.tae")), readBytes(host("app/demo.ZTV")));
    EXPECT_EQ(readBytes(playback.filePath("MOTS.PMG")), readBytes(host("app/demo.PMG")));
    EXPECT_EQ(engine_->project().CheminMotCle, QStringLiteral("c:\\app\\base0\\Mots.pmg"));
    EXPECT_FALSE(engine_->session().toHost(engine_->project().CheminMotCle).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(engine_->session().toHost(engine_->project().CheminMotCle)));
    EXPECT_TRUE(prompter_.asked().isEmpty()) << prompter_.texts().join('|').toStdString();
}

TEST_F(ProjectOpening, ScreenSaverNameAndIniLineZeroFallback) {
    // No demo.ZTV beside "demo.scr": demo.INI's line 0 names the container elsewhere.
    writeProject(host("elsewhere"), QStringLiteral("proj"));
    QStringList lines = settingsLines();
    lines[0] = QStringLiteral("C:\\elsewhere\\proj.ZTV");
    appWriter().writeSettings(QStringLiteral("demo.INI"), lines);
    ASSERT_TRUE(start({QStringLiteral("/s")}, QStringLiteral("demo.scr")));
    EXPECT_EQ(engine_->project().projectPath, QStringLiteral("C:\\elsewhere\\proj.ZTV"));
    EXPECT_EQ(playbackDirs(), QStringList{"base0"});
}

TEST_F(ProjectOpening, NothingBesideThePlayerAsksWithTheDialog) {
    QDir().mkpath(host("app/exemples"));
    EXPECT_FALSE(start({}, QStringLiteral("demo")));
    EXPECT_EQ(prompter_.lastDir, host("app/exemples"));
    EXPECT_TRUE(prompter_.lastFilter.contains("*.ZTV"));
    EXPECT_TRUE(prompter_.lastFilter.contains("*.ZTVX"));
    EXPECT_TRUE(playbackDirs().isEmpty());

    writeProject(host("chosen"), QStringLiteral("pick"));
    prompter_.choosePath(host("chosen/pick.ZTV"));
    ASSERT_TRUE(start({}, QStringLiteral("demo")));
    EXPECT_EQ(engine_->project().projectPath, QStringLiteral("C:\\chosen\\pick.ZTV"));
}

TEST_F(ProjectOpening, ArgumentsAreJoinedIntoOnePathAndCaseIsIgnored) {
    writeProject(host("My Projects"), QStringLiteral("Demo"));
    ASSERT_TRUE(start({QStringLiteral("C:\\My"), QStringLiteral("Projects\\demo.ztv")}));
    EXPECT_EQ(engine_->project().projectPath, QStringLiteral("C:\\My Projects\\demo.ztv"));
    EXPECT_TRUE(
        QFileInfo::exists(QDir(engine_->session().playbackDirectoryHost()).filePath("1.JOU")));
    EXPECT_TRUE(
        QFileInfo::exists(QDir(engine_->session().playbackDirectoryHost()).filePath("MOTS.PMG")));
}

TEST_F(ProjectOpening, HostPathArgumentOpensToo) {
    writeProject(host("p"), QStringLiteral("x"));
    ASSERT_TRUE(start({host("p/x.ZTV")}));
    EXPECT_EQ(engine_->project().projectPath, QStringLiteral("C:\\p\\x.ZTV"));
}

TEST_F(ProjectOpening, TwoPlayersInOneFolderGetBase0AndBase1) {
    writeProject(appHost(), QStringLiteral("demo"));
    auto first = engine({}, QStringLiteral("demo"));
    auto second = engine({}, QStringLiteral("demo"));
    ASSERT_TRUE(first->start(appHost()));
    ASSERT_TRUE(second->start(appHost()));
    EXPECT_EQ(first->project().playbackName, QStringLiteral("base0"));
    EXPECT_EQ(second->project().playbackName, QStringLiteral("base1"));
    first.reset();
    EXPECT_EQ(playbackDirs(), QStringList{"base1"});
    second.reset();
    EXPECT_TRUE(playbackDirs().isEmpty());
}

TEST_F(ProjectOpening, NoFreePlaybackDirectoryEndsWithAMessage) {
    writeProject(appHost(), QStringLiteral("demo"));
    for (int k = 0; k <= 1000; ++k) {
        ASSERT_TRUE(QDir(appHost()).mkdir(QStringLiteral("base%1").arg(k)));
    }
    EXPECT_FALSE(start({}, QStringLiteral("demo")));
    ASSERT_EQ(prompter_.texts().size(), 1);
    EXPECT_TRUE(prompter_.texts()[0].startsWith(french(lang::NoPlaybackDirectory)));
    EXPECT_FALSE(QFileInfo::exists(host("app/base")));
    EXPECT_EQ(playbackDirs().size(), 1001);
}

TEST_F(ProjectOpening, VersionLineMustBeExactlyTwo) {
    QStringList lines = settingsLines();
    lines[5] = QStringLiteral("2 ");
    writeProject(appHost(), QStringLiteral("demo"), lines);
    EXPECT_FALSE(start({}, QStringLiteral("demo")));
    EXPECT_EQ(prompter_.texts(),
              QStringList{QStringLiteral(
                  "This project was created with a former version of the software. Cette "
                  "application a été réalisée avec une ancienne version du logiciel.")});
    EXPECT_TRUE(engine_->project().projectPath.isEmpty());
    EXPECT_TRUE(playbackDirs().isEmpty());
}

TEST_F(ProjectOpening, ShortSettingsFileFailsTheVersionCheck) {
    writeProject(appHost(), QStringLiteral("demo"), settingsLines().mid(0, 4));
    EXPECT_FALSE(start({}, QStringLiteral("demo")));
    EXPECT_EQ(prompter_.texts(), QStringList{ProjectSettings::oldVersionMessage()});
}

TEST_F(ProjectOpening, SettingsThatAreNotNumbersFallBack) {
    QStringList lines = settingsLines(800, 600, 3);
    lines[1] = QStringLiteral("huit cents");
    lines[3] = QStringLiteral("x");
    writeProject(appHost(), QStringLiteral("demo"), lines);
    ASSERT_TRUE(start({}, QStringLiteral("demo")));
    EXPECT_EQ(engine_->project().projectWidth, 640);
    EXPECT_EQ(engine_->project().projectHeight, 480);
    EXPECT_EQ(engine_->currentPage(), 1);
}

TEST_F(ProjectOpening, FirstPageComesFromTheSettings) {
    writeProject(appHost(), QStringLiteral("demo"), settingsLines(640, 480, 7));
    ASSERT_TRUE(start({}, QStringLiteral("demo")));
    EXPECT_EQ(engine_->currentPage(), 7);
}

TEST_F(ProjectOpening, MissingSettingsFileIsReported) {
    writeProject(appHost(), QStringLiteral("demo"));
    QFile::remove(host("app/demo.ini"));
    EXPECT_FALSE(start({}, QStringLiteral("demo")));
    ASSERT_EQ(prompter_.texts().size(), 1);
    EXPECT_EQ(prompter_.texts()[0], french(lang::FilePrefix) + ' ' + host("app/demo.INI") + ' ' +
                                        french(lang::NotFoundSuffix));
    EXPECT_TRUE(playbackDirs().isEmpty());
}

TEST_F(ProjectOpening, MissingOrEmptyContainerIsReportedOnceAndPlaybackGoesOn) {
    writeProject(appHost(), QStringLiteral("demo"));
    QFile::remove(host("app/demo.ZTV"));
    // Named on the command line: without an argument a missing container means the dialog.
    ASSERT_TRUE(start({host("app/demo.ZTV")}));
    EXPECT_EQ(prompter_.texts(),
              QStringList{host("app/demo.ZTV") + ' ' + french(lang::NotFoundSuffix)});

    ProjectWriter(appHost()).writeBytes(QStringLiteral("demo.ZTV"), QByteArray());
    ScriptedPrompter empty;
    PlayerEnvironment env = environment({host("app/demo.ZTV")});
    env.prompter = &empty;
    Engine second(env);
    ASSERT_TRUE(second.start(appHost()));
    EXPECT_EQ(empty.texts(), QStringList{french(lang::ContainerEmpty)});
}

TEST_F(ProjectOpening, BytesThatAreNoContainerAreNotAValidProject) {
    writeProject(appHost(), QStringLiteral("demo"));
    for (const QByteArray& foreign :
         {QByteArray(5000, '\xff'), QByteArray(3 * kProjectRecordSize, '\x07')}) {
        ProjectWriter(appHost()).writeBytes(QStringLiteral("demo.ZTV"), foreign);
        prompter_ = ScriptedPrompter();
        EXPECT_FALSE(start({host("app/demo.ZTV")}));
        EXPECT_EQ(prompter_.texts(),
                  QStringList{french(lang::FilePrefix) + ' ' + host("app/demo.ZTV") + ' ' +
                              french(lang::NotAValidProjectSuffix)});
        engine_.reset();
        EXPECT_TRUE(playbackDirs().isEmpty()) << "the playback directory it claimed is gone";
    }
}

TEST_F(ProjectOpening, PagesWithoutElementsPlayAsEmptyPages) {
    // Saved with two pages and no element: the container holds its empty record 0 only.
    ProjectWriter(appHost()).writeSavedProject(
        QStringLiteral("vide"), {{1, QStringLiteral("Un")}, {2, QStringLiteral("Deux")}}, {});
    ASSERT_TRUE(start({host("app/vide.ZTV")}));
    EXPECT_TRUE(prompter_.asked().isEmpty()) << prompter_.texts().join('|').toStdString();
    const QDir playback(engine_->session().playbackDirectoryHost());
    EXPECT_EQ(readBytes(playback.filePath("2.JOU")), QByteArray(kPageRecordSize, '\0'));
    engine_->playPage();
    EXPECT_FALSE(engine_->terminationRequested()) << "an empty page waits";
    EXPECT_TRUE(prompter_.asked().isEmpty()) << prompter_.texts().join('|').toStdString();
}

TEST_F(ProjectOpening, OnlyTheFirstPageWaitsForItsSplit) {
    // Page 3's records come in two runs: the last one is its page.
    ProjectWriter(appHost()).writeSavedProject(QStringLiteral("demo"),
                                               {{1, "Un"}, {2, "Deux"}, {3, "Trois"}},
                                               {{3, makeRecord(4, 1, "old")},
                                                {1, makeRecord(4, 1, "a")},
                                                {2, makeRecord(4, 1, "b")},
                                                {3, makeRecord(4, 1, "c")},
                                                {3, makeRecord(5, 1, "d")}},
                                               settingsLines(640, 480, 2));
    ASSERT_TRUE(start({host("app/demo.ZTV")}));
    const QDir playback(engine_->session().playbackDirectoryHost());
    EXPECT_EQ(playback.entryList({"*.JOU"}), QStringList{"2.JOU"}) << "the start page only";
    engine_->playPage();
    engine_->runAction({ActionKind::GoToPage, QStringLiteral("3"), {}});
    EXPECT_EQ(engine_->currentPage(), 3);
    EXPECT_FALSE(engine_->terminationRequested()) << prompter_.texts().join('|').toStdString();
    QStringList page3;
    for (const ElementRecord& r : readPageRecords(playback.filePath("3.JOU"))) {
        page3.append(r.Fichier);
    }
    EXPECT_EQ(page3, (QStringList{"c", "d"}));
    EXPECT_EQ(playback.entryList({"*.JOU"}), (QStringList{"2.JOU", "3.JOU"}));
}

TEST_F(ProjectOpening, WhatTheUserGaveIsReportedAsGiven) {
    QDir().mkpath(host("x/dirtest"));
    EXPECT_FALSE(start({host("x/dirtest")}));
    EXPECT_EQ(prompter_.texts(),
              QStringList{french(lang::PathIsAFolder) + u' ' + host("x/dirtest")});

    prompter_ = ScriptedPrompter();
    EXPECT_FALSE(start({host("x/nexiste-pas.ZTV")}));
    EXPECT_EQ(prompter_.texts(),
              QStringList{french(lang::FilePrefix) + u' ' + host("x/nexiste-pas.ZTV") + u' ' +
                          french(lang::NotFoundSuffix)});
    EXPECT_TRUE(playbackDirs().isEmpty());
}

TEST_F(ProjectOpening, AProgramWithDataAfterItsImageOpensItAsAPackage) {
    // A copy of a real program with one entry after its ELF image, and no project in it.
    QByteArray program = readBytes(QStringLiteral("/proc/self/exe"));
    ASSERT_FALSE(program.isEmpty());
    appWriter().writeBytes(QStringLiteral("packed"), program + encodeEntry("rlang.asc", "0,x"));
    ScriptedPrompter packed;
    PlayerEnvironment env = environment({}, QStringLiteral("packed"));
    env.prompter = &packed;
    Engine engine(env);
    EXPECT_FALSE(engine.start(appHost()));
    EXPECT_TRUE(engine.project().packedProject);
    EXPECT_TRUE(packed.texts().isEmpty());
    EXPECT_TRUE(playbackDirs().isEmpty());
}

TEST_F(ProjectOpening, ProjectOnACdPlaysFromTheTempFolder) {
    const QString temp = host("tmp");
    writeProject(host("cd"), QStringLiteral("disc"));
    drives_.set(u'D', host("cd"), DriveType::Cd);
    const bool ok = start({QStringLiteral("D:\\disc.ZTV")});
    const QString tempztv = QDir(temp).filePath("tempztv");
    EXPECT_TRUE(ok);
    EXPECT_EQ(engine_->session().toHost(engine_->project().Chemin), tempztv);
    EXPECT_EQ(engine_->session().playbackDirectoryHost(), QDir(tempztv).filePath("base0"));
    EXPECT_TRUE(QFileInfo::exists(QDir(tempztv).filePath("base0/1.JOU")));
    EXPECT_EQ(readBytes(QDir(tempztv).filePath("rlang.asc")), readBytes(host("app/rlang.asc")));
    EXPECT_TRUE(playbackDirs().isEmpty());

    engine_->showEndScreen(nullptr, false);
    EXPECT_FALSE(QFileInfo::exists(QDir(tempztv).filePath("base0")));
    EXPECT_FALSE(QFileInfo::exists(QDir(tempztv).filePath("rlang.asc")));
}

TEST_F(ProjectOpening, ReadOnlyPlayerFolderPlaysFromTheTempFolder) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "every folder is writable for root";
    }
    const QString temp = host("tmp");
    writeProject(appHost(), QStringLiteral("demo"));
    QFile::setPermissions(appHost(), QFile::ReadOwner | QFile::ExeOwner);
    const bool ok = start({}, QStringLiteral("demo"));
    QFile::setPermissions(appHost(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(ok);
    EXPECT_EQ(engine_->session().playbackDirectoryHost(), QDir(temp).filePath("tempztv/base0"));
    engine_.reset();
}

TEST_F(ProjectOpening, LanguageLinesAreReadWhole) {
    const QString longText(400, u'é');
    writeLines(host("app/rlang.asc"), {QStringLiteral("0,") + longText});
    writeProject(appHost(), QStringLiteral("demo"));
    ASSERT_TRUE(start({}, QStringLiteral("demo")));
    EXPECT_EQ(engine_->session().message(0), longText);
}

}  // namespace
}  // namespace ztv::test
