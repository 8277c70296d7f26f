#include "editor/storyboard/StoryboardPictures.h"

#include "common/formats/ElementRecord.h"
#include "editor/document/StoryboardRows.h"

namespace ztv::editor {

void StoryboardPictures::load(const AppPaths& paths) {
    cellEmpty.load(paths.asset(QStringLiteral("boutons/cell_vide.jpg")));
    cellUsed.load(paths.asset(QStringLiteral("boutons/cell_select.jpg")));
    columnHeader.load(paths.asset(QStringLiteral("boutons/cell_colonne.jpg")));
    cornerHeader.load(paths.asset(QStringLiteral("boutons/ligne_texture.jpg")));
    for (int row = 1; row <= kRowCount; ++row) {
        rows[row].load(paths.asset(rowPicture(row)));
    }
}

}  // namespace ztv::editor
