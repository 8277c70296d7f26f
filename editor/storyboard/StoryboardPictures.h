#pragma once

#include "common/platform/AppPaths.h"

#include <QImage>
#include <array>

namespace ztv::editor {

// The storyboard's pictures, loaded once from APPDIR.
struct StoryboardPictures {
    QImage cellEmpty;             // cell_vide.jpg: a cell of an unused column
    QImage cellUsed;              // cell_select.jpg: a cell of a column that holds an element
    QImage columnHeader;          // cell_colonne.jpg
    QImage cornerHeader;          // ligne_texture.jpg
    std::array<QImage, 62> rows;  // the label picture of rows 1 to 61

    void load(const AppPaths& paths);
};

}  // namespace ztv::editor
