#include "common/formats/GifWriter.h"

#include "common/formats/ColourQuantiser.h"
#include "common/platform/FileIo.h"
#include "common/platform/SafetyLimits.h"

#include <algorithm>

#include <gif_lib.h>

namespace ztv {
namespace {

int writeToArray(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

int paletteSizeFor(int colours) {
    int size = 2;
    while (size < colours)
        size *= 2;
    return size;
}

bool putLoopCount(GifFileType* gif, int loopCount) {
    const int loops = std::clamp(loopCount, 0, 0xFFFF);
    const GifByteType sub[3] = {1, GifByteType(loops & 0xFF), GifByteType(loops >> 8)};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR &&
           EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") != GIF_ERROR &&
           EGifPutExtensionBlock(gif, 3, sub) != GIF_ERROR &&
           EGifPutExtensionTrailer(gif) != GIF_ERROR;
}

bool putControl(GifFileType* gif, const GifWriteOptions& options, int transparentIndex) {
    GraphicsControlBlock gcb{};
    gcb.DisposalMode = DISPOSE_BACKGROUND;
    gcb.UserInputFlag = false;
    gcb.DelayTime = std::clamp(options.delayMs / 10, 0, 0xFFFF);
    gcb.TransparentColor = transparentIndex;
    GifByteType block[4];
    const size_t length = EGifGCBToExtension(&gcb, block);
    return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), block) != GIF_ERROR;
}

// One 8-bit image with its own palette; the frame keeps its colours when it has 256 or fewer,
// else it is reduced by our quantiser.
bool putFrame(GifFileType* gif, const QImage& frame, const GifWriteOptions& options) {
    const std::optional<QRgb> transparent =
        options.transparent ? std::optional<QRgb>(frame.pixel(0, frame.height() - 1))
                            : std::nullopt;
    const IndexedFrame indexed = quantiseFrame(frame, transparent);
    ColorMapObject* map = GifMakeMapObject(paletteSizeFor(int(indexed.palette.size())), nullptr);
    if (!map)
        return false;
    for (int i = 0; i < indexed.palette.size(); ++i) {
        const QRgb c = indexed.palette[i];
        map->Colors[i] =
            GifColorType{GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }
    const int transparentIndex =
        indexed.transparentIndex >= 0 ? indexed.transparentIndex : NO_TRANSPARENT_COLOR;
    bool ok = putControl(gif, options, transparentIndex) &&
              EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, false, map) != GIF_ERROR;
    GifFreeMapObject(map);
    for (int y = 0; ok && y < indexed.height; ++y) {
        auto* line =
            const_cast<GifByteType*>(indexed.indices.data() + std::size_t(y) * indexed.width);
        ok = EGifPutLine(gif, line, indexed.width) != GIF_ERROR;
    }
    return ok;
}

bool framesAcceptable(const QList<QImage>& frames) {
    if (frames.isEmpty() || frames.size() > limits::kMaxGifWriteFrames)
        return false;
    const QSize size = frames.first().size();
    if (size.width() > 0xFFFF || size.height() > 0xFFFF ||
        !limits::pictureSizeAllowed(size.width(), size.height()))
        return false;
    return std::all_of(frames.begin(), frames.end(),
                       [&](const QImage& f) { return f.size() == size; });
}

}  // namespace

QByteArray encodeAnimatedGif(const QList<QImage>& frames, const GifWriteOptions& options,
                             int* error) {
    int code = -1;
    QByteArray out;
    if (framesAcceptable(frames)) {
        GifFileType* gif = EGifOpen(&out, writeToArray, &code);
        if (gif) {
            EGifSetGifVersion(gif, true);
            const QSize size = frames.first().size();
            bool ok =
                EGifPutScreenDesc(gif, size.width(), size.height(), 8, 0, nullptr) != GIF_ERROR &&
                putLoopCount(gif, options.loopCount);
            for (const QImage& frame : frames)
                ok = ok && putFrame(gif, frame, options);
            code = ok ? 0 : (gif->Error ? gif->Error : -1);
            int closeError = 0;
            if (EGifCloseFile(gif, &closeError) == GIF_ERROR && code == 0)
                code = closeError;
        }
    }
    if (error)
        *error = code;
    return code == 0 ? out : QByteArray();
}

int writeAnimatedGif(const QString& hostPath, const QList<QImage>& frames,
                     const GifWriteOptions& options) {
    int code = 0;
    const QByteArray data = encodeAnimatedGif(frames, options, &code);
    if (code != 0)
        return code;
    return writeFileAtomically(hostPath, data) ? 0 : E_GIF_ERR_WRITE_FAILED;
}

}  // namespace ztv
