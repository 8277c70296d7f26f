#include "editor/app/LaunchCommands.h"

#include "common/formats/LangLines.h"
#include "editor/app/AboutBox.h"
#include "editor/app/HelpPages.h"
#include "editor/app/IntroScreen.h"
#include "editor/app/TSommaire.h"
#include "editor/dialogs/MediaLookup.h"
#include "editor/dialogs/WelcomeDialog.h"

#include <QFileInfo>

namespace ztv::editor {

namespace {

// The tutorial program on a drive; programs carry no extension here.
const QString kTutorial = QStringLiteral("\\tutor\\tutor");

}  // namespace

LaunchCommands::LaunchCommands(TSommaire& window)
    : window_(window), preview_(window.state(), window.prompter()), tools_(window) {}

void LaunchCommands::bind() {
    EditorState& state = window_.state();
    Prompter& prompter = window_.prompter();
    window_.setCommandHandler(QStringLiteral("BJouer"), [this] {
        preview_.preview(window_.storyboard().page());
        window_.focusVisibleView();
    });
    window_.setCommandHandler(QStringLiteral("BJouer2"), [this] {
        preview_.webPreview(window_.storyboard().page());
        window_.focusVisibleView();
    });
    window_.setCommandHandler(QStringLiteral("Baide"), [this, &state, &prompter] {
        openHelpPage(state, prompter, startHelp());
        window_.focusVisibleView();
    });
    window_.setCommandHandler(QStringLiteral("BQuestion"), [&state, &prompter] {
        openHelpPage(state, prompter, questionsHelp());
    });
    window_.setCommandHandler(QStringLiteral("Tutorial1"), [this] { startTutorial(); });
    window_.setCommandHandler(QStringLiteral("Aproposde1"), [this] { showAbout(); });
    const QString pad = state.paths.asset(QStringLiteral("pad_file.xml"));
    // Like the other documents of the Help menu, the item shows only what is installed.
    if (QFileInfo::exists(pad)) {
        window_.setCommandHandler(QStringLiteral("Fichierpad1"), [&state, &prompter, pad] {
            openInBrowser(state, prompter, pad);
        });
    }
    bindTool("Scanner1", OutsideTool::Scanner);
    bindTool("Son1", OutsideTool::VideoEditor);
    bindTool("Dessiner1", OutsideTool::PictureEditor);
    bindTool("Vido1", OutsideTool::VideoViewer);
    bindTool("EnregistrerSon1", OutsideTool::SoundRecorder);
    bindTool("Editeurdetexte1", OutsideTool::TextEditor);
    window_.setCommandHandler(QStringLiteral("OuvrirMedia1"), [this] {
        tools_.start(toolForRow(window_.storyboard().currentRow()));
    });
}

void LaunchCommands::bindTool(const char* command, OutsideTool tool) {
    window_.setCommandHandler(QLatin1String(command), [this, tool] { tools_.start(tool); });
}

void LaunchCommands::showStartScreens() {
    const EditorState& state = window_.state();
    if (!state.commandLine.isEmpty()) {
        return;
    }
    if (state.settings.line(IntroLine) == QStringLiteral("O")) {
        showIntro();
    }
    showWelcome();
}

void LaunchCommands::showIntro() {
    EditorState& state = window_.state();
    Tformintro intro(state.paths.asset(QStringLiteral("logo.jpg")), &window_);
    state.introShown = true;
    runModal(state, intro);
}

void LaunchCommands::showWelcome() {
    WelcomeDialog dialog(
        window_, [this] { startTutorial(); }, &window_);
    if (runModal(window_.state(), dialog) == WelcomeDialog::QuitResult) {
        window_.quit();
    }
}

void LaunchCommands::startTutorial() {
    EditorState& state = window_.state();
    const QString program = findMediaHost(state, kTutorial);
    if (program.isEmpty()) {
        window_.message(lang::FileNotOnAnyDrive);
        return;
    }
    startProgram(state, window_.prompter(), program, {}, QFileInfo(program).absolutePath());
}

void LaunchCommands::showAbout() {
    TAboutBox about(window_.state(), &window_);
    runModal(window_.state(), about);
}

}  // namespace ztv::editor
