#include "common/platform/ProgramRunner.h"

#include <QEventLoop>
#include <QProcess>

namespace ztv {

int runProgramAndWait(const QString& program, const QStringList& arguments) {
    QProcess process;
    QEventLoop loop;
    bool failed = false;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            failed = true;
            loop.quit();
        }
    });
    process.start(program, arguments);
    if (!failed && process.state() != QProcess::NotRunning) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);  // the window repaints, takes no input
    }
    return failed || process.error() == QProcess::FailedToStart ? -1 : 0;
}

}  // namespace ztv
