#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// The animation maker's GIF89a writer.
namespace ztv {

// The animation maker's options for an animated GIF.
struct GifWriteOptions {
    int loopCount = 1000;
    int delayMs = 200;
    bool transparent = false;  // the bottom-left pixel's colour of each frame is transparent
};

// Writes frames as a GIF89a: one 8-bit image per frame with its own palette (a frame of more
// than 256 colours is reduced by median cut with Floyd-Steinberg dithering), the given delay,
// disposal 2 and the loop count. Returns 0, or a nonzero error code for "Save Failed. Error
// %d" (giflib's code, or -1 for no frames, more than 256, or frames beyond the caps).
int writeAnimatedGif(const QString& hostPath, const QList<QImage>& frames,
                     const GifWriteOptions& options);
// The same GIF in memory; empty on failure, with the code in *error.
QByteArray encodeAnimatedGif(const QList<QImage>& frames, const GifWriteOptions& options,
                             int* error = nullptr);

}  // namespace ztv
