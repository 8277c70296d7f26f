#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace ztv {

// How the player was started, from the arguments after the program name.
enum class StartMode {
    Application,   // a project path, or none: the project beside the player
    Preview,       // "somm" page [data folder]: the editor's working copy, in place
    ExternalHost,  // "samm" page [data folder]: as preview, reloaded on each activation
};

enum class ScreenSaverCommand { None, Show, Preview, Configure };

StartMode startModeOf(const QStringList& args);

// The page of "somm"/"samm"; nullopt when it is not a whole number.
std::optional<int> hostedPage(const QStringList& args);
// The editor's data folder passed after the page, empty when absent.
QString hostedDataFolder(const QStringList& args);

// The screen-saver protocol applies when the program's own extension is ".scr" (any case).
bool isScreenSaverProgram(const QString& programPath);
ScreenSaverCommand screenSaverCommandOf(const QStringList& args);

// The project path given on the command line: every non-empty argument joined by one blank
// (a path with blanks arrives in pieces); empty for none and for the screen-saver forms.
QString commandLineProjectPath(const QStringList& args);

// The program's file name without its extension, if it has one ("demo.scr" -> "demo").
QString programBaseName(const QString& programPath);

}  // namespace ztv
