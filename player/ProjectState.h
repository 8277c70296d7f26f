#pragma once

#include "common/ProjectSettings.h"
#include "player/PlayerCommandLine.h"

#include <QColor>
#include <QString>
#include <QStringList>

namespace ztv {

// What the engine knows of the open project and its package. Opening a project (start-up, or
// the action that opens another one) writes it; the page play, the media and the windows only
// read it.
struct ProjectState {
    QString projectPath;  // Windows path; empty = no project
    StartMode mode = StartMode::Application;
    QString Chemin;  // root of the playback directory, a Windows path without trailing "\"
    QString playbackName = QStringLiteral("base");
    QString CheminMotCle;  // the keyword table in the playback directory
    bool ZTVXExt = false;  // a single-file project opened by an action

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
    bool archiveOpen = false;
    bool mediaByPage = false, mediaInPackage = false, perPageArchives = false;
    QString mediaDataFolder;  // where per-page media data files are looked up
};

}  // namespace ztv
