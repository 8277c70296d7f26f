#pragma once

#include <QString>

// `man ztvtool`: the manual page in roff, written from the same texts as `ztvtool --help`, so
// that the two never say different things.
namespace ztv::tool {

QString manualPage(const QString& version);

}  // namespace ztv::tool
