#pragma once

#include "common/formats/ElementRecord.h"
#include "common/formats/LanguageFile.h"

#include <QList>

namespace ztv::editor {

// The record the position editor starts from for the cell (column, row): among the records
// (index 0 unused) that hold a placeable element (not a sound, not a disappearance marker) at
// or before the cell (an earlier column, or the same column and a row not below), the one of
// the greatest column, then of the greatest row; the first read wins a tie. -1 when none.
int positionStartRecord(const QList<ElementRecord>& records, int column, int row,
                        const LanguageFile& language);

// True for the texts of the disappearance markers (language lines 122, 123, 124).
bool isDisappearanceMarker(const QString& text, const LanguageFile& language);

}  // namespace ztv::editor
