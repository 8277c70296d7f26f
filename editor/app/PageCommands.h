#pragma once

#include "common/platform/Prompter.h"
#include "editor/document/PageBook.h"

namespace ztv::editor {

class EditorView;
class ProjectDocument;
struct SessionSettings;

// The page commands of the main window: new page, modify, delete, copy and paste a whole page.
// The page table work is the PageBook's.
class PageCommands {
  public:
    PageCommands(ProjectDocument& document, Prompter& prompter, EditorView& view);

    PageBook book() const;

    void newPage(bool modifyMode = false);
    void modifyPage();
    void deletePage();
    void copyPage();
    // Replaces the current page's elements with the copied page, after the undo snapshot.
    void pastePage();

  private:
    ProjectDocument& document_;
    SessionSettings& state_;
    Prompter& prompter_;
    EditorView& view_;
};

}  // namespace ztv::editor
