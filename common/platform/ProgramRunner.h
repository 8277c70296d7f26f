#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace ztv {

// Starts a program (host path) with its arguments, waits for it to end while the event loop
// goes on, and answers 0, or -1 when it could not start.
using ProgramRunner = std::function<int(const QString& program, const QStringList& arguments)>;

// The platform's runner: a QProcess, waited for in a local event loop.
int runProgramAndWait(const QString& program, const QStringList& arguments);

}  // namespace ztv
