#include "editor/document/ProjectDocument.h"

#include "editor/document/PageBook.h"
#include "editor/document/RecentProjects.h"
#include "editor/document/WorkingCopy.h"
#include "editor/document/WorkingCopyOwner.h"

#include <QFileInfo>
#include <algorithm>

namespace ztv::editor {

ProjectDocument::ProjectDocument(SessionSettings& state, QObject* parent)
    : QObject(parent),
      state_(state),
      storyboard_(state.paths.workingDir()),
      clipboard_(storyboard_, state.language) {}

void ProjectDocument::setModified(bool modified) {
    state_.modified = modified;
    const WorkingCopyOwner owner{state_.isUntitled() ? QString() : state_.projectName, modified};
    if (!WorkingCopyOwner::write(state_.paths.workingCopyOwner(), owner)) {
        qWarning("%s not written", qPrintable(state_.paths.workingCopyOwner()));
    }
    emit modifiedChanged(modified);
}

void ProjectDocument::setPath(const Path& path) {
    state_.projectName = path.name;
    state_.projectDir = path.dir;
    state_.projectBase = path.base;
    emit projectNameChanged(path.name);
}

void ProjectDocument::setSavedPath(const QString& projectHost) {
    const QFileInfo info(canonicalProjectPath(projectHost));
    setPath({info.filePath(), info.absolutePath(),
             info.absolutePath() + QLatin1Char('/') + info.completeBaseName()});
}

void ProjectDocument::setUntitled() {
    setPath(
        {state_.text(lang::UntitledProject), state_.paths.dataDir(), state_.paths.workingDir()});
}

QList<PageEntry> ProjectDocument::livePages() const {
    return PageBook(state_.paths.workingDir()).livePages();
}

void ProjectDocument::openPageTable() {
    const QString path = workingcopy::pageTablePath(state_.paths.workingDir());
    if (!QFileInfo::exists(path)) {
        pagetable::write(path, {});
    }
    const auto pages = pagetable::readAll(path);
    if (pages && !pages->isEmpty()) {
        state_.projectOpen = true;
    }
    emit pagesChanged();
}

void ProjectDocument::showPage(int page) {
    storyboard_.closePage();
    storyboard_.clearCells();
    const QList<PageEntry> pages = livePages();
    int shown = 0;
    if (page > 0) {
        shown = std::any_of(pages.begin(), pages.end(),
                            [page](const PageEntry& entry) { return entry.number == page; })
                    ? page
                    : 0;
    } else if (!pages.isEmpty()) {
        shown = pages.first().number;
    }
    emit pagesChanged();
    switchToPage(shown);
}

void ProjectDocument::switchToPage(int page) {
    storyboard_.clearCells();
    storyboard_.setCurrentCell(0, 0);
    if (page > 0 && !storyboard_.openPage(page)) {
        emit problem(lang::PageFileMissing);
    }
    setUndoAvailable(false);
    emit currentPageChanged(storyboard_.page());
    emit cellsChanged();
}

void ProjectDocument::setCurrentCell(int column, int row) {
    storyboard_.setCurrentCell(column, row);
    emit currentCellChanged(column, row);
}

bool ProjectDocument::regenerate() {
    setModified(true);
    QString error;
    const bool ok = storyboard_.regenerate(&error);
    if (!ok) {
        emit problem(lang::PageFilesNotWritten);
    }
    emit cellsChanged();
    return ok;
}

void ProjectDocument::applyEdit(const EditResult& result) {
    if (result.changed) {
        setModified(true);
        setUndoAvailable(true);
        emit cellsChanged();
    }
    emit clipboardChanged();
}

EditResult ProjectDocument::undo() {
    const EditResult result = clipboard_.undo();
    setUndoAvailable(false);
    if (result.changed) {
        setModified(true);
        emit cellsChanged();
    }
    return result;
}

void ProjectDocument::setUndoAvailable(bool available) {
    undoAvailable_ = available;
    emit undoAvailableChanged(available);
}

QString ProjectDocument::pageClipboardPath() const {
    return state_.paths.data(QStringLiteral("page.cop"));
}

bool ProjectDocument::hasPageCopy() const {
    return QFileInfo::exists(pageClipboardPath());
}

void ProjectDocument::notifyPageCopied() {
    emit clipboardChanged();
}

void ProjectDocument::notifyCellsChanged() {
    emit cellsChanged();
}

void ProjectDocument::rememberRecent(const QString& projectPath) {
    updateRecentList(state_.settings, projectPath);
    emit recentProjectsChanged();
}

void ProjectDocument::forgetRecent(const QString& projectPath) {
    state_.settings.setLine(state_.settings.lines().indexOf(projectPath), QStringLiteral("$"));
    emit recentProjectsChanged();
}

void ProjectDocument::saveEditorSettings() {
    QString error;
    if (!state_.settings.save(state_.paths.editorSettings(), &error)) {
        qWarning("zentrovale.ini not saved: %s", qPrintable(error));
    }
}

}  // namespace ztv::editor
