// The preview in the player, its web page, the help pages, the tutorial and the outside tools:
// what the editor starts or opens is read from a recording shell.
#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "editor/app/PreviewLauncher.h"
#include "editor/dialogs/ToolSettingsDialog.h"
#include "editor/widgets/HelpPages.h"
#include "tests/editor/ProjectFixture.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QUrl>

namespace ztv::test {
namespace {

class PreviewAndHelp : public ProjectFixture {
  protected:
    QString player() const { return appDir() + QStringLiteral("/ztvplay"); }
    QString lastText() const {
        return prompter_.asked().isEmpty() ? QString() : prompter_.asked().last().text;
    }
    void writeHelp(const QString& relative) const {
        QDir().mkpath(QFileInfo(appDir() + u'/' + relative).absolutePath());
        ASSERT_TRUE(writeFileAtomically(appDir() + u'/' + relative, "<html></html>"));
    }
    // A record of the current page at the cell, naming a file by its stored path.
    void putCell(int column, int row, const QString& fichier) {
        ElementRecord record;
        record.Ligne = row;
        record.Colonne = column;
        record.Fichier = fichier;
        editor::Storyboard& board = window().storyboard();
        ASSERT_TRUE(board.writeActRecord(std::max<qint64>(board.actRecordCount(), 1), record));
        board.fill();
    }
    // A file in the test folder and its stored path (C: is "/").
    QString storedFile(const QString& name, QString* host) const {
        *host = dir_.path() + u'/' + name;
        EXPECT_TRUE(writeFileAtomically(*host, "x"));
        return state().drives.toWindows(*host).mid(2);
    }
    editor::SessionSettings& state() const { return session_->state; }
};

TEST_F(PreviewAndHelp, TheSecondPreviewClosesTheFirstPlayerAndNamesTheDataFolder) {
    newProjectWithPages({QStringLiteral("Un"), QStringLiteral("Deux")});
    const int page = window().storyboard().page();
    ASSERT_GT(page, 0);
    window().runCommand(editor::Command::Play);
    ASSERT_EQ(shell_->calls.size(), 1);
    EXPECT_EQ(shell_->calls[0].path, player());
    EXPECT_EQ(shell_->calls[0].arguments,
              (QStringList{QStringLiteral("somm"), QString::number(page)}));
    EXPECT_EQ(previewCloseRequests_, 0);

    window().menuItem(QStringLiteral("Excuter1"))->trigger();  // the item runs the same command
    ASSERT_EQ(shell_->calls.size(), 2);
    EXPECT_EQ(previewCloseRequests_, 1);
    EXPECT_EQ(shell_->calls[1].arguments,
              (QStringList{QStringLiteral("somm"), QString::number(page), appDir()}));
}

TEST_F(PreviewAndHelp, WithoutAPagePreviewSaysSoAndStartsNothing) {
    window().runCommand(editor::Command::Play);
    EXPECT_EQ(lastText(), numberedText(lang::NoCurrentPage));
    // Not even after an earlier preview: a player on page 0 would have nothing to play.
    state().previewRunning = true;
    window().runCommand(editor::Command::Play);
    EXPECT_EQ(lastText(), numberedText(lang::NoCurrentPage));
    EXPECT_TRUE(shell_->calls.isEmpty());
    EXPECT_EQ(previewCloseRequests_, 0);
}

TEST_F(PreviewAndHelp, AnInstallationWithItsDataElsewhereNamesTheDataFolderFromTheFirstPreview) {
    state().paths = AppPaths(appDir(), dir_.path() + QStringLiteral("/data"));
    const editor::PreviewLauncher launcher(state(), prompter_);
    EXPECT_EQ(launcher.playerArguments(3, false),
              (QStringList{QStringLiteral("somm"), QStringLiteral("3"),
                           dir_.path() + QStringLiteral("/data")}));
}

TEST_F(PreviewAndHelp, ClosingTheMainWindowClosesARunningPreview) {
    prompter_.answer(Prompter::Yes);
    window().close();
    EXPECT_EQ(previewCloseRequests_, 1);
}

TEST_F(PreviewAndHelp, TheWebPreviewWritesRunHtmAndOpensIt) {
    newProjectWithPages({QStringLiteral("Un")});
    state().projectWidth = 800;
    state().projectHeight = 600;
    const int page = window().storyboard().page();
    window().runCommand(editor::Command::WebPreview);
    const QString run = appDir() + QStringLiteral("/run.htm");
    QFile file(run);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.endsWith("</HTML>\r\n"));
    const QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 15);  // 14 lines, each ended
    EXPECT_EQ(lines[0], QStringLiteral("<HTML>"));
    EXPECT_EQ(lines[1], numberedText(764) + QStringLiteral("<a href=\"") + appDir() +
                            QStringLiteral("/aide/zentrovale/application.html\">") +
                            numberedText(765) + QStringLiteral("</a><br>"));
    EXPECT_EQ(lines[3], QStringLiteral("classid=\"clsid:5D2157C5-9AFC-11D5-B922-0050BA3F1ADA\""));
    EXPECT_EQ(lines[4], QStringLiteral("codebase=\"actztv.ocx#version=2,0,0,0\""));
    EXPECT_EQ(lines[5], QStringLiteral("width=800"));
    EXPECT_EQ(lines[6], QStringLiteral("height=600"));
    EXPECT_EQ(lines[10], QStringLiteral(">"));
    EXPECT_EQ(
        lines[11],
        QStringLiteral("<PARAM NAME=\"Caption\" VALUE=\"somm %1$%2\">").arg(page).arg(appDir()));
    EXPECT_EQ(lines[13], QStringLiteral("</HTML>"));
    ASSERT_EQ(shell_->addresses.size(), 1);
    EXPECT_EQ(QUrl(shell_->addresses[0]).toLocalFile(), run);
}

TEST_F(PreviewAndHelp, HelpPagesComeFromTheLanguagesFolderAndAMissingOneSaysSo) {
    writeHelp(QStringLiteral("aide/zentrovale/demarrage.html"));
    window().runCommand(editor::Command::Help);
    ASSERT_EQ(shell_->addresses.size(), 1);
    EXPECT_EQ(QUrl(shell_->addresses[0]).toLocalFile(),
              appDir() + QStringLiteral("/aide/zentrovale/demarrage.html"));

    window().runCommand(editor::Command::Questions);
    EXPECT_EQ(shell_->addresses.size(), 1);
    EXPECT_EQ(lastText(), numberedText(lang::HelpPageMissing) + u' ' + appDir() +
                              QStringLiteral("/aide/zentrovale/questions.html"));

    state().languageName = QStringLiteral("ENGLISH");
    EXPECT_EQ(editor::helpPagePath(state(), editor::startHelp()),
              appDir() + QStringLiteral("/help/zentrovale/start.html"));
    writeHelp(QStringLiteral("help/zentrovale/project.html"));
    ASSERT_TRUE(editor::openHelpPage(
        state(), prompter_,
        {QStringLiteral("projet.html#externe"), QStringLiteral("project.html#externe")}));
    const QUrl opened(shell_->addresses.last());
    EXPECT_EQ(opened.toLocalFile(), appDir() + QStringLiteral("/help/zentrovale/project.html"));
    EXPECT_EQ(opened.fragment(), QStringLiteral("externe"));

    writeHelp(QStringLiteral("help/zentrovale/start.html"));
    shell_->succeeds = false;
    EXPECT_FALSE(editor::openHelpPage(state(), prompter_, editor::startHelp()));
    EXPECT_EQ(lastText(), numberedText(lang::NoBrowser));
}

TEST_F(PreviewAndHelp, TheDialogsHelpButtonOpensTheirPage) {
    writeHelp(QStringLiteral("aide/zentrovale/projet.html"));
    onDialog([](QDialog& d) {
        auto* help = d.findChild<QPushButton*>(QStringLiteral("BitBtn5"));
        ASSERT_TRUE(help);
        EXPECT_TRUE(help->isEnabled());
        help->click();
    });
    window().runCommand(editor::Command::ToolSettings);
    ASSERT_EQ(shell_->addresses.size(), 1);
    EXPECT_TRUE(
        shell_->addresses[0].endsWith(QStringLiteral("/aide/zentrovale/projet.html#externe")));
}

TEST_F(PreviewAndHelp, TheTutorialIsLookedForOnTheDrives) {
    window().runCommand(editor::Command::Tutorial);
    EXPECT_EQ(lastText(), numberedText(lang::FileNotOnAnyDrive));
    EXPECT_TRUE(shell_->calls.isEmpty());

    const QString cd = dir_.path() + QStringLiteral("/cd");
    QDir().mkpath(cd + QStringLiteral("/tutor"));
    ASSERT_TRUE(writeFileAtomically(cd + QStringLiteral("/tutor/tutor"), "#!/bin/sh\n"));
    state().drives.set(QLatin1Char('D'), cd, DriveType::Cd);
    window().runCommand(editor::Command::Tutorial);
    ASSERT_EQ(shell_->calls.size(), 1);
    EXPECT_EQ(shell_->calls[0].path, cd + QStringLiteral("/tutor/tutor"));
    EXPECT_TRUE(shell_->calls[0].arguments.isEmpty());
}

TEST_F(PreviewAndHelp, OutsideToolsGetTheCellsMediaOnlyWhereTheRowSuitsThem) {
    newProjectWithPages({QStringLiteral("Un")});
    QString picture;
    putCell(1, 5, storedFile(QStringLiteral("photo.jpg"), &picture));
    QString sound;
    putCell(2, 1, storedFile(QStringLiteral("chant.wav"), &sound));
    putCell(3, 30, QStringLiteral("Bonjour"));
    for (int line : {0, 1, 2, 13}) {
        state().settings.setLine(line, QStringLiteral("/opt/tool%1").arg(line));
    }
    window().storyboard().setCurrentCell(1, 5);
    window().runCommand(editor::Command::DrawPicture);
    window().runCommand(editor::Command::Scanner);  // never given a file
    window().runCommand(editor::Command::OpenMedia);
    window().storyboard().setCurrentCell(3, 30);
    window().runCommand(editor::Command::DrawPicture);  // a text cell: no argument
    window().storyboard().setCurrentCell(2, 1);
    window().runCommand(editor::Command::OpenMedia);  // the sound row: the recorder
    window().storyboard().setCurrentCell(4, 5);
    window().runCommand(editor::Command::DrawPicture);  // an empty cell

    ASSERT_EQ(shell_->calls.size(), 6);
    const QStringList none;
    EXPECT_EQ(shell_->calls[0].path, QStringLiteral("/opt/tool0"));
    EXPECT_EQ(shell_->calls[0].arguments, QStringList{picture});
    EXPECT_EQ(shell_->calls[1].path, QStringLiteral("/opt/tool1"));
    EXPECT_EQ(shell_->calls[1].arguments, none);
    EXPECT_EQ(shell_->calls[2].path, QStringLiteral("/opt/tool0"));
    EXPECT_EQ(shell_->calls[2].arguments, QStringList{picture});
    EXPECT_EQ(shell_->calls[3].arguments, none);
    EXPECT_EQ(shell_->calls[4].path, QStringLiteral("/opt/tool2"));
    EXPECT_EQ(shell_->calls[4].arguments, QStringList{sound});
    EXPECT_EQ(shell_->calls[5].arguments, none);
}

TEST_F(PreviewAndHelp, AToolNotSetUpOpensTheSettingsFirst) {
    // Left unset in the settings dialog: nothing starts.
    window().runCommand(editor::Command::ViewVideo);
    EXPECT_EQ(dialogsShown, QStringList{QStringLiteral("Form26")});
    EXPECT_TRUE(shell_->calls.isEmpty());

    prompter_.choosePath(QStringLiteral("/opt/viewer"));
    onDialog([](QDialog& d) {
        static_cast<editor::ToolSettingsDialog&>(d).browseTool(editor::VideoViewerLine);
    });
    window().runCommand(editor::Command::ViewVideo);
    ASSERT_EQ(shell_->calls.size(), 1);
    EXPECT_EQ(shell_->calls[0].path, QStringLiteral("/opt/viewer"));
}

TEST_F(PreviewAndHelp, AProgramPathTheSettingsCannotStoreIsRefused) {
    prompter_.choosePath(QStringLiteral("/opt/日本/viewer"));
    onDialog([](QDialog& d) {
        static_cast<editor::ToolSettingsDialog&>(d).browseTool(editor::VideoViewerLine);
    });
    window().runCommand(editor::Command::ToolSettings);
    ASSERT_FALSE(prompter_.texts().isEmpty());
    EXPECT_EQ(prompter_.texts().last(), numberedText(lang::UnstorableCharacter) +
                                            QStringLiteral(" 日 (U+65E5)\n/opt/日本/viewer"));
    EXPECT_EQ(state().settings.line(editor::VideoViewerLine), QStringLiteral("$"));
}

}  // namespace
}  // namespace ztv::test
