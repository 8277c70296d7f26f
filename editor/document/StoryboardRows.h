#pragma once

#include "common/formats/ElementKinds.h"

#include <QString>

namespace ztv::editor {

// The picture of the row's label cell, relative to APPDIR ("boutons/ligne_son.jpg"...); empty
// outside rows 1 to 61.
QString rowPicture(int row);

// What a cell shows for a record: the file name after the last backslash where `Fichier` names
// a file, the whole `Fichier` where it holds text (texts, click zones, keywords).
QString cellTextFor(int row, const QString& fichier);

}  // namespace ztv::editor
