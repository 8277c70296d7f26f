#include "common/formats/ContainerIndex.h"

#include "common/formats/ElementRecord.h"
#include "common/formats/RecordLayouts.h"

#include <QFile>

#include <algorithm>

namespace ztv {

namespace {

// Container bytes read this many records at a time: large reads, a bounded buffer.
constexpr qint64 kRecordsPerRead = 4096;

recordlayouts::ProjectBytes projectBytes(const char* record) {
    return recordlayouts::ProjectBytes(record, kProjectRecordSize);
}

bool belongsToAPage(const char* record) {
    return !recordlayouts::projectRecordIsAbsent(projectBytes(record)) &&
           recordlayouts::projectRecordPage(projectBytes(record)) > 0;
}

// Hands the file's whole records to take, a bounded chunk at a time, from where the file stands
// (its start): take gets the index of the chunk's first record. False when a read falls short
// or take says to stop.
template <class Take>
bool forEachChunk(QFile& file, Take&& take) {
    const qint64 size = file.size();
    QByteArray buffer;
    for (qint64 first = 0; first * kProjectRecordSize < size; first += kRecordsPerRead) {
        const qint64 bytes =
            std::min(kRecordsPerRead * kProjectRecordSize, size - first * kProjectRecordSize);
        buffer.resize(bytes);
        if (file.read(buffer.data(), bytes) != bytes || !take(first, buffer)) {
            return false;
        }
    }
    return true;
}

}  // namespace

void ContainerIndex::add(qint64 index, const char* record) {
    if (!belongsToAPage(record)) {
        return;
    }
    const std::int32_t page = recordlayouts::projectRecordPage(projectBytes(record));
    if (page != lastPage_ || !runs_.contains(page)) {
        runs_.insert(page, Run{index, index + 1});
        lastPage_ = page;
    } else {
        runs_[page].end = index + 1;
    }
}

ContainerIndex ContainerIndex::ofBytes(QByteArrayView container) {
    ContainerIndex index;
    const qint64 count = container.size() / kProjectRecordSize;
    for (qint64 i = 1; i < count; ++i) {
        index.add(i, container.data() + i * kProjectRecordSize);
    }
    return index;
}

std::optional<ContainerIndex> ContainerIndex::ofFile(const QString& host, QString* error,
                                                     const QString& copyHost) {
    QFile file(host);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = file.errorString();
        }
        return std::nullopt;
    }
    return ofFile(file, error, copyHost);
}

std::optional<ContainerIndex> ContainerIndex::ofFile(QFile& file, QString* error,
                                                     const QString& copyHost) {
    QFile copy(copyHost);
    ContainerIndex index;
    const auto fail = [&](const QFile& failed) -> std::optional<ContainerIndex> {
        if (error) {
            *error = failed.errorString();
        }
        return std::nullopt;
    };
    if (!file.seek(0)) {
        return fail(file);
    }
    if (!copyHost.isEmpty() && !copy.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return fail(copy);
    }
    const bool read = forEachChunk(file, [&](qint64 first, const QByteArray& chunk) {
        if (copy.isOpen() && copy.write(chunk) != chunk.size()) {
            return false;
        }
        for (qint64 at = 0; at + kProjectRecordSize <= chunk.size(); at += kProjectRecordSize) {
            if (first + at / kProjectRecordSize > 0) {
                index.add(first + at / kProjectRecordSize, chunk.constData() + at);
            }
        }
        return true;
    });
    if (!read) {
        return fail(copy.error() != QFileDevice::NoError ? copy : file);
    }
    return index;
}

std::pair<qint64, qint64> ContainerIndex::firstRunOf(QFile& file, std::int32_t page) {
    Run run;
    bool ended = false;
    if (!file.seek(0)) {
        return {0, 0};
    }
    forEachChunk(file, [&](qint64 first, const QByteArray& chunk) {
        for (qint64 at = 0; at + kProjectRecordSize <= chunk.size() && !ended;
             at += kProjectRecordSize) {
            const qint64 index = first + at / kProjectRecordSize;
            const char* record = chunk.constData() + at;
            if (index == 0 || !belongsToAPage(record)) {
                continue;
            }
            if (recordlayouts::projectRecordPage(projectBytes(record)) == page) {
                run = Run{run.end > 0 ? run.first : index, index + 1};
            } else {
                ended = run.end > 0;
            }
        }
        return !ended;
    });
    return {run.first * kProjectRecordSize, (run.end - run.first) * kProjectRecordSize};
}

QList<std::int32_t> ContainerIndex::pages() const {
    QList<std::int32_t> pages = runs_.keys();
    std::sort(pages.begin(), pages.end(), [this](std::int32_t a, std::int32_t b) {
        return runs_.value(a).first < runs_.value(b).first;
    });
    return pages;
}

std::pair<qint64, qint64> ContainerIndex::byteRange(std::int32_t page) const {
    const Run run = runs_.value(page);
    return {run.first * kProjectRecordSize, (run.end - run.first) * kProjectRecordSize};
}

QByteArray ContainerIndex::pageFileOfRun(QByteArrayView run) {
    QByteArray file(kPageRecordSize, '\0');
    file.reserve(kPageRecordSize * (1 + run.size() / kProjectRecordSize));
    for (qsizetype at = 0; at + kProjectRecordSize <= run.size(); at += kProjectRecordSize) {
        if (belongsToAPage(run.data() + at)) {
            const qsizetype to = file.size();
            file.resize(to + kPageRecordSize);
            std::fill(file.begin() + to, file.end(), '\0');
            recordlayouts::projectToPage(
                projectBytes(run.data() + at),
                std::span<char, kPageRecordSize>(file.data() + to, kPageRecordSize));
        }
    }
    return file;
}

}  // namespace ztv
