#include "tests/support/CabinetCrafter.h"

#include "common/platform/Bytes.h"

namespace ztv::test {
namespace {

using bytes::appendLe16;
using bytes::appendLe32;

constexpr int kHeaderSize = 36, kFolderSize = 8, kBlock = 32768;
constexpr quint16 kDate = ((2020 - 1980) << 9) | (6 << 5) | 15;  // 15 June 2020
constexpr quint16 kTime = (13 << 11) | (45 << 5) | (30 / 2);     // 13:45:30

}  // namespace

QByteArray craftCabinet(const QList<CraftedMember>& members) {
    QByteArray files, payload;
    for (const CraftedMember& m : members) {
        appendLe32(files, quint32(m.declaredSize < 0 ? m.data.size() : m.declaredSize));
        appendLe32(files, quint32(payload.size()));
        appendLe16(files, 0);  // folder 0
        appendLe16(files, kDate);
        appendLe16(files, kTime);
        appendLe16(files, 0x20);
        files += m.name + '\0';
        payload += m.data;
    }
    QByteArray blocks;
    quint16 blockCount = 0;
    for (qsizetype at = 0; at < payload.size(); at += kBlock, ++blockCount) {
        const QByteArray piece = payload.mid(at, kBlock);
        appendLe32(blocks, 0);  // no checksum
        appendLe16(blocks, quint16(piece.size()));
        appendLe16(blocks, quint16(piece.size()));
        blocks += piece;
    }
    const quint32 filesAt = kHeaderSize + kFolderSize;
    const quint32 blocksAt = filesAt + quint32(files.size());
    QByteArray cab("MSCF");
    appendLe32(cab, 0);
    appendLe32(cab, blocksAt + quint32(blocks.size()));
    appendLe32(cab, 0);
    appendLe32(cab, filesAt);
    appendLe32(cab, 0);
    cab.append(char(3)).append(char(1));
    appendLe16(cab, 1);  // folders
    appendLe16(cab, quint16(members.size()));
    appendLe16(cab, 0);  // flags
    appendLe16(cab, 1234);
    appendLe16(cab, 0);
    appendLe32(cab, blocksAt);
    appendLe16(cab, blockCount);
    appendLe16(cab, 0);  // stored
    return cab + files + blocks;
}

}  // namespace ztv::test
