// Writing LZX archives ourselves: no library writes LZX. One folder holds every file; each
// 32768-byte frame of the folder's data becomes one data block.
#include "common/CabFile.h"
#include "common/LzxEncoder.h"
#include "common/platform/Bytes.h"
#include "common/platform/Cp1252.h"
#include "common/platform/FileIo.h"

#include <QFile>
#include <QFileInfo>

namespace ztv {
namespace {

using bytes::appendLe16;
using bytes::appendLe32;

constexpr int kHeaderSize = 36, kFolderSize = 8;
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

void TCABFile::writeLzx() {
    QByteArray files, data;
    for (const TCABFileEntry& entry : std::as_const(CABFileContents)) {
        QFile source(entry.Name);
        if (!source.open(QIODevice::ReadOnly) || !QFileInfo(entry.Name).isFile())
            throw ECABFileError(OpenSource);
        const QByteArray bytes = source.readAll();
        if (bytes.size() != source.size())
            throw ECABFileError(ReadSource);
        if (data.size() + bytes.size() > kMaxFolderSize)
            throw ECABFileError(OutOfMemory);
        const QString name = cabinetMemberName(entry);
        const QByteArray cp1252 = toCp1252(name);
        const bool utf = fromCp1252(cp1252) != name;
        const QFileInfo info(entry.Name);
        const QDateTime modified = info.lastModified();
        appendLe32(files, quint32(bytes.size()));
        appendLe32(files, quint32(data.size()));
        appendLe16(files, 0);
        appendLe16(files, dosDate(modified.date()));
        appendLe16(files, dosTime(modified.time()));
        appendLe16(files, quint16(kAttributeArchive | (info.isWritable() ? 0 : kAttributeReadOnly) |
                                  (utf ? kAttributeUtf : 0)));
        files += (utf ? name.toUtf8() : cp1252) + '\0';
        data += bytes;
    }
    if (CABFileContents.size() > 0xFFFF)
        throw ECABFileError(OutOfMemory);

    const int window = lzxWindowBits(LZXMemory);
    LzxEncoder encoder(window);
    QByteArray blocks;
    quint16 blockCount = 0;
    for (qsizetype at = 0; at < data.size(); at += LzxEncoder::kFrameSize, ++blockCount) {
        const QByteArrayView frame = QByteArrayView(data).sliced(
            at, std::min<qsizetype>(LzxEncoder::kFrameSize, data.size() - at));
        const QByteArray packed = encoder.encodeFrame(frame);
        appendLe32(blocks, 0);  // no checksum
        appendLe16(blocks, quint16(packed.size()));
        appendLe16(blocks, quint16(frame.size()));
        blocks += packed;
        if (OnCompressProgress)
            OnCompressProgress(*this, at + frame.size(), data.size());
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
    appendLe16(cab, 1);
    appendLe16(cab, quint16(CABFileContents.size()));
    appendLe16(cab, 0);
    appendLe16(cab, 12345);  // the set identifier
    appendLe16(cab, 0);
    appendLe32(cab, blocksAt);
    appendLe16(cab, blockCount);
    appendLe16(cab, quint16(kCompressionLzx | (window << 8)));
    if (!writeFileAtomically(CABFile, cab + files + blocks))
        throw ECABFileError(CreateCabinet);
}

}  // namespace ztv
