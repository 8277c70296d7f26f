#pragma once

#include "common/formats/LanguageFile.h"

#include <QString>

namespace ztv::demo {

// Writes the demo project (demo.PZV, demo.ini, demo.ZTV, demo.PMG and its pictures, all made
// by code) into dirHost. Vocabulary stored in records comes from the language file.
bool writeDemoProject(const QString& dirHost, const LanguageFile& language, QString* error);

}  // namespace ztv::demo
