#pragma once

#include <QString>
#include <QStringList>

namespace ztv {

// What the system's shell did for actions: open a file or an address with the desktop's
// handler, or start a program. Programs get argument lists and are never run through a shell
// command line, so nothing in a parameter is expanded.
class DesktopShell {
  public:
    virtual ~DesktopShell() = default;
    // A program (an executable file) starts with the arguments in workingDir; any other file
    // opens with the desktop's handler for its type (the arguments have no place there).
    virtual bool open(const QString& hostPath, const QStringList& arguments,
                      const QString& workingDir) = 0;
    virtual bool openAddress(const QString& address) = 0;
};

// The desktop's own handlers and QProcess.
class SystemShell : public DesktopShell {
  public:
    bool open(const QString& hostPath, const QStringList& arguments,
              const QString& workingDir) override;
    bool openAddress(const QString& address) override;
};

// A program is an executable regular file; anything else is a document.
bool isProgramFile(const QString& hostPath);

}  // namespace ztv
