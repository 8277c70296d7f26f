#pragma once

#include <QStringList>
#include <functional>

class QWidget;

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// Starts a program with arguments; false when it could not be started. Tests replace it.
using ProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;
ProgramStarter detachedStarter();

// Starts the outside program of a settings line (the picture editor, the scanner, the sound
// recorder) with the arguments. When none is set the tool settings open first, and nothing
// starts if the author sets none there either.
void startOutsideTool(SessionSettings& state, Prompter& prompter, QWidget* parent, int settingsLine,
                      const QStringList& arguments, const ProgramStarter& startProgram);

// The argument that opens a stored picture in the picture editor: its host path, looked up over
// the drives; none for an empty path.
QStringList pictureArguments(SessionSettings& state, const QString& fichier);

}  // namespace ztv::editor
