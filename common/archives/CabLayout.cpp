#include "common/archives/CabLayout.h"

#include "common/platform/Bytes.h"

namespace ztv::cablayout {

using bytes::appendLe16;
using bytes::appendLe32;

namespace {
constexpr int kHeaderSize = 36, kFolderSize = 8;
}

void appendFile(QByteArray& files, const FileEntry& entry) {
    appendLe32(files, entry.size);
    appendLe32(files, entry.offset);
    appendLe16(files, 0);  // folder 0
    appendLe16(files, entry.date);
    appendLe16(files, entry.time);
    appendLe16(files, entry.attributes);
    files += entry.name + '\0';
}

void appendBlock(QByteArray& blocks, QByteArrayView packed, quint16 unpackedSize) {
    appendLe32(blocks, 0);
    appendLe16(blocks, quint16(packed.size()));
    appendLe16(blocks, unpackedSize);
    blocks += packed;
}

QByteArray assemble(quint16 fileCount, quint16 setId, quint16 compression, const QByteArray& files,
                    const QByteArray& blocks, quint16 blockCount) {
    const quint32 filesAt = kHeaderSize + kFolderSize;
    const quint32 blocksAt = filesAt + quint32(files.size());
    QByteArray cab("MSCF");
    appendLe32(cab, 0);
    appendLe32(cab, blocksAt + quint32(blocks.size()));
    appendLe32(cab, 0);
    appendLe32(cab, filesAt);
    appendLe32(cab, 0);
    cab.append(char(3)).append(char(1));  // format 1.3
    appendLe16(cab, 1);                   // folders
    appendLe16(cab, fileCount);
    appendLe16(cab, 0);  // flags
    appendLe16(cab, setId);
    appendLe16(cab, 0);  // index in the set
    appendLe32(cab, blocksAt);
    appendLe16(cab, blockCount);
    appendLe16(cab, compression);
    return cab + files + blocks;
}

}  // namespace ztv::cablayout
