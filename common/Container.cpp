#include "common/Container.h"

#include "common/ContainerIndex.h"
#include "common/ElementRecord.h"
#include "common/RecordLayouts.h"
#include "common/platform/FileIo.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <span>

namespace ztv {

QString pageFileName(std::int32_t page, const QString& extension) {
    return QString::number(page) + extension;
}

namespace {

// Appends a zero record to data and returns it for its fields to be written.
template <int Size>
std::span<char, Size> appendZeroRecord(QByteArray& data) {
    const qsizetype at = data.size();
    data.append(Size, '\0');
    return std::span<char, Size>(data.data() + at, Size);
}

}  // namespace

// One sequential read of the container, then each page file written once from memory.
SplitResult splitContainer(const QString& containerHost, const QString& targetDirHost,
                           bool actCopies) {
    SplitResult result;
    const auto container = readWhole(containerHost, &result.error);
    if (!container) {
        return result;
    }
    const ContainerIndex index = ContainerIndex::ofBytes(*container);
    const QDir dir(targetDirHost);
    for (const std::int32_t page : index.pages()) {
        const auto [offset, length] = index.byteRange(page);
        const QByteArray data =
            ContainerIndex::pageFileOfRun(QByteArrayView(*container).sliced(offset, length));
        if (!writeDerivedFile(dir.filePath(pageFileName(page)), data, &result.error) ||
            (actCopies &&
             !writeDerivedFile(dir.filePath(pageFileName(page, ".ACT")), data, &result.error))) {
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
        QFile file(QDir(dirHost).filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            if (error) {
                *error = QStringLiteral("cannot read %1").arg(name);
            }
            return std::nullopt;
        }
        const QByteArray records = file.readAll();
        for (qsizetype at = kPageRecordSize; at + kPageRecordSize <= records.size();
             at += kPageRecordSize) {
            const recordlayouts::PageBytes record(records.constData() + at, kPageRecordSize);
            if (!recordlayouts::pageRecordIsAbsent(record)) {
                recordlayouts::pageToProject(record, page.number,
                                             appendZeroRecord<kProjectRecordSize>(data));
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
