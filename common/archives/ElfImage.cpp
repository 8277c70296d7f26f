#include "common/archives/ElfImage.h"

#include <QFile>
#include <QtEndian>

namespace ztv {
namespace {

// Reads unsigned fields of the header's width and byte order, bounds-checked.
class HeaderReader {
  public:
    HeaderReader(QByteArray bytes, bool bigEndian) : bytes_(std::move(bytes)), big_(bigEndian) {}
    std::optional<quint64> at(int offset, int width) const {
        if (offset < 0 || offset + width > bytes_.size()) {
            return std::nullopt;
        }
        quint64 v = 0;
        for (int i = 0; i < width; ++i) {
            const quint64 b = quint8(bytes_[offset + (big_ ? i : width - 1 - i)]);
            v = (v << 8) | b;
        }
        return v;
    }

  private:
    QByteArray bytes_;
    bool big_;
};

struct Layout {
    int headerSize, phoff, shoff, phentsize, phnum, shentsize, shnum;
    int segOffset, segFilesz, word;
};

constexpr Layout k32{52, 28, 32, 42, 44, 46, 48, 4, 16, 4};
constexpr Layout k64{64, 32, 40, 54, 56, 58, 60, 8, 32, 8};

std::optional<qint64> fileEnd(quint64 offset, quint64 size) {
    // Fields that cannot describe a real file make the header unusable.
    constexpr quint64 kLimit = quint64(1) << 48;
    if (offset > kLimit || size > kLimit) {
        return std::nullopt;
    }
    return qint64(offset + size);
}

}  // namespace

std::optional<qint64> elfImageSize(QIODevice& file) {
    if (!file.seek(0)) {
        return std::nullopt;
    }
    const QByteArray ident = file.read(64);
    if (ident.size() < 52 ||
        !ident.startsWith("\x7f"
                          "ELF") ||
        (ident[4] != 1 && ident[4] != 2) || (ident[5] != 1 && ident[5] != 2)) {
        return std::nullopt;
    }
    const Layout& l = ident[4] == 2 ? k64 : k32;
    const HeaderReader h(ident, ident[5] == 2);
    const auto phoff = h.at(l.phoff, l.word), shoff = h.at(l.shoff, l.word);
    const auto phentsize = h.at(l.phentsize, 2), phnum = h.at(l.phnum, 2);
    const auto shentsize = h.at(l.shentsize, 2), shnum = h.at(l.shnum, 2);
    if (!phoff || !shoff || !phentsize || !phnum || !shentsize || !shnum) {
        return std::nullopt;
    }
    auto end = fileEnd(*shoff, *shentsize * *shnum);
    if (!end) {
        return std::nullopt;
    }
    qint64 size = std::max<qint64>(*end, l.headerSize);
    // At most 65535 program headers of at most 65535 bytes: every read is bounded.
    for (quint64 i = 0; i < *phnum; ++i) {
        if (!file.seek(qint64(*phoff + i * *phentsize))) {
            return std::nullopt;
        }
        const HeaderReader seg(file.read(qint64(*phentsize)), ident[5] == 2);
        const auto offset = seg.at(l.segOffset, l.word), filesz = seg.at(l.segFilesz, l.word);
        const auto segEnd = offset && filesz ? fileEnd(*offset, *filesz) : std::nullopt;
        if (!segEnd) {
            return std::nullopt;
        }
        size = std::max(size, *segEnd);
    }
    return size;
}

bool carriesAppendedData(const QString& programHost) {
    QFile file(programHost);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const auto image = elfImageSize(file);
    return image && file.size() > *image;
}

}  // namespace ztv
