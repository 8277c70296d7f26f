// Writing LZX archives ourselves: no library writes LZX. One folder holds every file; each
// 32768-byte frame of the folder's data becomes one data block.
#include "common/archives/CabLayout.h"
#include "common/archives/CabinetFile.h"
#include "common/archives/LzxEncoder.h"
#include "common/platform/Cp1252.h"
#include "common/platform/FileIo.h"

#include <QFile>
#include <QFileInfo>

namespace ztv {
namespace {

constexpr quint16 kCompressionLzx = 3;
constexpr quint16 kAttributeReadOnly = 0x01, kAttributeArchive = 0x20, kAttributeUtf = 0x80;
constexpr std::int64_t kMaxFolderSize = std::int64_t(0x7FFF8000);

quint16 dosDate(const QDate& d) {
    return d.year() < 1980 ? quint16((0 << 9) | (1 << 5) | 1)
                           : quint16(((d.year() - 1980) << 9) | (d.month() << 5) | d.day());
}

quint16 dosTime(const QTime& t) {
    return quint16((t.hour() << 11) | (t.minute() << 5) | (t.second() / 2));
}

}  // namespace

void CabinetFile::writeLzx() {
    QByteArray files, data;
    for (const CabinetEntry& entry : std::as_const(CABFileContents)) {
        QFile source(entry.Name);
        if (!source.open(QIODevice::ReadOnly) || !QFileInfo(entry.Name).isFile())
            throw CabinetError(OpenSource);
        const QByteArray bytes = source.readAll();
        if (bytes.size() != source.size())
            throw CabinetError(ReadSource);
        if (data.size() + bytes.size() > kMaxFolderSize)
            throw CabinetError(OutOfMemory);
        const QString name = cabinetMemberName(entry);
        const QByteArray cp1252 = toCp1252(name);
        const bool utf = fromCp1252(cp1252) != name;
        const QFileInfo info(entry.Name);
        const QDateTime modified = info.lastModified();
        cablayout::appendFile(
            files, {quint32(bytes.size()), quint32(data.size()), dosDate(modified.date()),
                    dosTime(modified.time()),
                    quint16(kAttributeArchive | (info.isWritable() ? 0 : kAttributeReadOnly) |
                            (utf ? kAttributeUtf : 0)),
                    utf ? name.toUtf8() : cp1252});
        data += bytes;
    }
    if (CABFileContents.size() > 0xFFFF)
        throw CabinetError(OutOfMemory);

    const int window = lzxWindowBits(LZXMemory);
    LzxEncoder encoder(window);
    QByteArray blocks;
    quint16 blockCount = 0;
    for (qsizetype at = 0; at < data.size(); at += LzxEncoder::kFrameSize, ++blockCount) {
        const QByteArrayView frame = QByteArrayView(data).sliced(
            at, std::min<qsizetype>(LzxEncoder::kFrameSize, data.size() - at));
        const QByteArray packed = encoder.encodeFrame(frame);
        cablayout::appendBlock(blocks, packed, quint16(frame.size()));
        if (OnCompressProgress)
            OnCompressProgress(*this, at + frame.size(), data.size());
    }

    const QByteArray cab =
        cablayout::assemble(quint16(CABFileContents.size()), 12345 /* the set identifier */,
                            quint16(kCompressionLzx | (window << 8)), files, blocks, blockCount);
    if (!writeFileAtomically(CABFile, cab))
        throw CabinetError(CreateCabinet);
}

}  // namespace ztv
