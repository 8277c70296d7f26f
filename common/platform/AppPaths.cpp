#include "common/platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ztv {

AppPaths::AppPaths(QString appDir, QString dataDir)
    : appDir_(std::move(appDir)), dataDir_(std::move(dataDir)) {}

AppPaths AppPaths::forApplication() {
    const QString app = QFileInfo(programFile()).absolutePath();
    return AppPaths(app, dataDirFor(app));
}

QString AppPaths::programFile() {
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return self.isEmpty() ? QCoreApplication::applicationFilePath() : self;
}

QString AppPaths::dataDirFor(const QString& appDir) {
    if (QFileInfo(appDir).isWritable()) {
        return appDir;
    }
    const QString dir = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                            .filePath(QStringLiteral("zentrovale"));
    QDir().mkpath(dir);
    return dir;
}

QString AppPaths::asset(const QString& relative) const {
    return QDir(appDir_).filePath(relative);
}

QString AppPaths::data(const QString& relative) const {
    return QDir(dataDir_).filePath(relative);
}

QString AppPaths::languageFile(const QString& languageName) const {
    return asset(QStringLiteral("lang/%1.asc").arg(languageName));
}

QString AppPaths::tempZtvDir() {
    return QDir(QDir::tempPath()).filePath(QStringLiteral("tempztv"));
}

}  // namespace ztv
