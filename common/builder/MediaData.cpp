#include "common/builder/MediaData.h"

#include "common/archives/EntryReader.h"
#include "common/builder/EntryAppender.h"

#include <QFileInfo>

namespace ztv::builder {

bool MediaData::add(const QString& entryName, const QString& fileHost, QString* error) {
    if (names_.contains(entryName)) {
        return true;
    }
    const QFileInfo file(fileHost);
    if (!file.isFile() || !file.isReadable()) {
        if (error) {
            *error = QStringLiteral("%1: cannot be read").arg(fileHost);
        }
        return false;
    }
    names_.insert(entryName);
    entries_.append({entryName, fileHost, file.size()});
    return true;
}

qint64 MediaData::size() const {
    qint64 total = 0;
    for (const Entry& e : entries_) {
        total += kEntryHeaderSize + e.size;
    }
    return total;
}

bool MediaData::writeTo(QIODevice& output, QString* error) const {
    for (const Entry& e : entries_) {
        if (!appendEntry(output, e.name, e.fileHost, e.size, error)) {
            return false;
        }
    }
    return true;
}

}  // namespace ztv::builder
