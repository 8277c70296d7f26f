#include "common/builder/Autorun.h"

#include "common/platform/FileIo.h"

#include <QDir>
#include <QFile>

namespace ztv::builder {

QString shellQuoted(const QString& text) {
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

bool writeAutorunFiles(const QString& outputHost, const QString& applicationName,
                       bool singleFileProject, QString* error) {
    const QDir out(outputHost);
    if (!writeDerivedLines(
            out.filePath(QStringLiteral("autorun.inf")),
            {QStringLiteral("[AutoRun]"), QStringLiteral("open=.\\") + applicationName}, error)) {
        return false;
    }
    // A single-file project opens with the player the desktop associates with it.
    const QString start = singleFileProject
                              ? QStringLiteral("exec xdg-open ./") + shellQuoted(applicationName)
                              : QStringLiteral("exec ./") + shellQuoted(applicationName);
    const QString script = QStringLiteral(
                               "#!/bin/sh\n"
                               "# Starts the application from this medium's folder.\n"
                               "cd \"$(dirname \"$0\")\" || exit 1\n") +
                           start + u'\n';
    const QString path = out.filePath(QStringLiteral("autorun"));
    if (!writeDerivedFile(path, script.toUtf8(), error)) {
        return false;
    }
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                           QFile::ExeOther);
}

}  // namespace ztv::builder
