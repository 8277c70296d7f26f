#include "common/formats/KeywordTable.h"

#include "common/formats/RecordTable.h"
#include "common/platform/Bytes.h"

namespace ztv::keywordtable {

QByteArray encode(const KeywordEntry& entry) {
    QByteArray buf(kKeywordRecordSize, '\0');
    bytes::putString(buf, 0, 150, entry.keyword);
    bytes::putString(buf, 151, 100, entry.page);
    bytes::putString(buf, 252, 100, entry.column);
    return buf;
}

KeywordEntry decode(const QByteArray& record) {
    return KeywordEntry{bytes::getString(record, 0, 150), bytes::getString(record, 151, 100),
                        bytes::getString(record, 252, 100)};
}

std::optional<QList<KeywordEntry>> readAll(const QString& hostPath) {
    return recordtable::readFrom1<KeywordEntry>(hostPath, kKeywordRecordSize, decode);
}

QList<KeywordEntry> readUsed(const QString& hostPath) {
    QList<KeywordEntry> used;
    for (const KeywordEntry& e : readAll(hostPath).value_or(QList<KeywordEntry>())) {
        if (!e.isFree()) {
            used.append(e);
        }
    }
    return used;
}

bool write(const QString& hostPath, const QList<KeywordEntry>& entries, QString* error) {
    return recordtable::writeFrom1(hostPath, kKeywordRecordSize, entries, encode, error);
}

}  // namespace ztv::keywordtable
