#include "common/formats/AnimatedPicture.h"

#include "common/platform/SafetyLimits.h"

#include <QFile>
#include <QPainter>

#include <array>
#include <cstring>
#include <vector>

#include <gif_lib.h>

namespace ztv {
namespace {

struct MemoryInput {
    const QByteArray* data;
    qsizetype position = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
    auto* input = static_cast<MemoryInput*>(gif->UserData);
    const qsizetype count = std::min<qsizetype>(length, input->data->size() - input->position);
    if (count <= 0)
        return 0;
    std::memcpy(buffer, input->data->constData() + input->position, size_t(count));
    input->position += count;
    return int(count);
}

// What a graphic control block says about the image that follows it.
struct FrameControl {
    int disposal = 0;
    int delayMs = 0;
    int transparentIndex = NO_TRANSPARENT_COLOR;
};

using Palette = std::array<QRgb, 256>;

// Indexes past the map's colours show black, as most decoders do.
Palette paletteOf(const ColorMapObject* map) {
    Palette palette;
    palette.fill(qRgb(0, 0, 0));
    for (int i = 0; i < map->ColorCount && i < 256; ++i)
        palette[size_t(i)] = qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
    return palette;
}

// The rows of an image in the order they are stored.
std::vector<int> storedRowOrder(int height, bool interlaced) {
    std::vector<int> rows;
    rows.reserve(size_t(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    constexpr int kStart[] = {0, 4, 2, 1};
    constexpr int kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = kStart[pass]; y < height; y += kStep[pass])
            rows.push_back(y);
    return rows;
}

class GifDecoder {
  public:
    explicit GifDecoder(GifFileType* gif) : gif_(gif) {}

    GifError run() {
        for (;;) {
            GifRecordType type = UNDEFINED_RECORD_TYPE;
            // A file that stops between records has said all it could: keep its frames.
            if (DGifGetRecordType(gif_, &type) == GIF_ERROR)
                return frames.isEmpty() ? GifError::InvalidFileFormat : GifError::None;
            GifError error = GifError::None;
            if (type == IMAGE_DESC_RECORD_TYPE) {
                error = readImage();
                if (stopped_)
                    break;
            } else if (type == EXTENSION_RECORD_TYPE) {
                error = readExtension();
            } else {
                break;
            }
            if (error != GifError::None)
                return error;
        }
        return frames.isEmpty() ? GifError::InvalidFileFormat : GifError::None;
    }

    QList<GifFrame> frames;
    QSize size;
    int loopCount = 1;

  private:
    GifError readImage() {
        if (DGifGetImageDesc(gif_) == GIF_ERROR)
            return GifError::InvalidFileFormat;
        const GifImageDesc& desc = gif_->Image;
        const std::int64_t width = desc.Width, height = desc.Height;
        if (width <= 0 || height <= 0 || width * height > limits::kMaxPictureArea)
            return GifError::InvalidFileFormat;
        if (!size.isValid() && !decideSize(desc))
            return GifError::InvalidFileFormat;
        const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif_->SColorMap;
        if (!map)
            return GifError::InvalidFileFormat;

        // Frames reaching past the logical screen are clipped to it.
        const QRect clip =
            QRect(desc.Left, desc.Top, desc.Width, desc.Height) & QRect(QPoint(0, 0), size);
        // Past the caps the picture keeps the frames it has. Every decoded pixel counts, the
        // clipped ones too, so the budget also bounds the decoding time.
        totalPixels_ += width * height;
        if (totalPixels_ > limits::kMaxGifTotalPixels) {
            stopped_ = true;
            return GifError::None;
        }
        GifFrame frame;
        frame.image = QImage(clip.size(), QImage::Format_ARGB32_Premultiplied);
        if (!readPixels(desc, clip, paletteOf(map), frame.image))
            return GifError::InvalidFileFormat;
        frame.left = clip.x();
        frame.top = clip.y();
        frame.width = clip.width();
        frame.height = clip.height();
        if (control_.transparentIndex >= 0 && control_.transparentIndex < map->ColorCount) {
            const GifColorType& c = map->Colors[control_.transparentIndex];
            frame.transparentColour = qRgb(c.Red, c.Green, c.Blue);
        }
        frame.disposal = control_.disposal;
        frame.delayMs = control_.delayMs;
        frames.append(std::move(frame));
        control_ = {};
        stopped_ = frames.size() >= limits::kMaxGifFrames;
        return GifError::None;
    }

    // A logical screen of zero width or height takes the first frame's extent.
    bool decideSize(const GifImageDesc& desc) {
        const std::int64_t width = gif_->SWidth > 0 ? gif_->SWidth : desc.Left + desc.Width;
        const std::int64_t height = gif_->SHeight > 0 ? gif_->SHeight : desc.Top + desc.Height;
        if (!limits::pictureSizeAllowed(width, height))
            return false;
        size = QSize(int(width), int(height));
        return true;
    }

    bool readPixels(const GifImageDesc& desc, const QRect& clip, const Palette& palette,
                    QImage& image) {
        std::vector<GifPixelType> line(size_t(desc.Width));
        for (int y : storedRowOrder(desc.Height, desc.Interlace)) {
            if (DGifGetLine(gif_, line.data(), desc.Width) == GIF_ERROR)
                return false;
            const int row = desc.Top + y - clip.top();
            if (clip.isEmpty() || row < 0 || row >= clip.height())
                continue;
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(row));
            for (int x = 0; x < clip.width(); ++x) {
                const int index = line[size_t(clip.left() - desc.Left + x)];
                out[x] = index == control_.transparentIndex ? 0 : palette[size_t(index)];
            }
        }
        return true;
    }

    GifError readExtension() {
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif_, &code, &block) == GIF_ERROR)
            return GifError::InvalidFileFormat;
        if (code == GRAPHICS_EXT_FUNC_CODE && block)
            readControl(block);
        const bool netscape = code == APPLICATION_EXT_FUNC_CODE && block && block[0] == 11 &&
                              std::memcmp(block + 1, "NETSCAPE2.0", 11) == 0;
        while (block) {
            if (DGifGetExtensionNext(gif_, &block) == GIF_ERROR)
                return GifError::InvalidFileFormat;
            if (netscape && block && block[0] >= 3 && block[1] == 1)
                loopCount = block[2] | (block[3] << 8);
        }
        return GifError::None;
    }

    void readControl(const GifByteType* block) {
        GraphicsControlBlock gcb{};
        if (DGifExtensionToGCB(block[0], block + 1, &gcb) == GIF_ERROR)
            return;
        // Disposal values 4 to 7 are undefined: treated as none.
        control_.disposal = gcb.DisposalMode >= 0 && gcb.DisposalMode <= 3 ? gcb.DisposalMode : 0;
        control_.delayMs = gcb.DelayTime * 10;
        control_.transparentIndex = gcb.TransparentColor;
    }

    GifFileType* gif_;
    FrameControl control_;
    std::int64_t totalPixels_ = 0;
    bool stopped_ = false;
};

std::int64_t scaled(std::int64_t value, std::int64_t num, std::int64_t den) {
    return den == 0 ? value : value * num / den;
}

QRect scaledRect(const GifFrame& f, const FrameScale& s) {
    const std::int64_t x0 = scaled(f.left, s.xNum, s.xDen), y0 = scaled(f.top, s.yNum, s.yDen);
    const std::int64_t x1 = scaled(f.left + f.width, s.xNum, s.xDen);
    const std::int64_t y1 = scaled(f.top + f.height, s.yNum, s.yDen);
    const auto clamp = [](std::int64_t v) {
        return int(std::clamp<std::int64_t>(v, -limits::kMaxPictureSide, limits::kMaxPictureSide));
    };
    return QRect(QPoint(clamp(x0), clamp(y0)), QPoint(clamp(x1) - 1, clamp(y1) - 1));
}

}  // namespace

QString gifErrorName(GifError error) {
    switch (error) {
        case GifError::None:
            return QStringLiteral("None");
        case GifError::OperationCancelled:
            return QStringLiteral("Operation Cancelled");
        case GifError::InternalError:
            return QStringLiteral("Internal Error");
        case GifError::InvalidFileFormat:
            return QStringLiteral("Invalid File Format");
        case GifError::TooManyColors:
            return QStringLiteral("Image contains too many Colors (>256)");
        case GifError::IndexOutOfBounds:
            return QStringLiteral("Index out of Bounds");
        case GifError::WindowsGdiError:
            return QStringLiteral("Windows GDI Error");
        case GifError::FileNotFound:
            return QStringLiteral("File not Found");
        case GifError::ResourceNotFound:
            return QStringLiteral("Resource not Found");
    }
    return QStringLiteral("Internal Error");
}

QString gifLoadFailedMessage(GifError error) {
    return QStringLiteral("Load Failed. Error Code = %1 [%2]")
        .arg(int(error))
        .arg(gifErrorName(error));
}

GifError AnimatedPicture::load(const QByteArray& data) {
    frames_.clear();
    size_ = {};
    loopCount_ = 1;
    MemoryInput input{&data};
    int openError = 0;
    GifFileType* gif = DGifOpen(&input, readFromMemory, &openError);
    if (!gif)
        return GifError::InvalidFileFormat;
    GifDecoder decoder(gif);
    const GifError result = decoder.run();
    int closeError = 0;
    DGifCloseFile(gif, &closeError);
    if (result == GifError::None) {
        frames_ = std::move(decoder.frames);
        size_ = decoder.size;
        loopCount_ = decoder.loopCount;
    }
    return result;
}

GifError AnimatedPicture::loadFile(const QString& hostPath) {
    QFile file(hostPath);
    if (!file.exists())
        return GifError::FileNotFound;
    if (!file.open(QIODevice::ReadOnly) || file.size() > limits::kMaxEntrySize)
        return GifError::InvalidFileFormat;
    return load(file.readAll());
}

int AnimatedPicture::longestDelayMs() const {
    int longest = 0;
    for (const GifFrame& f : frames_)
        longest = std::max(longest, f.delayMs);
    return longest;
}

QList<QImage> AnimatedPicture::composeFrames(int count, QSize canvasSize, QRgb fill,
                                             const FrameScale& scale) const {
    QList<QImage> composed;
    if (!limits::pictureSizeAllowed(canvasSize.width(), canvasSize.height()))
        return composed;
    const std::int64_t area = std::int64_t(canvasSize.width()) * canvasSize.height();
    count = int(std::clamp<std::int64_t>(
        count, 0, std::min<std::int64_t>(frameCount(), limits::kMaxComposedPixels / area)));
    if (count == 0)
        return composed;
    const int firstDisposal = frames_[0].disposal;
    for (int i = 0; i < count; ++i) {
        const GifFrame& f = frames_[i];
        const QImage* base = nullptr;
        if (i > 0 && (f.disposal == 0 || f.disposal == 1))
            base = &composed[i - 1];
        else if (i > 0 && ((f.disposal == 2 && firstDisposal == 0) ||
                           (f.disposal == 3 && firstDisposal == 1)))
            base = &composed[0];
        QImage canvas;
        if (base) {
            canvas = base->copy();
        } else {
            canvas = QImage(canvasSize, QImage::Format_ARGB32_Premultiplied);
            canvas.fill(QColor::fromRgba(fill));
        }
        if (!f.image.isNull()) {
            QPainter painter(&canvas);
            painter.drawImage(scaledRect(f, scale), f.image);
        }
        composed.append(std::move(canvas));
    }
    return composed;
}

QImage AnimatedPicture::composeFrame(int i) const {
    const QList<QImage> composed = composeFrames(i + 1, size_, 0);
    return composed.size() == i + 1 ? composed.last() : QImage();
}

}  // namespace ztv
