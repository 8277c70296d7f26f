#include "player/elements/LineMatch.h"

#include "common/formats/LanguageFile.h"

#include <algorithm>

namespace ztv {

bool isOneOfLines(const LanguageFile& language, const QString& text,
                  std::initializer_list<int> lines) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](int line) { return language.isLine(text, line); });
}

}  // namespace ztv
