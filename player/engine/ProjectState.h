#pragma once

#include "common/formats/ProjectSettings.h"
#include "player/engine/PlayerCommandLine.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace ztv {

// What the engine knows of the open project and its package. The project session keeps it and
// only its opening (start-up, or the action that opens another one) writes it; the page play,
// the actions and the windows read it through the session's const view.
struct ProjectState {
    QString projectPath;  // Windows path; empty = no project
    // The project path without its extension ("demo.ztv" without its last four characters):
    // the settings, page table and keyword table are named after it.
    QString projectBase() const {
        return projectPath.left(std::max<qsizetype>(0, projectPath.size() - 4));
    }
    // The saved project the editor's working copy came from (line 0 of its settings), a
    // Windows path: a preview finds the media of a moved project beneath its folder.
    QString workingCopyOrigin;
    StartMode mode = StartMode::Application;
    QString Chemin;  // root of the playback directory, a Windows path without trailing "\"
    QString playbackName = QStringLiteral("base");
    QString CheminMotCle;  // the keyword table in the playback directory
    bool ZTVXExt = false;  // a single-file project opened by an action
    // Handed to the player as a document (not carried by it, nor the editor's preview): its
    // actions start programs only once the user allowed it.
    bool openedAsDocument = false;

    // Display
    int projectWidth = ProjectSettings::kDefaultWidth;
    int projectHeight = ProjectSettings::kDefaultHeight;
    int screenWidth = 0, screenHeight = 0;
    bool ProjetStretch = false;  // full screen: the page is scaled to the screen
    bool ProjetCache = false;    // masked: the page sits on a screen of the mask colour
    QColor CouleurCache = Qt::black;
    bool transparentProject = false;

    // Packing
    bool packedProject = false;
    bool mediaByPage = false, mediaInPackage = false, perPageArchives = false;
    QString mediaDataFolder;  // where per-page media data files are looked up
};

}  // namespace ztv
