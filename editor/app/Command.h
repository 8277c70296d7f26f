#pragma once

#include <cstddef>

namespace ztv::editor {

// What the toolbar buttons, menu items and keys of the main window run. Each command has one
// handler, registered by the part of the editor that does the work; the buttons and items are
// its views.
enum class Command {
    NewProject,
    OpenProject,
    Save,
    SaveAs,
    ToolSettings,
    ProjectParameters,
    Print,
    BuildApplication,
    OpenRecent1,
    OpenRecent2,
    OpenRecent3,
    OpenRecent4,
    OpenRecent5,
    Quit,
    Undo,
    Copy,
    CopyPage,
    Cut,
    Paste,
    SpecialPaste,
    PastePage,
    DeleteCells,
    DeleteRow,
    DeleteColumnCells,
    InsertColumn,
    RemoveColumn,
    SelectAll,
    SelectRow,
    SelectColumn,
    ProjectFiles,
    Keywords,
    Position,
    NewPage,
    ModifyPage,
    DeletePage,
    Slideshow,
    Scanner,
    DrawPicture,
    ViewVideo,
    EditVideo,
    RecordSound,
    TextEditor,
    AnimationMaker,
    GridView,
    PictureListView,
    Play,
    WebPreview,
    Help,
    Tutorial,
    Questions,
    GeneralInformation,
    History,
    VendorInformation,
    PadFile,
    Website,
    About,
    OpenCell,
    OpenMedia,
    EditCell,
};
inline constexpr std::size_t kCommandCount = std::size_t(Command::EditCell) + 1;

// The recent-project command of settings line 6 + index (0 to 4).
inline constexpr Command recentProjectCommand(int index) {
    return Command(int(Command::OpenRecent1) + index);
}

}  // namespace ztv::editor
