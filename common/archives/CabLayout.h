#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// The bytes of a cabinet that holds one folder: the header, the folder, the file entries and
// the data blocks, for the writers that lay a cabinet out themselves.
namespace ztv::cablayout {

struct FileEntry {
    quint32 size = 0;
    quint32 offset = 0;  // in the folder's data
    quint16 date = 0;    // DOS date and time
    quint16 time = 0;
    quint16 attributes = 0;
    QByteArray name;  // without its terminating NUL
};

void appendFile(QByteArray& files, const FileEntry& entry);
// A data block without a checksum.
void appendBlock(QByteArray& blocks, QByteArrayView packed, quint16 unpackedSize);
// compression: the folder's compression word (type, and LZX window in the high byte).
QByteArray assemble(quint16 fileCount, quint16 setId, quint16 compression, const QByteArray& files,
                    const QByteArray& blocks, quint16 blockCount);

}  // namespace ztv::cablayout
