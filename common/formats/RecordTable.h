#pragma once

#include "common/platform/FileIo.h"
#include "common/platform/RecordFile.h"

#include <QList>
#include <optional>

// Tables whose record 0 is unused: readers start at record 1, writers put zeros in record 0.
namespace ztv::recordtable {

template <class Entry, class Decode>
std::optional<QList<Entry>> readFrom1(const QString& hostPath, int recordSize, Decode decode) {
    auto records = RecordFile::readAll(hostPath, recordSize);
    if (!records) {
        return std::nullopt;
    }
    QList<Entry> entries;
    for (qsizetype i = 1; i < records->size(); ++i) {
        entries.append(decode(records->at(i)));
    }
    return entries;
}

template <class Entry, class Encode>
bool writeFrom1(const QString& hostPath, int recordSize, const QList<Entry>& entries, Encode encode,
                QString* error) {
    QByteArray data(recordSize, '\0');
    for (const Entry& e : entries) {
        data += encode(e);
    }
    return writeFileAtomically(hostPath, data, error);
}

}  // namespace ztv::recordtable
