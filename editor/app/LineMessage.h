#pragma once

#include "common/formats/LanguageFile.h"
#include "common/platform/Prompter.h"

namespace ztv::editor {

// Shows language line n in the OK box.
inline void showLine(Prompter& prompter, const LanguageFile& language, int line) {
    prompter.message(language.message(line));
}

}  // namespace ztv::editor
