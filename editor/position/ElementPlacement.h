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

}  // namespace ztv::editor
