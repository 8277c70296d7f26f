#include "editor/app/LaunchCommands.h"

#include "common/formats/LangLines.h"
#include "editor/app/AboutBox.h"
#include "editor/app/EditorView.h"
#include "editor/app/LineMessage.h"
#include "editor/document/MediaLookup.h"
#include "editor/document/ProjectDocument.h"
#include "editor/widgets/HelpPages.h"
#include "editor/widgets/TiledDialog.h"

#include <QFileInfo>

namespace ztv::editor {

namespace {

// The tutorial program on a drive; programs carry no extension here.
const QString kTutorial = QStringLiteral("\\tutor\\tutor");

}  // namespace

LaunchCommands::LaunchCommands(ProjectDocument& document, Prompter& prompter, EditorView& view,
                               std::function<void()> setUpTools)
    : document_(document),
      state_(document.state()),
      prompter_(prompter),
      view_(view),
      preview_(state_, prompter),
      tools_(document, prompter, view, std::move(setUpTools)) {}

void LaunchCommands::play() {
    preview_.preview(document_.page());
    view_.focusVisibleView();
}

void LaunchCommands::webPreview() {
    preview_.webPreview(document_.page());
    view_.focusVisibleView();
}

void LaunchCommands::help() {
    openHelpPage(state_, prompter_, startHelp());
    view_.focusVisibleView();
}

void LaunchCommands::questions() {
    openHelpPage(state_, prompter_, questionsHelp());
}

QString LaunchCommands::padFile() const {
    const QString pad = state_.paths.asset(QStringLiteral("pad_file.xml"));
    return QFileInfo::exists(pad) ? pad : QString();
}

void LaunchCommands::openPadFile() {
    openInBrowser(state_, prompter_, padFile());
}

void LaunchCommands::startTutorial() {
    const QString program = findMediaHost(state_, kTutorial);
    if (program.isEmpty()) {
        showLine(prompter_, state_.language, lang::FileNotOnAnyDrive);
        return;
    }
    startProgram(state_, prompter_, program, {}, QFileInfo(program).absolutePath());
}

void LaunchCommands::showAbout() {
    AboutBox about(state_, view_.dialogParent());
    runModal(state_, about);
}

void LaunchCommands::openMedia() {
    tools_.start(toolForRow(document_.storyboard().currentRow()));
}

}  // namespace ztv::editor
