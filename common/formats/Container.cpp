#include "common/formats/Container.h"

#include "common/formats/ContainerIndex.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/RecordLayouts.h"
#include "common/platform/FileIo.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

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

namespace {

// Hands each live page's records, in the project layout, to take (which may refuse them);
// false with the reason when a page file cannot be read or take refuses.
template <class Take>
bool forEachPackedPage(const QString& dirHost, const QList<PageEntry>& pageTable, QString* error,
                       Take&& take) {
    QByteArray records;
    for (const PageEntry& page : pageTable) {
        if (page.isDeleted() || page.number <= 0) {
            continue;
        }
        const QString name = findEntryNoCase(dirHost, pageFileName(page.number));
        if (name.isEmpty()) {
            continue;
        }
        const auto file = readWhole(QDir(dirHost).filePath(name));
        if (!file) {
            if (error) {
                *error = QStringLiteral("cannot read %1").arg(name);
            }
            return false;
        }
        records.clear();
        for (qsizetype at = kPageRecordSize; at + kPageRecordSize <= file->size();
             at += kPageRecordSize) {
            const recordlayouts::PageBytes record(file->constData() + at, kPageRecordSize);
            if (!recordlayouts::pageRecordIsAbsent(record)) {
                recordlayouts::pageToProject(record, page.number,
                                             appendZeroRecord<kProjectRecordSize>(records));
            }
        }
        if (!take(records)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<QByteArray> packContainerData(const QString& dirHost,
                                            const QList<PageEntry>& pageTable, QString* error) {
    QByteArray data(kProjectRecordSize, '\0');
    const bool read = forEachPackedPage(dirHost, pageTable, error, [&data](const QByteArray& page) {
        data += page;
        return true;
    });
    return read ? std::optional(data) : std::nullopt;
}

// Written page by page rather than gathered first: a buffer of many megabytes is itself slow to
// write out on some kernels (transparent huge pages), and a large project needs none.
bool packContainer(const QString& dirHost, const QList<PageEntry>& pageTable,
                   const QString& containerHost, QString* error) {
    QSaveFile file(containerHost);
    const auto write = [&file](const QByteArray& bytes) {
        return file.write(bytes) == bytes.size();
    };
    if (!file.open(QIODevice::WriteOnly) || !write(QByteArray(kProjectRecordSize, '\0'))) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    QString readError;
    if (!forEachPackedPage(dirHost, pageTable, &readError, write) || !file.commit()) {
        if (error) {
            *error = readError.isEmpty() ? file.errorString() : readError;
        }
        return false;
    }
    return true;
}

}  // namespace ztv
