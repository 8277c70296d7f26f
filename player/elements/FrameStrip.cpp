// Frame strips of characters, animations and animated pictures: the mask colour and the list of
// frames.
#include "player/elements/FrameStrip.h"

#include "common/formats/AnimatedPicture.h"
#include "common/formats/DisplayScaling.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/SafetyLimits.h"
#include "common/platform/WinPath.h"
#include "player/elements/PageCanvas.h"
#include "player/elements/PictureLoading.h"

#include <QPainter>
#include <cmath>

namespace ztv {
namespace {

constexpr QRgb kNoMaskFill = 0xff000000;

// Nearest integer of num / den, halves away from zero (den > 0).
int nearest(std::int64_t num, std::int64_t den) {
    return int(std::llround(double(num) / double(den)));
}

// These extensions are cut at the frame size even on a stretched display: they were already
// decoded to the strip's size.
bool cutAtFrameSize(const QString& name) {
    const QString ext = winpath::extension(name).toUpper();
    return ext == QStringLiteral(".JPG") || ext == QStringLiteral(".JPEG") ||
           ext == QStringLiteral(".ICO") || ext == QStringLiteral(".GIF") ||
           ext == QStringLiteral(".GIFF");
}

// The frame count a strip can really give: every frame at least one pixel of the strip, and
// all frames together within the composition cap.
int cappedCount(int count, QSize frameSize, int stripWidth) {
    const std::int64_t area = std::int64_t(frameSize.width()) * frameSize.height();
    const std::int64_t byCap = limits::kMaxComposedPixels / std::max<std::int64_t>(1, area);
    return int(std::min<std::int64_t>({count, std::max(1, stripWidth), byCap}));
}

QList<QImage> gifFrameList(const PageCanvas& page, const AnimatedPicture& gif, int count,
                           QSize frameSize, std::optional<QRgb> mask) {
    FrameScale scale;
    if (page.projetStretch()) {
        const DisplayGeometry& g = page.geometry();
        scale = FrameScale{g.screenWidth, std::max(1, g.projectWidth), g.screenHeight,
                           std::max(1, g.projectHeight)};
    }
    QList<QImage> frames = gif.composeFrames(std::min(count, gif.frameCount()), frameSize,
                                             mask.value_or(kNoMaskFill), scale);
    for (QImage& frame : frames) {
        frame = frame.convertToFormat(QImage::Format_RGB32);
    }
    return frames;
}

QList<QImage> stripFrameList(const PageCanvas& page, const QString& loadedName, const QImage& strip,
                             int count, QSize frameSize, std::optional<QRgb> mask) {
    const int w = frameSize.width();
    const int h = frameSize.height();
    // A strip of whole frames of the asked size gives its frames, even fewer than asked: the
    // element then cycles through the ones there are.
    const bool exactStrip = strip.height() == h && strip.width() >= w && strip.width() % w == 0;
    int n = cappedCount(count, frameSize, strip.width());
    if (exactStrip && !page.projetStretch()) {
        n = std::min(n, strip.width() / w);
    }
    QRect cut(0, 0, w, h);
    if (page.projetStretch() && !cutAtFrameSize(loadedName)) {
        const DisplayGeometry& g = page.geometry();
        cut.setSize(QSize(nearest(std::int64_t(g.projectWidth) * w, std::max(1, g.screenWidth)),
                          nearest(std::int64_t(g.projectHeight) * h, std::max(1, g.screenHeight))));
    }
    QList<QImage> frames;
    for (int i = 0; i < n; ++i) {
        QImage frame(frameSize, QImage::Format_RGB32);
        frame.fill(mask.value_or(kNoMaskFill));
        QPainter painter(&frame);
        if (page.projetStretch()) {
            painter.drawImage(frame.rect(), strip, cut.translated(cut.width() * i, 0));
        } else if (exactStrip) {
            painter.drawImage(QPoint(0, 0), strip, QRect(w * i, 0, w, h));
        } else {
            painter.drawImage(frame.rect(), strip);
        }
        painter.end();
        frames.append(frame);
    }
    return frames;
}

}  // namespace

std::optional<QRgb> maskColour(const LanguageFile& language, const QString& transparent,
                               const QImage& picture) {
    if (language.isLine(transparent, lang::AppearanceWhiteClear)) {
        return qRgb(255, 255, 255);
    }
    if (language.isLine(transparent, lang::AppearanceBlackClear)) {
        return qRgb(0, 0, 0);
    }
    if (language.isLine(transparent, lang::AppearanceCornerClear) && !picture.isNull()) {
        return picture.pixel(0, picture.height() - 1) | 0xff000000;
    }
    return std::nullopt;
}

QList<QImage> buildFrames(const PageCanvas& page, LoadedPicture& loaded, const QImage& strip,
                          int count, QSize frameSize, std::optional<QRgb> mask) {
    const std::unique_ptr<AnimatedPicture> gif = std::move(loaded.gif);
    if (count <= 0 || !limits::pictureSizeAllowed(frameSize.width(), frameSize.height())) {
        return {};
    }
    return gif ? gifFrameList(page, *gif, count, frameSize, mask)
               : stripFrameList(page, loaded.name, strip, count, frameSize, mask);
}

}  // namespace ztv
