#pragma once

#include <QString>
#include <QStringList>

namespace ztv::editor {

// One project file type and the program of APPDIR that opens it.
struct FileAssociation {
    QString mimeType;
    QString desktopId;  // the desktop entry template in APPDIR/xdg and its installed name
    QString program;    // in APPDIR
    // The file-name parts ("ztvplay %f") of registered commands that this one replaces: the
    // same program in another folder.
    QStringList replaceable;
};

// .PZV opens in the authoring program, .ZTV and .ZTVX in the player beside it.
const QList<FileAssociation>& fileAssociations();

// The program file name of an Exec value followed by its arguments: "ztvplay %f".
QString fileNamePart(const QString& exec);

// Makes the desktop open the project files with APPDIR's programs: installs the MIME types,
// icons and desktop entries under $XDG_DATA_HOME and sets the defaults in
// $XDG_CONFIG_HOME/mimeapps.list. A default that belongs to another program stays; one that
// names our program in another folder moves here; one equal to ours is not written again.
// Silent: what cannot be written is left as it was.
void registerFileAssociations(const QString& appDir);

}  // namespace ztv::editor
