#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;
class EditorView;
class ProjectDocument;

// Starts the program in the folder; when it does not start, says so and names it.
bool startProgram(const SessionSettings& state, Prompter& prompter, const QString& program,
                  const QStringList& arguments, const QString& folder);

// The outside programs of the tool settings, each with its line of zentrovale.ini.
enum class OutsideTool {
    Scanner,
    VideoEditor,
    PictureEditor,
    VideoViewer,
    SoundRecorder,
    TextEditor
};

int settingsLineOf(OutsideTool tool);
// Whether the tool is given the media of a cell on this row (the scanner and the video editor
// never are).
bool toolTakesRow(OutsideTool tool, int row);
// The tool that opens a cell's media from the storyboard's popup menu.
OutsideTool toolForRow(int row);

// Starts the outside programs on the storyboard's current cell. A tool that is not set up
// opens the tool settings first; one still not set up starts nothing.
class OutsideTools {
  public:
    // setUpTools: the tool settings dialog.
    OutsideTools(ProjectDocument& document, Prompter& prompter, EditorView& view,
                 std::function<void()> setUpTools);

    void start(OutsideTool tool);
    // The program's arguments: the current cell's media when the tool takes its row.
    QStringList arguments(OutsideTool tool);
    // The host path of the current cell's media file; empty when the cell is empty, holds no
    // file or the file is on none of the drives.
    QString cellMediaPath();

  private:
    ProjectDocument& document_;
    Prompter& prompter_;
    EditorView& view_;
    std::function<void()> setUpTools_;
};

}  // namespace ztv::editor
