#include "common/platform/RecordFile.h"

namespace ztv {

bool RecordFile::open(const QString& hostPath, Mode mode) {
    file_.close();
    file_.setFileName(hostPath);
    switch (mode) {
        case Mode::ReadOnly:
            return file_.open(QIODevice::ReadOnly);
        case Mode::ReadWrite:
            return file_.open(QIODevice::ReadWrite);
        case Mode::Truncate:
            return file_.open(QIODevice::ReadWrite | QIODevice::Truncate);
    }
    return false;
}

qint64 RecordFile::count() const {
    return recordSize_ > 0 && file_.isOpen() ? file_.size() / recordSize_ : 0;
}

std::optional<QByteArray> RecordFile::read(qint64 index) {
    if (index < 0 || index >= count() || !file_.seek(index * recordSize_)) {
        return std::nullopt;
    }
    QByteArray record = file_.read(recordSize_);
    if (record.size() != recordSize_) {
        return std::nullopt;
    }
    return record;
}

bool RecordFile::write(qint64 index, const QByteArray& record) {
    if (index < 0 || record.size() != recordSize_ || !file_.isOpen()) {
        return false;
    }
    if (index * recordSize_ > file_.size() && !file_.resize(index * recordSize_)) {
        return false;
    }
    return file_.seek(index * recordSize_) && file_.write(record) == recordSize_;
}

std::optional<QList<QByteArray>> RecordFile::readAll(const QString& hostPath, int recordSize) {
    RecordFile file(recordSize);
    if (!file.open(hostPath, Mode::ReadOnly)) {
        return std::nullopt;
    }
    QList<QByteArray> records;
    const qint64 n = file.count();
    records.reserve(n);
    for (qint64 i = 0; i < n; ++i) {
        auto r = file.read(i);
        if (!r) {
            break;
        }
        records.append(*r);
    }
    return records;
}

}  // namespace ztv
