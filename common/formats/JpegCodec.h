#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

// JPEG through libjpeg-turbo's libjpeg API. A corrupt, truncated or oversized stream is a
// failure returned to the caller; the library is never allowed to end the process.
namespace ztv::jpeg {

// The decoded picture in Format_RGB32; nullopt when the data is no JPEG, is cut short, is
// corrupt, or declares a size beyond the picture caps (checked before any allocation).
std::optional<QImage> decode(const QByteArray& data);

// The picture encoded at the given quality (1 to 100, clamped); empty on failure, and for a
// side above 65,500 pixels, which the format cannot hold.
QByteArray encode(const QImage& image, int quality = 75);

}  // namespace ztv::jpeg
