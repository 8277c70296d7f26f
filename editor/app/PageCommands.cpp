#include "editor/app/PageCommands.h"

#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "editor/app/EditorView.h"
#include "editor/app/LineMessage.h"
#include "editor/dialogs/NewPageDialog.h"
#include "editor/document/ProjectDocument.h"
#include "editor/document/UndoSnapshot.h"

#include <QFileInfo>

namespace ztv::editor {

PageCommands::PageCommands(ProjectDocument& document, Prompter& prompter, EditorView& view)
    : document_(document), state_(document.state()), prompter_(prompter), view_(view) {}

PageBook PageCommands::book() const {
    return PageBook(state_.paths.workingDir());
}

void PageCommands::newPage(bool modifyMode) {
    PageBook pages = book();
    Storyboard& storyboard = document_.storyboard();
    const int current = storyboard.page();
    NewPageDialog dialog(state_, prompter_, pages, current, modifyMode, view_.dialogParent());
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
        document_.setModified(true);
    }
    document_.showPage(page);
}

void PageCommands::modifyPage() {
    if (document_.storyboard().page() == 0) {
        showLine(prompter_, state_.language, lang::NoPageSelected);
        return;
    }
    newPage(true);
}

void PageCommands::deletePage() {
    Storyboard& storyboard = document_.storyboard();
    const int page = storyboard.page();
    if (page == 0) {
        showLine(prompter_, state_.language, lang::NoPageSelected);
        return;
    }
    if (prompter_.ask(state_.text(lang::DeletePageQuestion), {}, Prompter::Buttons::YesNoCancel) !=
        Prompter::Yes) {
        return;
    }
    document_.setModified(true);
    storyboard.closePage();
    if (const int refusal = book().remove(page)) {
        showLine(prompter_, state_.language, refusal);
    }
    document_.showPage(0);
}

void PageCommands::copyPage() {
    Storyboard& storyboard = document_.storyboard();
    const int page = storyboard.page();
    if (page == 0 || !QFileInfo::exists(storyboard.actPath())) {
        return;
    }
    storyboard.closePage();
    const bool copied = copyFileAtomically(
        storyboard.pageFilePath(storyboard.workingDir(), page, QStringLiteral(".ACT")),
        document_.pageClipboardPath());
    storyboard.openPage(page);
    if (!copied) {
        showLine(prompter_, state_.language, lang::PageFilesNotWritten);
        return;
    }
    document_.notifyPageCopied();
}

void PageCommands::pastePage() {
    Storyboard& storyboard = document_.storyboard();
    const int page = storyboard.page();
    // With no page to paste into, the message is all: a new page would stay empty.
    if (page == 0) {
        showLine(prompter_, state_.language, lang::NoCurrentPage);
        return;
    }
    if (!QFileInfo::exists(document_.pageClipboardPath())) {
        return;
    }
    if (!takeUndoSnapshot(storyboard)) {
        showLine(prompter_, state_.language, lang::PageFilesNotWritten);
        return;
    }
    storyboard.closePage();
    const bool copied = copyFileAtomically(
        document_.pageClipboardPath(),
        storyboard.pageFilePath(storyboard.workingDir(), page, QStringLiteral(".ACT")));
    document_.switchToPage(page);
    if (!copied) {
        showLine(prompter_, state_.language, lang::PageFilesNotWritten);
        return;
    }
    document_.regenerate();
    document_.setUndoAvailable(true);
}

}  // namespace ztv::editor
