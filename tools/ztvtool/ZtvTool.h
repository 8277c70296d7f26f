#pragma once

#include <QStringList>
#include <QTextStream>

namespace ztv::tool {

// Runs one ztvtool command; returns the process exit code. Errors are one line on err, and
// nothing is written when the input is bad.
int run(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace ztv::tool
