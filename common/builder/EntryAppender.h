#pragma once

#include <QIODevice>
#include <QString>

namespace ztv::builder {

// The name and size fields of an entry whose content the caller writes next.
bool writeEntryHeader(QIODevice& output, const QString& entryName, qint64 contentSize,
                      QString* error);

// Appends one entry to an open output: the name field, the size field and the file's bytes,
// copied in chunks. False when the file cannot be read whole or the output refuses a write.
bool appendEntry(QIODevice& output, const QString& entryName, const QString& fileHost,
                 QString* error);
// The same for a file whose size was taken earlier: false when it has another size now.
bool appendEntry(QIODevice& output, const QString& entryName, const QString& fileHost,
                 qint64 expectedSize, QString* error);

}  // namespace ztv::builder
