#include "common/formats/NumberedLines.h"
#include "common/media/GstMediaService.h"
#include "common/platform/FileIo.h"
#include "editor/app/RunningEditor.h"
#include "editor/document/WorkingCopy.h"
#include "tests/editor/EditorFixture.h"
#include "tests/support/ProjectWriter.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

namespace ztv::test {
namespace {

using editor::EditorSession;

class StartupTest : public EditorFixture {};

TEST_F(StartupTest, SecondInstanceIsRefusedWithItsMessage) {
    auto first = start();
    ASSERT_TRUE(first);
    prompter_ = ScriptedPrompter();
    // A start whose session has another runtime folder still finds the working copy taken.
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QByteArray ownRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    EXPECT_FALSE(start());
    qputenv("XDG_RUNTIME_DIR", ownRuntime);
    ASSERT_EQ(prompter_.asked().size(), 1);
    EXPECT_EQ(prompter_.asked()[0].text,
              QStringLiteral("Zentrovale is already running ! (display :1)"));
    first.reset();
    EXPECT_TRUE(start()) << "the lock goes with the first instance";
}

TEST(DisplayName, OneDisplayHasOneNameHoweverItsVariableIsWritten) {
    const QByteArray x = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    const QList<std::pair<const char*, const char*>> cases = {
        {":0", ":0"}, {":0.1", ":0"}, {"unix:0", ":0"}, {"localhost:10.0", "localhost:10"}};
    for (const auto& [variable, name] : cases) {
        qputenv("DISPLAY", variable);
        EXPECT_EQ(editor::currentDisplayName(), QLatin1String(name)) << variable;
    }
    qputenv("WAYLAND_DISPLAY", "wayland-1");
    EXPECT_EQ(editor::currentDisplayName(), QStringLiteral("wayland-1"));
    qputenv("DISPLAY", x);
    qputenv("WAYLAND_DISPLAY", wayland);
    if (wayland.isEmpty()) {
        qunsetenv("WAYLAND_DISPLAY");
    }
}

TEST_F(StartupTest, QtsOwnWordsAndDatesFollowTheLanguageFile) {
    ASSERT_TRUE(QFile::copy(appDir() + QStringLiteral("/lang/FRENCH.asc"),
                            appDir() + QStringLiteral("/lang/ENGLISH.asc")));
    const QFileInfo folder(dir_.path());
    const QDate day(2026, 12, 10);
    const QString systemDay = QLocale().toString(day, QLocale::ShortFormat);
    struct Case {
        const char* language;
        const char* folderWord;
        const char* date;
    };
    for (const Case& c :
         {Case{"FRENCH", "Dossier", "10/12/2026"}, Case{"ENGLISH", "Folder", "12/10/26"}}) {
        QStringList settings(15, QStringLiteral("$"));
        settings[14] = QLatin1String(c.language);
        writeSettings(settings);
        auto session = start();
        ASSERT_TRUE(session);
        EXPECT_EQ(QFileIconProvider().type(folder), QLatin1String(c.folderWord)) << c.language;
        EXPECT_EQ(QLocale().toString(day, QLocale::ShortFormat), QLatin1String(c.date))
            << c.language;
    }
    EXPECT_EQ(QLocale().toString(day, QLocale::ShortFormat), systemDay)
        << "the end of the editor gives the locale back";
}

TEST_F(StartupTest, TheEditorMakesOneMediaServiceThatTestsHearNothingFrom) {
    editor::StartOptions own = options();
    own.media = nullptr;
    auto session = editor::startEditor(own);
    ASSERT_TRUE(session);
    const auto* service = dynamic_cast<const GstMediaService*>(session->state.media.get());
    ASSERT_TRUE(service) << "the dialogs and the position editor play through GStreamer";
    EXPECT_EQ(service->audioOutput(), GstMediaService::AudioOutput::Fake);
}

TEST_F(StartupTest, DollarLanguageMeansFrenchAndIsWrittenBackAtClose) {
    auto session = start();
    ASSERT_TRUE(session);
    EXPECT_EQ(session->state.languageName, QStringLiteral("FRENCH"));
    EXPECT_EQ(session->state.settings.line(14), QStringLiteral("FRENCH"));
    EXPECT_EQ(session->window->windowTitle(), numberedText(150));

    prompter_.answer(Prompter::Yes);  // really quit
    EXPECT_TRUE(session->window->close());
    NumberedLines saved;
    ASSERT_TRUE(saved.load(appDir() + QStringLiteral("/zentrovale.ini")));
    EXPECT_EQ(saved.line(14), QStringLiteral("FRENCH"));
}

TEST_F(StartupTest, SettingsFileIsSeededFromTheTemplateInTheDataFolder) {
    const QString data = dir_.path() + QStringLiteral("/data");
    QDir().mkpath(data);
    writeSettings({QStringLiteral("$"), QStringLiteral("$")});  // a short template
    auto opts = options();
    opts.paths = AppPaths(appDir(), data);
    auto session = editor::startEditor(opts);
    ASSERT_TRUE(session);
    EXPECT_TRUE(QFileInfo::exists(data + QStringLiteral("/zentrovale.ini")));
    EXPECT_GE(session->state.settings.count(), 15);
    EXPECT_TRUE(QFileInfo(data + QStringLiteral("/base")).isDir());
}

TEST_F(StartupTest, MissingLanguageFileEndsTheProgramAfterItsMessage) {
    QStringList settings(15, QStringLiteral("$"));
    settings[14] = QStringLiteral("KLINGON");
    writeSettings(settings);
    EXPECT_FALSE(start());
    ASSERT_EQ(prompter_.asked().size(), 1);
    EXPECT_EQ(prompter_.asked()[0].text, QStringLiteral("Fichier traduction introuvable."));
}

class WorkingCopyTest : public EditorFixture {
  protected:
    void leaveCrashedWork() {
        QDir().mkpath(workingDir());
        ProjectWriter writer(workingDir());
        writer.writePageTable({{1, QStringLiteral("Accueil")}});
        writer.writePageFile(1, {makeRecord(5, 2, QStringLiteral("\\img\\chat.jpg"))}, ".ACT");
    }
};

TEST_F(WorkingCopyTest, CrashedWorkIsRecoveredWhenTheUserSaysYes) {
    leaveCrashedWork();
    prompter_.answer(Prompter::Yes);
    auto session = start();
    ASSERT_TRUE(session);
    ASSERT_EQ(prompter_.asked().size(), 1);
    EXPECT_EQ(prompter_.asked()[0].text, numberedText(826));
    EXPECT_EQ(prompter_.asked()[0].buttons, Prompter::Buttons::YesNo);
    EXPECT_EQ(session->window->storyboard().page(), 1);
    EXPECT_EQ(session->window->storyboard().cellText(2, 5), QStringLiteral("chat.jpg"));
    EXPECT_TRUE(session->state.modified) << "closing must offer to save the recovered work";
}

TEST_F(WorkingCopyTest, CrashedWorkIsEmptiedWhenTheUserSaysNo) {
    leaveCrashedWork();
    prompter_.answer(Prompter::No);
    auto session = start();
    ASSERT_TRUE(session);
    EXPECT_EQ(session->window->storyboard().page(), 0);
    EXPECT_FALSE(QFileInfo::exists(workingDir() + QStringLiteral("/1.ACT")));
}

TEST_F(WorkingCopyTest, AnEmptyWorkingCopyIsClearedWithoutAQuestion) {
    QDir().mkpath(workingDir());
    ProjectWriter(workingDir()).writeBytes(QStringLiteral("3.JOU"), QByteArray(1232, '\0'));
    auto session = start();
    ASSERT_TRUE(session);
    EXPECT_TRUE(prompter_.asked().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(workingDir() + QStringLiteral("/3.JOU")));
}

TEST_F(WorkingCopyTest, EmptyingTouchesOnlyRegularFilesDirectlyInside) {
    QDir().mkpath(workingDir() + QStringLiteral("/keep"));
    const QString outside = dir_.path() + QStringLiteral("/precious.txt");
    ProjectWriter(dir_.path()).writeBytes(QStringLiteral("precious.txt"), "data");
    ProjectWriter(workingDir() + QStringLiteral("/keep")).writeBytes(QStringLiteral("a"), "a");
    ProjectWriter writer(workingDir());
    writer.writeBytes(QStringLiteral("1.ACT"), "x");
    QFile readOnly(writer.writeBytes(QStringLiteral("MOTS.PMG"), "x"));
    readOnly.setPermissions(QFileDevice::ReadOwner);
    ASSERT_TRUE(QFile::link(outside, workingDir() + QStringLiteral("/link.txt")));

    EXPECT_TRUE(editor::workingcopy::empty(workingDir()));
    EXPECT_EQ(QDir(workingDir()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{QStringLiteral("link.txt")});
    EXPECT_TRUE(QFileInfo::exists(workingDir() + QStringLiteral("/keep/a")));
    EXPECT_EQ(readBytes(outside), QByteArray("data"));
}

TEST_F(StartupTest, CommandLineArgumentsJoinedWithBlanksOpenTheProject) {
    const QString folder = dir_.path() + QStringLiteral("/my projects");
    QDir().mkpath(folder);
    ProjectWriter writer(folder);
    const QString pzv = writer.writeSavedProject(
        QStringLiteral("demo"), {{2, QStringLiteral("Deux")}, {1, QStringLiteral("Un")}},
        {{2, makeRecord(45, 1, QStringLiteral("Bonjour, monde"))},
         {1, makeRecord(5, 3, QStringLiteral("\\img\\lune.jpg"))}});
    auto session = start(pzv.split(QLatin1Char(' ')));
    ASSERT_TRUE(session);
    auto& window = *session->window;
    EXPECT_EQ(window.pageCombo().count(), 2);
    EXPECT_EQ(window.pageCombo().itemText(0), QStringLiteral("2  Deux"));
    EXPECT_EQ(window.storyboard().page(), 2);
    EXPECT_EQ(window.storyboard().cellText(1, 45), QStringLiteral("Bonjour, monde"));
    EXPECT_TRUE(QFileInfo::exists(workingDir() + QStringLiteral("/1.ACT")));
    EXPECT_TRUE(QFileInfo::exists(workingDir() + QStringLiteral("/1.JOU")));
    EXPECT_EQ(window.windowTitle(), numberedText(150) + QStringLiteral("  ") + pzv);
    EXPECT_EQ(session->state.settings.line(6), pzv);
    EXPECT_FALSE(session->state.modified);

    window.pageCombo().setCurrentIndex(1);
    emit window.pageCombo().activated(1);
    EXPECT_EQ(window.storyboard().page(), 1);
    EXPECT_EQ(window.storyboard().cellText(3, 5), QStringLiteral("lune.jpg"));
    EXPECT_TRUE(window.storyboard().cellText(1, 45).isEmpty());
}

}  // namespace
}  // namespace ztv::test
