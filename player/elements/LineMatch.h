#pragma once

#include <QString>
#include <initializer_list>

namespace ztv {

class LanguageFile;

// The text is exactly one of these language lines (an empty line matches nothing).
bool isOneOfLines(const LanguageFile& language, const QString& text,
                  std::initializer_list<int> lines);

}  // namespace ztv
