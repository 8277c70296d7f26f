#pragma once

#include "common/formats/PageTable.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/document/StoryboardClipboard.h"

#include <QList>
#include <QObject>

namespace ztv::editor {

// The open project as the editor's windows see it: the storyboard and its clipboard, the
// current page, the modified flag with its record beside the working copy, the project's path
// and the recent projects. Commands change it; the windows redraw from its signals. The path
// and flags live in the session settings, which the dialogs read.
class ProjectDocument : public QObject {
    Q_OBJECT
  public:
    explicit ProjectDocument(SessionSettings& state, QObject* parent = nullptr);

    SessionSettings& state() { return state_; }
    Storyboard& storyboard() { return storyboard_; }
    const Storyboard& storyboard() const { return storyboard_; }
    StoryboardClipboard& clipboard() { return clipboard_; }
    const StoryboardClipboard& clipboard() const { return clipboard_; }
    int page() const { return storyboard_.page(); }

    // Sets the modified flag and records, beside the working copy, which project it holds and
    // whether it has unsaved changes (what a start after a crash goes by).
    void setModified(bool modified);

    // The project's name, folder and base name (see SessionSettings).
    struct Path {
        QString name;
        QString dir;
        QString base;
    };
    Path path() const { return {state_.projectName, state_.projectDir, state_.projectBase}; }
    void setPath(const Path& path);
    // The saved project at this host path, in its one canonical spelling.
    void setSavedPath(const QString& projectHost);
    // The untitled project kept in the working directory.
    void setUntitled();

    // The pages of the page list: the live pages of the working copy's page table.
    QList<PageEntry> livePages() const;
    // Creates an empty page table when there is none; a table with records opens the project.
    // The page list is redrawn, none of its pages is opened.
    void openPageTable();
    // Redraws the page list and opens `page`, or with 0 the first page; a page that is not in
    // the list leaves no page current.
    void showPage(int page);
    // Opens the page (0: none) with no cell current; undo starts over.
    void switchToPage(int page);
    void setCurrentCell(int column, int row);
    // After a change of a cell: modified flag, compaction and .JOU rewrite; false when the page
    // files could not be written.
    bool regenerate();
    // After a clipboard command: a changed page is modified and can be undone.
    void applyEdit(const EditResult& result);
    // The clipboard's one level of undo; undo is then no longer available.
    EditResult undo();

    bool undoAvailable() const { return undoAvailable_; }
    void setUndoAvailable(bool available);

    // A copied page waits in page.cop in the data folder.
    QString pageClipboardPath() const;
    bool hasPageCopy() const;
    // The page clipboard was filled.
    void notifyPageCopied();
    // The page's files were rewritten behind the storyboard's back (backgrounds resized).
    void notifyCellsChanged();

    // Puts the path at the head of the recent projects; forgets one that is gone.
    void rememberRecent(const QString& projectPath);
    void forgetRecent(const QString& projectPath);
    // Writes zentrovale.ini.
    void saveEditorSettings();

  signals:
    void modifiedChanged(bool modified);
    void projectNameChanged(const QString& name);
    void pagesChanged();
    void currentPageChanged(int page);
    void cellsChanged();
    void currentCellChanged(int column, int row);
    void undoAvailableChanged(bool available);
    void clipboardChanged();
    void recentProjectsChanged();
    // Something went wrong that the user is told of: the language line of its message.
    void problem(int line);

  private:
    SessionSettings& state_;
    Storyboard storyboard_;
    StoryboardClipboard clipboard_;
    bool undoAvailable_ = false;
};

}  // namespace ztv::editor
