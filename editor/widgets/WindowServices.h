#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;
class Storyboard;

// What the dialogs and commands below the main window use of it: the open document, the
// prompter, the parent of their windows, and the few things only the window does. The window
// fills it in, so the folders below it never include it.
struct WindowServices {
    SessionSettings& state;
    Prompter& prompter;
    Storyboard& storyboard;
    QWidget* window;
    // The printer the listings go to; its settings last the session.
    std::function<QPrinter&()> printer;
    // Makes the page current and shows it (what choosing it in the page list does).
    std::function<void(int page)> switchToPage;
    std::function<void(bool modified)> setModified;
    // Gives the focus to the grid or the picture list, whichever shows.
    std::function<void()> focusVisibleView;
    // Before another project: offers to save unsaved changes; true when the command goes on.
    std::function<bool()> saveChangesPrompt;
    // Saves under the project's name, or asks for one; true when saved.
    std::function<bool()> saveProject;
    // The open dialog's filter of project files.
    QString projectFilter;
    // Opens a project the author chose (refused on a CD drive).
    std::function<void(const QString& projectHost)> openProject;
    std::function<void()> newProject;
    // Empties the page list, before another project fills it.
    std::function<void()> clearPageList;

    // Shows language line n in the OK box.
    void message(int line) const;
};

}  // namespace ztv::editor
