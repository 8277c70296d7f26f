#include "common/builder/OutputFolder.h"

#include <QDir>
#include <QFileInfo>

namespace ztv::builder {

QString nextOutputFolder(const QString& projectDirHost, const QString& prefix) {
    const QDir dir(projectDirHost);
    for (int k = 1; k <= kMaxOutputFolders; ++k) {
        const QString candidate = dir.filePath(prefix + QString::number(k));
        if (!pathTaken(candidate)) {
            return candidate;
        }
    }
    return {};
}

bool pathTaken(const QString& host) {
    const QFileInfo info(host);
    return info.exists() || info.isSymLink();
}

bool createOutputFolders(const QString& outputHost, const BuildOptions& options) {
    if (!QDir().mkpath(outputHost)) {
        return false;
    }
    if (!options.isCdRom()) {
        return true;
    }
    return QDir().mkpath(videosFolder(outputHost, options)) &&
           QDir().mkpath(soundsFolder(outputHost, options));
}

QString videosFolder(const QString& outputHost, const BuildOptions& options) {
    return options.isCdRom() ? QDir(outputHost).filePath(QStringLiteral("videos")) : outputHost;
}

QString soundsFolder(const QString& outputHost, const BuildOptions& options) {
    return options.isCdRom() ? QDir(outputHost).filePath(QStringLiteral("sounds")) : outputHost;
}

}  // namespace ztv::builder
