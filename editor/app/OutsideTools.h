#pragma once

#include <QString>
#include <QStringList>

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;
class MainWindow;

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
    explicit OutsideTools(MainWindow& window);

    void start(OutsideTool tool);
    // The program's arguments: the current cell's media when the tool takes its row.
    QStringList arguments(OutsideTool tool);
    // The host path of the current cell's media file; empty when the cell is empty, holds no
    // file or the file is on none of the drives.
    QString cellMediaPath();

  private:
    MainWindow& window_;
};

}  // namespace ztv::editor
