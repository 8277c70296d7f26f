#include "player/engine/RemoveTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ztv {

bool removeTree(const QString& dirHost) {
    const QDir dir(dirHost);
    const auto entries =
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink()) {
            removeTree(entry.filePath());
            continue;
        }
        QFile file(entry.filePath());
        if (!entry.isSymLink()) {
            file.setPermissions(file.permissions() | QFile::WriteOwner);
        }
        file.remove();
    }
    return QDir().rmdir(dirHost);
}

bool isInsideFolder(const QString& pathHost, const QString& dirHost) {
    const QString path = QDir::cleanPath(QFileInfo(pathHost).absoluteFilePath());
    const QString dir = QDir::cleanPath(QFileInfo(dirHost).absoluteFilePath());
    return path.startsWith(dir + u'/');
}

}  // namespace ztv
