#pragma once

#include "editor/document/PageBook.h"

namespace ztv::editor {

class MainWindow;
struct SessionSettings;

// The page commands of the main window: new page, modify, delete, copy and paste a whole page.
// The page table work is the PageBook's.
class PageCommands {
  public:
    explicit PageCommands(MainWindow& window);

    // Registers NewPage, ModifyPage, DeletePage, CopyPage and PastePage.
    void bind();

    PageBook book() const;
    QString clipboardPath() const;  // page.cop in the data folder

    void newPage(bool modifyMode = false);
    void modifyPage();
    void deletePage();
    void copyPage();
    // Replaces the current page's elements with the copied page, after the undo snapshot.
    void pastePage();

  private:
    MainWindow& window_;
    SessionSettings& state_;
};

}  // namespace ztv::editor
