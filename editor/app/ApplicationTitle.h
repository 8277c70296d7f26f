#pragma once

#include <QString>

namespace ztv::editor {

// The program's name and version, the caption of the boxes shown before or beside the
// language file's own.
inline QString applicationTitle() {
    return QStringLiteral("Zentrovale 3.0");
}

}  // namespace ztv::editor
