#pragma once

#include <QStringList>
#include <QTextStream>

namespace ztv::tool {

// ztvtool build PROJECT.PZV [--dist web|cdrom|ztvx] [--compress none|global|page] [--autorun]
// [--compressed-player] [--out DIR]: builds the application with the players and language
// file of appDirHost; the output folder on out, after a line per gathered page with verbose.
void buildCommand(const QStringList& args, const QString& appDirHost, QTextStream& out,
                  QTextStream& err, bool verbose);

}  // namespace ztv::tool
