#include "editor/app/PageCommands.h"

#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "editor/app/MainWindow.h"
#include "editor/dialogs/NewPageDialog.h"
#include "editor/document/UndoSnapshot.h"

#include <QComboBox>
#include <QFileInfo>

namespace ztv::editor {

PageCommands::PageCommands(MainWindow& window) : window_(window), state_(window.state()) {}

void PageCommands::bind() {
    window_.setCommandHandler(Command::NewPage, [this] { newPage(); });
    window_.setCommandHandler(Command::ModifyPage, [this] { modifyPage(); });
    window_.setCommandHandler(Command::DeletePage, [this] { deletePage(); });
    window_.setCommandHandler(Command::CopyPage, [this] { copyPage(); });
    window_.setCommandHandler(Command::PastePage, [this] { pastePage(); });
    window_.setCommandEnabled(Command::PastePage, QFileInfo::exists(clipboardPath()));
}

PageBook PageCommands::book() const {
    return PageBook(state_.paths.workingDir());
}

QString PageCommands::clipboardPath() const {
    return state_.paths.data(QStringLiteral("page.cop"));
}

void PageCommands::newPage(bool modifyMode) {
    PageBook pages = book();
    Storyboard& storyboard = window_.storyboard();
    const int current = storyboard.page();
    NewPageDialog dialog(state_, window_.prompter(), pages, current, modifyMode, &window_);
    if (dialog.currentMissing()) {
        return;
    }
    // The page's files may be renamed: the storyboard lets go of them meanwhile.
    storyboard.closePage();
    const int result = runModal(state_, dialog);
    const int page = result == Prompter::Yes ? dialog.page() : current;
    if (result == Prompter::Yes) {
        // The first page of a project begun from the opening state opens the project.
        state_.projectOpen = true;
        window_.setModified(true);
    }
    window_.showPage(page);
}

void PageCommands::modifyPage() {
    if (window_.storyboard().page() == 0) {
        window_.message(lang::NoPageSelected);
        return;
    }
    newPage(true);
}

void PageCommands::deletePage() {
    Storyboard& storyboard = window_.storyboard();
    const int page = storyboard.page();
    if (page == 0) {
        window_.message(lang::NoPageSelected);
        return;
    }
    if (window_.prompter().ask(state_.text(lang::DeletePageQuestion), {},
                               Prompter::Buttons::YesNoCancel) != Prompter::Yes) {
        return;
    }
    window_.setModified(true);
    storyboard.closePage();
    if (const int refusal = book().remove(page)) {
        window_.message(refusal);
    }
    window_.showPage(0);
}

void PageCommands::copyPage() {
    Storyboard& storyboard = window_.storyboard();
    const int page = storyboard.page();
    if (page == 0 || !QFileInfo::exists(storyboard.actPath())) {
        return;
    }
    storyboard.closePage();
    const bool copied = copyFileAtomically(
        storyboard.pageFilePath(storyboard.workingDir(), page, QStringLiteral(".ACT")),
        clipboardPath());
    storyboard.openPage(page);
    if (!copied) {
        window_.message(lang::PageFilesNotWritten);
        return;
    }
    window_.setCommandEnabled(Command::PastePage, true);
}

void PageCommands::pastePage() {
    Storyboard& storyboard = window_.storyboard();
    const int page = storyboard.page();
    // With no page to paste into, the message is all: a new page would stay empty.
    if (page == 0) {
        window_.message(lang::NoCurrentPage);
        return;
    }
    if (!QFileInfo::exists(clipboardPath())) {
        return;
    }
    if (!takeUndoSnapshot(storyboard)) {
        window_.message(lang::PageFilesNotWritten);
        return;
    }
    storyboard.closePage();
    const bool copied = copyFileAtomically(
        clipboardPath(),
        storyboard.pageFilePath(storyboard.workingDir(), page, QStringLiteral(".ACT")));
    window_.switchToPage(page);
    if (!copied) {
        window_.message(lang::PageFilesNotWritten);
        return;
    }
    window_.regeneratePage();
    window_.setCommandEnabled(Command::Undo, true);
}

}  // namespace ztv::editor
