#include "common/formats/PageTable.h"

#include "common/formats/RecordTable.h"
#include "common/platform/Bytes.h"

namespace ztv::pagetable {

QByteArray encode(const PageEntry& entry) {
    QByteArray buf(kPageTableRecordSize, '\0');
    bytes::putInt32(buf, 0, entry.number);
    bytes::putString(buf, 4, 200, entry.title);
    return buf;
}

PageEntry decode(const QByteArray& record) {
    return PageEntry{bytes::getInt32(record, 0), bytes::getString(record, 4, 200)};
}

std::optional<QList<PageEntry>> readAll(const QString& hostPath) {
    return recordtable::readFrom1<PageEntry>(hostPath, kPageTableRecordSize, decode);
}

QList<PageEntry> readLive(const QString& hostPath) {
    QList<PageEntry> live;
    for (const PageEntry& e : readAll(hostPath).value_or(QList<PageEntry>())) {
        if (!e.isDeleted() && e.number > 0) {
            live.append(e);
        }
    }
    return live;
}

bool write(const QString& hostPath, const QList<PageEntry>& entries, QString* error) {
    return recordtable::writeFrom1(hostPath, kPageTableRecordSize, entries, encode, error);
}

}  // namespace ztv::pagetable
