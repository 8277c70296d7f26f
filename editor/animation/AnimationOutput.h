#pragma once

#include "common/formats/GifWriter.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <optional>

namespace ztv {
class LanguageFile;
}

namespace ztv::editor {

// What a made animation is saved as, by its name's extension in upper case.
enum class AnimationFormat { Bitmap, Jpeg, Gif, Unknown };

AnimationFormat animationFormatOf(const QString& hostPath);
// The chosen name, with ".BMP" appended when it has no extension.
QString withDefaultExtension(const QString& hostPath);

// The frames side by side: frame i from x = i x frame width.
QImage buildStrip(const QList<QImage>& frames);
// The message that a strip of these frames would be wider than a picture may be, before
// anything is built; nullopt when it fits.
std::optional<QString> stripTooWide(const LanguageFile& language, int frames, QSize frameSize);

// Writes the frames in the format; the GIF options serve the GIF only. On failure, nothing
// replaced the file that was there, and the result says why.
struct AnimationSaveResult {
    bool saved = false;
    int gifError = 0;  // giflib's code, or -1, when a GIF could not be made
};
AnimationSaveResult saveAnimation(const QString& hostPath, AnimationFormat format,
                                  const QList<QImage>& frames, const GifWriteOptions& gif);

// Where an element dialog puts a made animation in the project: centred, at the frame size,
// with the number of frames.
struct AnimationPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int frames = 0;
};
AnimationPlacement placementFor(QSize project, QSize frameSize, int frames);

}  // namespace ztv::editor
