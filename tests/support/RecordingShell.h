#pragma once

#include "common/platform/DesktopShell.h"

#include <QList>
#include <QStringList>

namespace ztv::test {

struct ShellCall {
    QString path;
    QStringList arguments;
    QString workingDir;
};

// Records what would have been opened or started; answers `succeeds`.
class RecordingShell : public DesktopShell {
  public:
    bool open(const QString& host, const QStringList& arguments, const QString& dir) override {
        calls.append({host, arguments, dir});
        return succeeds;
    }
    bool openAddress(const QString& address) override {
        addresses.append(address);
        return succeeds;
    }
    QList<ShellCall> calls;
    QStringList addresses;
    bool succeeds = true;
};

}  // namespace ztv::test
