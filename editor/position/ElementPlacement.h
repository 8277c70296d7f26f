#pragma once

#include "common/formats/ElementRecord.h"

#include <QRect>
#include <QString>
#include <functional>

namespace ztv {
class LanguageFile;
}

namespace ztv::editor {

// Writes a placed element into the page's .JOU file: every record of its row and column takes
// the rectangle (and what `change` adds, the palette's values), then the disappearance that
// follows the element in its row takes its last rectangle. The file is rewritten through a
// temporary file; false, with the file as it was, when that fails or the file is unreadable.
bool writePlacement(const QString& jouHost, int row, int column, const QRect& rect,
                    const std::function<void(ElementRecord&)>& change, const LanguageFile& language,
                    QString* error = nullptr);

// The disappearance that follows the placed element in its row (kinds whose disappearance
// covers them) takes the rectangle where the element ends: an animation's arrival, any other's
// own. A placed disappearance moves nothing. records: a page file, record 0 included.
void moveNextDisappearance(QList<ElementRecord>& records, const ElementRecord& placed,
                           const LanguageFile& language);

}  // namespace ztv::editor
