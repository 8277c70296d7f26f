#pragma once

#include <QByteArray>
#include <QString>

namespace ztv::demo {

// A short tune as a 16-bit mono PCM WAV file: eight plucked notes, about three seconds.
QByteArray tuneWav();
// Four seconds of a bouncing ball, Motion JPEG in AVI, encoded by GStreamer.
bool writeBallVideo(const QString& pathHost, QString* error);

}  // namespace ztv::demo
