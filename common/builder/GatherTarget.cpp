#include "common/builder/GatherTarget.h"

#include "common/platform/FileIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ztv {

QString numberedFileName(const QString& fileName, int number) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString suffix = QStringLiteral("-%1").arg(number);
    return dot <= 0 ? fileName + suffix : fileName.left(dot) + suffix + fileName.mid(dot);
}

bool sameFileBytes(const QString& firstHost, const QString& secondHost) {
    QFile first(firstHost);
    QFile second(secondHost);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly) ||
        first.size() != second.size()) {
        return false;
    }
    constexpr qint64 kChunk = 1 << 16;
    while (!first.atEnd()) {
        const QByteArray a = first.read(kChunk);
        if (a.isEmpty() || a != second.read(kChunk)) {
            return false;
        }
    }
    return true;
}

GatherTarget chooseGatherTarget(const QString& sourceHost, const QString& folderHost,
                                const QString& fileName) {
    for (int number = 1;; ++number) {
        const QString candidate = number == 1 ? fileName : numberedFileName(fileName, number);
        const QString existing = findEntryNoCase(folderHost, candidate);
        if (existing.isEmpty()) {
            return {QDir(folderHost).filePath(candidate), true};
        }
        const QString existingHost = QDir(folderHost).filePath(existing);
        if (QFileInfo(existingHost).isFile() && sameFileBytes(sourceHost, existingHost)) {
            return {existingHost, false};
        }
    }
}

}  // namespace ztv
