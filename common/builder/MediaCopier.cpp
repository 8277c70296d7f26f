#include "common/builder/MediaCopier.h"

#include "common/platform/FileIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ztv::builder {
namespace {

// "photo.jpg" with n = 2 is "photo-2.jpg"; a name without extension just gets "-2".
QString numberedName(const QString& name, int n) {
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    return n == 1 ? name : stem + u'-' + QString::number(n) + extension;
}

}  // namespace

bool sameBytes(const QString& aHost, const QString& bHost) {
    QFile a(aHost);
    QFile b(bHost);
    if (a.size() != b.size() || !a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly)) {
        return false;
    }
    constexpr qint64 kChunk = 1 << 16;
    while (!a.atEnd()) {
        const QByteArray chunk = a.read(kChunk);
        if (chunk.isEmpty() || chunk != b.read(kChunk)) {
            return false;
        }
    }
    return true;
}

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
    const QString name = QFileInfo(sourceHost).fileName();
    const QDir folder(folderHost);
    for (int n = 1; n <= 100000; ++n) {
        const QString candidate = numberedName(name, n);
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
        if (sameBytes(sourceHost, target)) {
            return target;
        }
    }
    if (error) {
        *error = QStringLiteral("%1: no free name left in %2").arg(name, folderHost);
    }
    return std::nullopt;
}

}  // namespace ztv::builder
