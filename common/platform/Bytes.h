#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Little-endian fields inside fixed-size records. Every accessor checks its bounds against the
// buffer, so a short or hostile record can never be read or written past its end.
namespace ztv::bytes {

std::int32_t getInt32(const QByteArray& buf, int offset);
void putInt32(QByteArray& buf, int offset, std::int32_t value);

double getDouble(const QByteArray& buf, int offset);
void putDouble(QByteArray& buf, int offset, double value);

// string[N]: one length byte, then N character bytes. A length byte above N reads as N, never
// into the next field; a text longer than N is cut to its first N bytes.
QString getString(const QByteArray& buf, int offset, int capacity);
void putString(QByteArray& buf, int offset, int capacity, const QString& text);

// Little-endian fields appended to a stream being written (archive, sound and video headers).
void appendLe16(QByteArray& out, std::uint16_t value);
void appendLe32(QByteArray& out, std::uint32_t value);

}  // namespace ztv::bytes
