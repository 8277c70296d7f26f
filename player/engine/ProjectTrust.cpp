#include "player/engine/ProjectTrust.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace ztv {

QString ProjectTrust::keyFor(const QString& projectHost) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QFileInfo(projectHost).absoluteFilePath().toUtf8());
    hash.addData("\n");
    QFile container(projectHost);
    if (container.open(QIODevice::ReadOnly)) {
        hash.addData(&container);
    }
    return QStringLiteral("projects/") + QString::fromLatin1(hash.result().toHex());
}

std::optional<bool> ProjectTrust::answerFor(const QString& projectHost) const {
    if (storeHost_.isEmpty()) {
        return std::nullopt;
    }
    const QVariant answer = QSettings(storeHost_, QSettings::IniFormat).value(keyFor(projectHost));
    if (!answer.isValid()) {
        return std::nullopt;
    }
    return answer.toBool();
}

void ProjectTrust::remember(const QString& projectHost, bool allowed) const {
    if (storeHost_.isEmpty()) {
        return;
    }
    QDir().mkpath(QFileInfo(storeHost_).absolutePath());
    QSettings(storeHost_, QSettings::IniFormat).setValue(keyFor(projectHost), allowed);
}

QString ProjectTrust::defaultStore() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("zentrovale/trusted-projects.ini"));
}

}  // namespace ztv
