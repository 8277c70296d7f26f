#pragma once

#include "common/formats/LanguageFile.h"

#include <QString>

namespace ztv::editor {

// The line of first to last whose text the stored value is; 0 when none.
inline int vocabularyLine(const LanguageFile& language, const QString& value, int first, int last) {
    for (int line = first; line <= last; ++line) {
        if (language.isLine(value, line)) {
            return line;
        }
    }
    return 0;
}

}  // namespace ztv::editor
