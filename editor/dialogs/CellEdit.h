#pragma once

#include "common/formats/ElementRecord.h"

#include <QString>

namespace ztv::editor {

// What an element dialog's OK wrote into the page: the record as stored and the text the
// storyboard shows in its cell.
struct CellEdit {
    ElementRecord record;
    QString cellText;
};

}  // namespace ztv::editor
