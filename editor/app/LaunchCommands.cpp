#include "editor/app/LaunchCommands.h"

#include "common/formats/LangLines.h"
#include "editor/app/AboutBox.h"
#include "editor/app/IntroScreen.h"
#include "editor/app/MainWindow.h"
#include "editor/app/WindowHookup.h"
#include "editor/dialogs/WelcomeDialog.h"
#include "editor/document/MediaLookup.h"
#include "editor/widgets/HelpPages.h"

#include <QFileInfo>

namespace ztv::editor {

namespace {

// The tutorial program on a drive; programs carry no extension here.
const QString kTutorial = QStringLiteral("\\tutor\\tutor");

}  // namespace

LaunchCommands::LaunchCommands(MainWindow& window)
    : window_(window), preview_(window.state(), window.prompter()), tools_(window) {}

void LaunchCommands::bind() {
    SessionSettings& state = window_.state();
    Prompter& prompter = window_.prompter();
    window_.setCommandHandler(Command::Play, [this] {
        preview_.preview(window_.storyboard().page());
        window_.focusVisibleView();
    });
    window_.setCommandHandler(Command::WebPreview, [this] {
        preview_.webPreview(window_.storyboard().page());
        window_.focusVisibleView();
    });
    window_.setCommandHandler(Command::Help, [this, &state, &prompter] {
        openHelpPage(state, prompter, startHelp());
        window_.focusVisibleView();
    });
    window_.setCommandHandler(Command::Questions, [&state, &prompter] {
        openHelpPage(state, prompter, questionsHelp());
    });
    window_.setCommandHandler(Command::Tutorial, [this] { startTutorial(); });
    window_.setCommandHandler(Command::About, [this] { showAbout(); });
    const QString pad = state.paths.asset(QStringLiteral("pad_file.xml"));
    // Like the other documents of the Help menu, the item shows only what is installed.
    if (QFileInfo::exists(pad)) {
        window_.setCommandHandler(
            Command::PadFile, [&state, &prompter, pad] { openInBrowser(state, prompter, pad); });
    }
    bindTool(Command::Scanner, OutsideTool::Scanner);
    bindTool(Command::EditVideo, OutsideTool::VideoEditor);
    bindTool(Command::DrawPicture, OutsideTool::PictureEditor);
    bindTool(Command::ViewVideo, OutsideTool::VideoViewer);
    bindTool(Command::RecordSound, OutsideTool::SoundRecorder);
    bindTool(Command::TextEditor, OutsideTool::TextEditor);
    window_.setCommandHandler(Command::OpenMedia, [this] {
        tools_.start(toolForRow(window_.storyboard().currentRow()));
    });
}

void LaunchCommands::bindTool(Command command, OutsideTool tool) {
    window_.setCommandHandler(command, [this, tool] { tools_.start(tool); });
}

void LaunchCommands::showStartScreens() {
    const SessionSettings& state = window_.state();
    if (!state.commandLine.isEmpty()) {
        return;
    }
    if (state.settings.line(IntroLine) == QStringLiteral("O")) {
        showIntro();
    }
    showWelcome();
}

void LaunchCommands::showIntro() {
    SessionSettings& state = window_.state();
    IntroScreen intro(state.paths.asset(QStringLiteral("logo.jpg")), &window_);
    state.introShown = true;
    runModal(state, intro);
}

void LaunchCommands::showWelcome() {
    WelcomeDialog dialog(
        windowServices(window_), [this] { startTutorial(); }, &window_);
    if (runModal(window_.state(), dialog) == WelcomeDialog::QuitResult) {
        window_.quit();
    }
}

void LaunchCommands::startTutorial() {
    SessionSettings& state = window_.state();
    const QString program = findMediaHost(state, kTutorial);
    if (program.isEmpty()) {
        window_.message(lang::FileNotOnAnyDrive);
        return;
    }
    startProgram(state, window_.prompter(), program, {}, QFileInfo(program).absolutePath());
}

void LaunchCommands::showAbout() {
    AboutBox about(window_.state(), &window_);
    runModal(window_.state(), about);
}

}  // namespace ztv::editor
