#include "common/platform/Bytes.h"

#include <QtEndian>

#include "common/platform/Cp1252.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace ztv::bytes {
namespace {

bool fits(const QByteArray& buf, int offset, int width) {
    return offset >= 0 && width >= 0 && qsizetype(offset) + width <= buf.size();
}

}  // namespace

std::int32_t getInt32(const QByteArray& buf, int offset) {
    if (!fits(buf, offset, 4)) {
        return 0;
    }
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(buf[offset + i]);
    }
    return static_cast<std::int32_t>(v);
}

void putInt32(QByteArray& buf, int offset, std::int32_t value) {
    if (!fits(buf, offset, 4)) {
        return;
    }
    auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        buf[offset + i] = char(v & 0xFF);
        v >>= 8;
    }
}

double getDouble(const QByteArray& buf, int offset) {
    if (!fits(buf, offset, 8)) {
        return 0.0;
    }
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(buf[offset + i]);
    }
    return std::bit_cast<double>(v);
}

void putDouble(QByteArray& buf, int offset, double value) {
    if (!fits(buf, offset, 8)) {
        return;
    }
    auto v = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) {
        buf[offset + i] = char(v & 0xFF);
        v >>= 8;
    }
}

QString getString(const QByteArray& buf, int offset, int capacity) {
    if (!fits(buf, offset, capacity + 1)) {
        return {};
    }
    const int length = std::min<int>(static_cast<unsigned char>(buf[offset]), capacity);
    return fromCp1252(QByteArrayView(buf.constData() + offset + 1, length));
}

void putString(QByteArray& buf, int offset, int capacity, const QString& text) {
    if (!fits(buf, offset, capacity + 1)) {
        return;
    }
    const QByteArray encoded = toCp1252(text).left(std::min(capacity, 255));
    buf[offset] = char(encoded.size());
    std::memcpy(buf.data() + offset + 1, encoded.constData(), size_t(encoded.size()));
}

void appendLe16(QByteArray& out, std::uint16_t value) {
    char b[2];
    qToLittleEndian(value, b);
    out.append(b, 2);
}

void appendLe32(QByteArray& out, std::uint32_t value) {
    char b[4];
    qToLittleEndian(value, b);
    out.append(b, 4);
}

}  // namespace ztv::bytes
