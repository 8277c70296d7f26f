#include "common/builder/MediaCopier.h"

#include "common/builder/GatherTarget.h"
#include "common/platform/FileIo.h"

#include <QDir>
#include <QFileInfo>

namespace ztv::builder {

MediaCopier::MediaCopier(QSet<QString> reservedNames, QStringList reservedExtensions)
    : reservedNames_(std::move(reservedNames)),
      reservedExtensions_(std::move(reservedExtensions)) {}

bool MediaCopier::isReserved(const QString& name) const {
    const QString lower = name.toLower();
    if (reservedNames_.contains(lower)) {
        return true;
    }
    for (const QString& extension : reservedExtensions_) {
        if (lower.endsWith(extension)) {
            return true;
        }
    }
    return false;
}

std::optional<QString> MediaCopier::copy(const QString& sourceHost, const QString& folderHost,
                                         QString* error) {
    const std::pair key(sourceHost, folderHost);
    const QFileInfo source(sourceHost);
    const auto known = copies_.constFind(key);
    if (known != copies_.constEnd() && known->sourceModified == source.lastModified()) {
        const QFileInfo copy(known->targetHost);
        if (copy.isFile() && !copy.isSymLink() && copy.size() == source.size()) {
            return known->targetHost;
        }
    }
    auto target = place(sourceHost, folderHost, error);
    if (target) {
        copies_.insert(key, {*target, source.lastModified()});
    }
    return target;
}

std::optional<QString> MediaCopier::place(const QString& sourceHost, const QString& folderHost,
                                          QString* error) const {
    const QString name = QFileInfo(sourceHost).fileName();
    const QDir folder(folderHost);
    for (int n = 1; n <= 100000; ++n) {
        const QString candidate = n == 1 ? name : numberedFileName(name, n);
        const QString target = folder.filePath(candidate);
        if (isReserved(candidate)) {
            continue;
        }
        const QFileInfo info(target);
        if (info.isSymLink() || (info.exists() && !info.isFile())) {
            continue;
        }
        if (!info.exists()) {
            if (!copyDerivedFile(sourceHost, target, error)) {
                return std::nullopt;
            }
            return target;
        }
        if (sameFileBytes(sourceHost, target)) {
            return target;
        }
    }
    if (error) {
        *error = QStringLiteral("%1: no free name left in %2").arg(name, folderHost);
    }
    return std::nullopt;
}

}  // namespace ztv::builder
