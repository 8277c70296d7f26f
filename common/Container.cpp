#include "common/Container.h"

#include "common/ElementRecord.h"
#include "common/platform/FileIo.h"
#include "common/platform/RecordFile.h"

#include <QDir>
#include <QFileInfo>

namespace ztv {

QString pageFileName(std::int32_t page, const QString& extension) {
    return QString::number(page) + extension;
}

SplitResult splitContainer(const QString& containerHost, const QString& targetDirHost,
                           bool actCopies) {
    SplitResult result;
    RecordFile container(kProjectRecordSize);
    if (!container.open(containerHost, RecordFile::Mode::ReadOnly)) {
        result.error = container.errorString();
        return result;
    }
    // Page files are assembled in memory (record 0 zeros) and written when finished.
    QList<std::pair<std::int32_t, QByteArray>> files;
    std::int32_t current = 0;
    for (qint64 i = 1; i < container.count(); ++i) {
        const auto bytes = container.read(i);
        if (!bytes) {
            result.error = container.errorString();
            return result;
        }
        std::int32_t page = 0;
        const ElementRecord record = decodeProjectRecord(*bytes, &page);
        if (record.isAbsent() || page <= 0) {
            continue;
        }
        if (files.isEmpty() || page != current) {
            current = page;
            files.removeIf([page](const auto& f) { return f.first == page; });
            files.append({page, QByteArray(kPageRecordSize, '\0')});
        }
        files.last().second += encodePageRecord(record);
    }
    const QDir dir(targetDirHost);
    for (const auto& [page, data] : files) {
        QString error;
        if (!writeFileAtomically(dir.filePath(pageFileName(page)), data, &error) ||
            (actCopies &&
             !writeFileAtomically(dir.filePath(pageFileName(page, ".ACT")), data, &error))) {
            result.error = error;
            return result;
        }
        result.pages.append(page);
    }
    result.ok = true;
    return result;
}

std::optional<QByteArray> packContainerData(const QString& dirHost,
                                            const QList<PageEntry>& pageTable, QString* error) {
    QByteArray data(kProjectRecordSize, '\0');
    for (const PageEntry& page : pageTable) {
        if (page.isDeleted() || page.number <= 0) {
            continue;
        }
        const QString name = findEntryNoCase(dirHost, pageFileName(page.number));
        if (name.isEmpty()) {
            continue;
        }
        const auto records = RecordFile::readAll(QDir(dirHost).filePath(name), kPageRecordSize);
        if (!records) {
            if (error) {
                *error = QStringLiteral("cannot read %1").arg(name);
            }
            return std::nullopt;
        }
        for (qsizetype i = 1; i < records->size(); ++i) {
            const ElementRecord record = decodePageRecord(records->at(i));
            if (!record.isAbsent()) {
                data += encodeProjectRecord(record, page.number);
            }
        }
    }
    return data;
}

bool packContainer(const QString& dirHost, const QList<PageEntry>& pageTable,
                   const QString& containerHost, QString* error) {
    const auto data = packContainerData(dirHost, pageTable, error);
    return data && writeFileAtomically(containerHost, *data, error);
}

}  // namespace ztv
