#include "tests/support/CabinetCrafter.h"

#include <QtEndian>

namespace ztv::test {
namespace {

void put16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

constexpr int kHeaderSize = 36, kFolderSize = 8, kBlock = 32768;
constexpr quint16 kDate = ((2020 - 1980) << 9) | (6 << 5) | 15;  // 15 June 2020
constexpr quint16 kTime = (13 << 11) | (45 << 5) | (30 / 2);     // 13:45:30

}  // namespace

QByteArray craftCabinet(const QList<CraftedMember>& members) {
    QByteArray files, payload;
    for (const CraftedMember& m : members) {
        put32(files, quint32(m.declaredSize < 0 ? m.data.size() : m.declaredSize));
        put32(files, quint32(payload.size()));
        put16(files, 0);  // folder 0
        put16(files, kDate);
        put16(files, kTime);
        put16(files, 0x20);
        files += m.name + '\0';
        payload += m.data;
    }
    QByteArray blocks;
    quint16 blockCount = 0;
    for (qsizetype at = 0; at < payload.size(); at += kBlock, ++blockCount) {
        const QByteArray piece = payload.mid(at, kBlock);
        put32(blocks, 0);  // no checksum
        put16(blocks, quint16(piece.size()));
        put16(blocks, quint16(piece.size()));
        blocks += piece;
    }
    const quint32 filesAt = kHeaderSize + kFolderSize;
    const quint32 blocksAt = filesAt + quint32(files.size());
    QByteArray cab("MSCF");
    put32(cab, 0);
    put32(cab, blocksAt + quint32(blocks.size()));
    put32(cab, 0);
    put32(cab, filesAt);
    put32(cab, 0);
    cab.append(char(3)).append(char(1));
    put16(cab, 1);  // folders
    put16(cab, quint16(members.size()));
    put16(cab, 0);  // flags
    put16(cab, 1234);
    put16(cab, 0);
    put32(cab, blocksAt);
    put16(cab, blockCount);
    put16(cab, 0);  // stored
    return cab + files + blocks;
}

}  // namespace ztv::test
