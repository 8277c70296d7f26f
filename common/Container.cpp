#include "common/Container.h"

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

// Container records read this many at a time: large reads, a bounded buffer.
constexpr qint64 kRecordsPerRead = 4096;

// Calls f(record) for every whole record from index 1; false on a read error.
template <class F>
bool forEachContainerRecord(QFile& container, F&& f) {
    const qint64 count = container.size() / kProjectRecordSize;
    QByteArray buffer;
    for (qint64 first = 1; first < count; first += kRecordsPerRead) {
        const qint64 bytes = std::min(kRecordsPerRead, count - first) * kProjectRecordSize;
        buffer.resize(bytes);
        if (!container.seek(first * kProjectRecordSize) ||
            container.read(buffer.data(), bytes) != bytes) {
            return false;
        }
        for (qint64 at = 0; at < bytes; at += kProjectRecordSize) {
            f(recordlayouts::ProjectBytes(buffer.constData() + at, kProjectRecordSize));
        }
    }
    return true;
}

// Appends a zero record to data and returns it for its fields to be written.
template <int Size>
std::span<char, Size> appendZeroRecord(QByteArray& data) {
    const qsizetype at = data.size();
    data.append(Size, '\0');
    return std::span<char, Size>(data.data() + at, Size);
}

// The page files of a split, assembled in memory (record 0 zeros) in the order they were
// (re)created; a page that comes back starts a new file.
class SplitPages {
  public:
    void add(recordlayouts::ProjectBytes record) {
        const std::int32_t page = recordlayouts::projectRecordPage(record);
        if (recordlayouts::projectRecordIsAbsent(record) || page <= 0) {
            return;
        }
        if (files_.isEmpty() || page != files_.last().first) {
            files_.removeIf([page](const auto& f) { return f.first == page; });
            files_.append({page, QByteArray(kPageRecordSize, '\0')});
        }
        recordlayouts::projectToPage(record,
                                     appendZeroRecord<kPageRecordSize>(files_.last().second));
    }
    const QList<std::pair<std::int32_t, QByteArray>>& files() const { return files_; }

  private:
    QList<std::pair<std::int32_t, QByteArray>> files_;
};

}  // namespace

SplitResult splitContainer(const QString& containerHost, const QString& targetDirHost,
                           bool actCopies) {
    SplitResult result;
    QFile container(containerHost);
    SplitPages pages;
    if (!container.open(QIODevice::ReadOnly) ||
        !forEachContainerRecord(container, [&pages](auto record) { pages.add(record); })) {
        result.error = container.errorString();
        return result;
    }
    const QDir dir(targetDirHost);
    for (const auto& [page, data] : pages.files()) {
        QString error;
        if (!writeDerivedFile(dir.filePath(pageFileName(page)), data, &error) ||
            (actCopies &&
             !writeDerivedFile(dir.filePath(pageFileName(page, ".ACT")), data, &error))) {
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
