#pragma once

#include "editor/dialogs/CellEdit.h"

#include <optional>

namespace ztv::editor {

// How an element dialog closed: what OK wrote, nothing when it was cancelled; and whether the
// cell holds an element for the next dialog. A new element whose positions were kept in the
// position editor stays in the page after a cancel, so the next dialog edits it.
struct CellDialogResult {
    std::optional<CellEdit> edit;
    bool cellHasElement = false;
};

}  // namespace ztv::editor
