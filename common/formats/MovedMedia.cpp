#include "common/formats/MovedMedia.h"

#include "common/platform/FileIo.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace ztv {
namespace {

// The file under folder for the given components, each matched without regard to case.
QString resolveBeneath(const QString& folderHost, const QStringList& components) {
    QString current = folderHost;
    for (const QString& component : components) {
        const QString found = findEntryNoCase(current, component);
        if (found.isEmpty()) {
            return {};
        }
        current = QDir(current).filePath(found);
    }
    return QFileInfo(current).isFile() ? current : QString();
}

}  // namespace

QString findBesideProject(const QString& storedPath, const QString& projectFolderHost) {
    if (projectFolderHost.isEmpty() || !QFileInfo(projectFolderHost).isDir()) {
        return {};
    }
    QString path = storedPath;
    path.replace(u'/', u'\\');
    if (path.size() >= 2 && path[1] == u':') {
        path = path.mid(2);
    }
    const QStringList components = path.split(u'\\', Qt::SkipEmptyParts);
    // A tail never climbs out of the project's folder.
    qsizetype first = components.lastIndexOf(QStringLiteral("..")) + 1;
    first = std::max(first, components.lastIndexOf(QStringLiteral(".")) + 1);
    for (qsizetype start = first; start < components.size(); ++start) {
        const QString found = resolveBeneath(projectFolderHost, components.mid(start));
        if (!found.isEmpty()) {
            return found;
        }
    }
    return {};
}

}  // namespace ztv
