// Colour reduction for GIF frames, and the animated GIFs we write read back by our reader and
// by giflib's own.
#include "common/formats/AnimatedPicture.h"
#include "common/formats/ColourError.h"
#include "common/formats/ColourQuantiser.h"
#include "common/formats/GifWriter.h"

#include <gtest/gtest.h>

#include <QSet>
#include <algorithm>
#include <cmath>
#include <cstring>

#include <gif_lib.h>

using namespace ztv;

namespace {

// Smooth hues across, light down, and a soft ripple: thousands of colours, like a photograph.
QImage photoLikeGradient(int width, int height, int seed = 0) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double ripple = 20 * std::sin((x + 3 * seed) / 7.0) * std::cos(y / 11.0);
            image.setPixel(x, y,
                           qRgb(std::clamp(int(255.0 * x / width + ripple), 0, 255),
                                std::clamp(int(255.0 * y / height - ripple), 0, 255),
                                (x + y + 40 * seed) % 256));
        }
    }
    return image;
}

QImage expanded(const IndexedFrame& frame) {
    QImage image(frame.width, frame.height, QImage::Format_RGB32);
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            image.setPixel(x, y, frame.palette[frame.indexAt(x, y)]);
        }
    }
    return image;
}

int countColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return int(colours.size());
}

}  // namespace

TEST(ColourQuantiser, PhotoLikeGradientStaysCloseToItsSource) {
    const QImage source = photoLikeGradient(240, 180);
    ASSERT_GT(countColours(source), 5000);
    const IndexedFrame frame = quantiseFrame(source);
    ASSERT_LE(frame.palette.size(), 256);
    EXPECT_EQ(frame.transparentIndex, -1);
    const double ours = meanColourError(source, expanded(frame));
    EXPECT_LT(ours, 10.0);
    // Qt's own reduction to 8 bits is the floor we must beat.
    const QImage byQt = source.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
    EXPECT_LT(ours, meanColourError(source, byQt)) << "ours " << ours;
}

TEST(ColourQuantiser, TransparentColourGetsAnIndexNoOtherPixelTakes) {
    // A key colour in the middle of the gradient's own colours: dithering must not punch holes.
    QImage source = photoLikeGradient(120, 90);
    const QRgb key = source.pixel(60, 45);
    for (int y = 30; y < 60; ++y) {
        for (int x = 40; x < 80; ++x) {
            source.setPixel(x, y, key);
        }
    }
    const IndexedFrame frame = quantiseFrame(source, key);
    ASSERT_GE(frame.transparentIndex, 0);
    EXPECT_EQ(frame.palette[frame.transparentIndex], key);
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            EXPECT_EQ(frame.indexAt(x, y) == frame.transparentIndex, source.pixel(x, y) == key)
                << x << "," << y;
        }
    }
}

TEST(ColourQuantiser, FewColoursAndOddFramesStayExact) {
    struct Case {
        const char* name;
        QImage frame;
        bool transparent;
    };
    QImage twoColours(5, 3, QImage::Format_RGB32);
    twoColours.fill(qRgb(10, 20, 30));
    twoColours.setPixel(0, 2, qRgb(200, 100, 0));
    QImage allKey(4, 4, QImage::Format_RGB32);
    allKey.fill(qRgb(1, 2, 3));
    QImage many(16, 16, QImage::Format_ARGB32);
    for (int i = 0; i < 256; ++i) {
        many.setPixel(i % 16, i / 16, qRgba(i, 255 - i, (i * 7) % 256, 255));
    }
    const Case cases[] = {
        {"two colours", twoColours, false},
        {"two colours, one transparent", twoColours, true},
        {"every pixel transparent", allKey, true},
        {"256 colours in ARGB", many, false},
    };
    for (const Case& c : cases) {
        const std::optional<QRgb> key =
            c.transparent ? std::optional<QRgb>(c.frame.pixel(0, c.frame.height() - 1))
                          : std::nullopt;
        const IndexedFrame frame = quantiseFrame(c.frame, key);
        ASSERT_LE(frame.palette.size(), 256) << c.name;
        EXPECT_EQ(expanded(frame), c.frame.convertToFormat(QImage::Format_RGB32)) << c.name;
    }
}

// Three photo-like frames through our writer, read back frame for frame by our reader and by
// giflib's, with the loop count and the delays kept.
TEST(GifWriter, PhotoFramesReadBackByOurReaderAndByGiflib) {
    QList<QImage> frames;
    for (int i = 0; i < 3; ++i) {
        frames.append(photoLikeGradient(64, 48, i));
    }
    const QByteArray data = encodeAnimatedGif(frames, GifWriteOptions{5, 120, false});
    ASSERT_FALSE(data.isEmpty());

    AnimatedPicture ours;
    ASSERT_EQ(ours.load(data), GifError::None);
    ASSERT_EQ(ours.frameCount(), 3);
    EXPECT_EQ(ours.loopCount(), 5);

    struct Reader {
        const QByteArray& data;
        int at = 0;
    } reader{data};
    const auto read = [](GifFileType* gif, GifByteType* out, int length) {
        auto* r = static_cast<Reader*>(gif->UserData);
        const int n = std::min(length, int(r->data.size()) - r->at);
        std::memcpy(out, r->data.constData() + r->at, std::size_t(n));
        r->at += n;
        return n;
    };
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, read, &error);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    ASSERT_EQ(gif->ImageCount, 3);
    bool loopSeen = false;
    for (int e = 0; e + 1 < gif->SavedImages[0].ExtensionBlockCount; ++e) {
        const ExtensionBlock& block = gif->SavedImages[0].ExtensionBlocks[e];
        if (block.Function == APPLICATION_EXT_FUNC_CODE &&
            QByteArray(reinterpret_cast<char*>(block.Bytes), block.ByteCount) == "NETSCAPE2.0") {
            const ExtensionBlock& sub = gif->SavedImages[0].ExtensionBlocks[e + 1];
            loopSeen = sub.Bytes[1] == 5 && sub.Bytes[2] == 0;
        }
    }
    EXPECT_TRUE(loopSeen);
    for (int i = 0; i < 3; ++i) {
        GraphicsControlBlock control{};
        ASSERT_EQ(DGifSavedExtensionToGCB(gif, i, &control), GIF_OK);
        EXPECT_EQ(control.DelayTime, 12) << i;
        EXPECT_EQ(ours.frame(i).delayMs, 120) << i;
        const SavedImage& image = gif->SavedImages[i];
        ASSERT_NE(image.ImageDesc.ColorMap, nullptr);
        QImage byGiflib(64, 48, QImage::Format_RGB32);
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 64; ++x) {
                const GifColorType c =
                    image.ImageDesc.ColorMap->Colors[image.RasterBits[y * 64 + x]];
                byGiflib.setPixel(x, y, qRgb(c.Red, c.Green, c.Blue));
            }
        }
        EXPECT_EQ(byGiflib, ours.frame(i).image.convertToFormat(QImage::Format_RGB32)) << i;
        EXPECT_LT(meanColourError(byGiflib, frames[i]), 8.0) << i;
    }
    DGifCloseFile(gif, &error);
}
