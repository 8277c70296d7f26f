#include "tests/support/CabinetCrafter.h"

#include "common/archives/CabLayout.h"

namespace ztv::test {
namespace {

constexpr int kBlock = 32768;
constexpr quint16 kDate = ((2020 - 1980) << 9) | (6 << 5) | 15;  // 15 June 2020
constexpr quint16 kTime = (13 << 11) | (45 << 5) | (30 / 2);     // 13:45:30

}  // namespace

QByteArray craftCabinet(const QList<CraftedMember>& members) {
    QByteArray files, payload;
    for (const CraftedMember& m : members) {
        cablayout::appendFile(files, {quint32(m.declaredSize < 0 ? m.data.size() : m.declaredSize),
                                      quint32(payload.size()), kDate, kTime, 0x20, m.name});
        payload += m.data;
    }
    QByteArray blocks;
    quint16 blockCount = 0;
    for (qsizetype at = 0; at < payload.size(); at += kBlock, ++blockCount) {
        const QByteArray piece = payload.mid(at, kBlock);
        cablayout::appendBlock(blocks, piece, quint16(piece.size()));
    }
    return cablayout::assemble(quint16(members.size()), 1234, 0 /* stored */, files, blocks,
                               blockCount);
}

}  // namespace ztv::test
