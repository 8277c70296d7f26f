#include "common/formats/AnimatedPicture.h"
#include "common/formats/GifWriter.h"
#include "tests/support/PictureMakers.h"
#include "tests/support/ProjectWriter.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace ztv;
using namespace ztv::test;

namespace {

const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0), kBlue = qRgb(0, 0, 255),
           kWhite = qRgb(255, 255, 255);
const QList<QRgb> kPalette = {kRed, kGreen, kBlue, kWhite};

// Five frames on a 10 x 8 screen, each a 2 x 2 square of its own colour further right.
GifTestPicture fiveFrames() {
    GifTestPicture gif{QSize(10, 8), kPalette, 3, {}};
    for (int i = 0; i < 5; ++i)
        gif.frames.append(solidGifFrame(QRect(2 * i, 1, 2, 2), i % 4, i % 2, 10 * (i + 1)));
    return gif;
}

AnimatedPicture loaded(const QByteArray& data) {
    AnimatedPicture gif;
    EXPECT_EQ(gif.load(data), GifError::None);
    return gif;
}

}  // namespace

TEST(AnimatedPicture, DecodesEveryFrameWithItsPlaceDelayAndDisposal) {
    const AnimatedPicture gif = loaded(makeGif(fiveFrames()));
    ASSERT_EQ(gif.frameCount(), 5);
    EXPECT_TRUE(gif.hasSeveralFrames());
    EXPECT_EQ(gif.size(), QSize(10, 8));
    EXPECT_EQ(gif.loopCount(), 3);
    for (int i = 0; i < 5; ++i) {
        const GifFrame& f = gif.frame(i);
        EXPECT_EQ(f.rect(), QRect(2 * i, 1, 2, 2)) << i;
        EXPECT_EQ(f.delayMs, 100 * (i + 1)) << i;
        EXPECT_EQ(f.disposal, i % 2) << i;
        EXPECT_EQ(f.image.format(), QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(f.image.pixel(1, 1), kPalette[i % 4]) << i;
        EXPECT_FALSE(f.transparentColour.has_value());
    }
    EXPECT_EQ(gif.longestDelayMs(), 500);
}

TEST(AnimatedPicture, SingleFrameWithoutLoopBlockPlaysOnce) {
    GifTestPicture one{QSize(3, 3), kPalette, {}, {solidGifFrame(QRect(0, 0, 3, 3), 2)}};
    const AnimatedPicture gif = loaded(makeGif(one));
    EXPECT_EQ(gif.frameCount(), 1);
    EXPECT_FALSE(gif.hasSeveralFrames());
    EXPECT_EQ(gif.loopCount(), 1);
    one.loopCount = 0;
    EXPECT_EQ(loaded(makeGif(one)).loopCount(), 0);
}

TEST(AnimatedPicture, TransparentIndexAndLocalPaletteAndInterlace) {
    GifTestFrame frame;
    frame.rect = QRect(0, 0, 2, 9);
    frame.localPalette = {kBlue, kWhite};
    frame.transparentIndex = 1;
    frame.interlaced = true;
    for (int y = 0; y < 9; ++y)
        frame.indexes.append(QByteArray(2, char(y % 2)));  // even rows blue, odd transparent
    const AnimatedPicture gif = loaded(makeGif({QSize(2, 9), kPalette, {}, {frame}}));
    const GifFrame& f = gif.frame(0);
    ASSERT_EQ(f.transparentColour, std::optional<QRgb>(kWhite));
    for (int y = 0; y < 9; ++y)
        EXPECT_EQ(f.image.pixel(0, y), y % 2 ? 0u : kBlue) << y;
}

TEST(AnimatedPicture, FramesPastTheScreenAreClippedAndAZeroScreenTakesTheFrame) {
    GifTestPicture gif{QSize(4, 4), kPalette, {}, {solidGifFrame(QRect(2, 3, 5, 5), 1)}};
    const AnimatedPicture clipped = loaded(makeGif(gif));
    EXPECT_EQ(clipped.frame(0).rect(), QRect(2, 3, 2, 1));
    EXPECT_EQ(clipped.frame(0).image.size(), QSize(2, 1));

    gif.screen = QSize(0, 0);
    const AnimatedPicture grown = loaded(makeGif(gif));
    EXPECT_EQ(grown.size(), QSize(7, 8));
    EXPECT_EQ(grown.frame(0).rect(), QRect(2, 3, 5, 5));
}

TEST(AnimatedPicture, ComposesByTheDisposalRules) {
    // Frame 0 (disposal 0) fills the screen red; later frames put one green pixel each.
    GifTestPicture gif{QSize(4, 1), kPalette, {}, {solidGifFrame(QRect(0, 0, 4, 1), 0)}};
    gif.frames.append(solidGifFrame(QRect(1, 0, 1, 1), 1, 1));  // keep: over frame 0
    gif.frames.append(solidGifFrame(QRect(2, 0, 1, 1), 1, 0));  // none: over frame 1
    gif.frames.append(solidGifFrame(QRect(3, 0, 1, 1), 1, 2));  // background, first was 0
    gif.frames.append(solidGifFrame(QRect(0, 0, 1, 1), 1, 3));  // previous, first was not 1
    const QList<QImage> composed = loaded(makeGif(gif)).composeFrames(5, QSize(4, 1), kWhite);
    ASSERT_EQ(composed.size(), 5);
    auto row = [](const QImage& image) {
        QList<QRgb> pixels;
        for (int x = 0; x < image.width(); ++x)
            pixels.append(image.pixel(x, 0));
        return pixels;
    };
    EXPECT_EQ(row(composed[0]), QList<QRgb>({kRed, kRed, kRed, kRed}));
    EXPECT_EQ(row(composed[1]), QList<QRgb>({kRed, kGreen, kRed, kRed}));
    EXPECT_EQ(row(composed[2]), QList<QRgb>({kRed, kGreen, kGreen, kRed}));
    EXPECT_EQ(row(composed[3]), QList<QRgb>({kRed, kRed, kRed, kGreen}));
    EXPECT_EQ(row(composed[4]), QList<QRgb>({kGreen, kWhite, kWhite, kWhite}));

    // With a first frame that keeps (1), disposal 3 goes over frame 0 and 2 over the fill.
    gif.frames[0].disposal = 1;
    const QList<QImage> kept = loaded(makeGif(gif)).composeFrames(5, QSize(4, 1), kWhite);
    EXPECT_EQ(row(kept[3]), QList<QRgb>({kWhite, kWhite, kWhite, kGreen}));
    EXPECT_EQ(row(kept[4]), QList<QRgb>({kGreen, kRed, kRed, kRed}));
}

TEST(AnimatedPicture, ComposesOnlyTheFramesAskedForAndScalesTheirPlace) {
    const AnimatedPicture gif = loaded(makeGif(fiveFrames()));
    EXPECT_EQ(gif.composeFrames(3, QSize(10, 8), 0).size(), 3);
    EXPECT_EQ(gif.composeFrames(99, QSize(10, 8), 0).size(), 5);
    EXPECT_TRUE(gif.composeFrames(3, QSize(0, 8), 0).isEmpty());
    // Twice as large: frame 2 (blue, at 4,1) covers (8,2)-(11,5).
    const QList<QImage> big = gif.composeFrames(3, QSize(20, 16), kWhite, FrameScale{2, 1, 2, 1});
    EXPECT_EQ(big[2].pixel(8, 2), kBlue);
    EXPECT_EQ(big[2].pixel(11, 5), kBlue);
    EXPECT_EQ(big[2].pixel(12, 5), kWhite);
    EXPECT_EQ(gif.composeFrame(1).pixel(3, 2), kGreen);
}

TEST(AnimatedPicture, ErrorNamesAndMessage) {
    EXPECT_EQ(gifErrorName(GifError::None), "None");
    EXPECT_EQ(gifErrorName(GifError::OperationCancelled), "Operation Cancelled");
    EXPECT_EQ(gifErrorName(GifError::InternalError), "Internal Error");
    EXPECT_EQ(gifErrorName(GifError::InvalidFileFormat), "Invalid File Format");
    EXPECT_EQ(gifErrorName(GifError::TooManyColors), "Image contains too many Colors (>256)");
    EXPECT_EQ(gifErrorName(GifError::IndexOutOfBounds), "Index out of Bounds");
    EXPECT_EQ(gifErrorName(GifError::WindowsGdiError), "Windows GDI Error");
    EXPECT_EQ(gifErrorName(GifError::FileNotFound), "File not Found");
    EXPECT_EQ(gifErrorName(GifError::ResourceNotFound), "Resource not Found");
    EXPECT_EQ(gifLoadFailedMessage(GifError::InvalidFileFormat),
              "Load Failed. Error Code = 3 [Invalid File Format]");
}

TEST(AnimatedPicture, BrokenFilesAreInvalidFileFormat) {
    const QByteArray good = makeGif(fiveFrames());
    AnimatedPicture gif;
    EXPECT_EQ(gif.load({}), GifError::InvalidFileFormat);
    EXPECT_EQ(gif.load("GIF89a"), GifError::InvalidFileFormat);
    EXPECT_EQ(gif.load("\x89PNG not a gif"), GifError::InvalidFileFormat);
    EXPECT_EQ(gif.load(good.left(60)), GifError::InvalidFileFormat);  // inside the first frame
    EXPECT_EQ(gif.frameCount(), 0);
    for (qsizetype cut = 1; cut < good.size(); ++cut)
        gif.load(good.left(cut));  // must never crash, whatever it decides

    GifTestPicture noPalette{QSize(2, 2), {}, {}, {solidGifFrame(QRect(0, 0, 2, 2), 0)}};
    EXPECT_EQ(gif.load(makeGif(noPalette)), GifError::InvalidFileFormat);
    GifTestPicture noFrames{QSize(2, 2), kPalette, 0, {}};
    EXPECT_EQ(gif.load(makeGif(noFrames)), GifError::InvalidFileFormat);

    QTemporaryDir dir;
    EXPECT_EQ(gif.loadFile(dir.filePath("missing.gif")), GifError::FileNotFound);
}

TEST(AnimatedPicture, MissingTrailerKeepsTheCompleteFrames) {
    GifTestPicture gif = fiveFrames();
    gif.trailer = false;
    EXPECT_EQ(loaded(makeGif(gif)).frameCount(), 5);
}

TEST(AnimatedPicture, AbsurdSizesAreRefusedBeforeAllocating) {
    GifTestPicture hugeScreen{
        QSize(65535, 65535), kPalette, {}, {solidGifFrame(QRect(0, 0, 2, 2), 0)}};
    AnimatedPicture gif;
    EXPECT_EQ(gif.load(makeGif(hugeScreen)), GifError::InvalidFileFormat);
    // A frame declaring 65535 x 65535 pixels, with almost no data behind it.
    GifTestPicture hugeFrame{QSize(4, 4), kPalette, {}, {solidGifFrame(QRect(0, 0, 1, 1), 0)}};
    QByteArray bytes = makeGif(hugeFrame);
    const qsizetype desc = bytes.indexOf(char(0x2C), 13 + 12);
    ASSERT_GT(desc, 0);
    bytes[desc + 5] = bytes[desc + 6] = bytes[desc + 7] = bytes[desc + 8] = char(0xFF);
    EXPECT_EQ(gif.load(bytes), GifError::InvalidFileFormat);
}

TEST(AnimatedPicture, FrameCountIsCapped) {
    GifTestPicture many{QSize(1, 1), kPalette, 0, {}};
    many.frames = QList<GifTestFrame>(4100, solidGifFrame(QRect(0, 0, 1, 1), 1));
    EXPECT_EQ(loaded(makeGif(many)).frameCount(), 4096);
}

TEST(GifWriter, WritesFramesDelaysLoopsAndTransparency) {
    QList<QImage> frames;
    for (QRgb colour : {kRed, kGreen, kBlue}) {
        QImage frame(6, 4, QImage::Format_RGB32);
        frame.fill(colour);
        frame.setPixel(0, 3, kWhite);  // bottom-left: the transparent colour
        frames.append(frame);
    }
    const QByteArray data = encodeAnimatedGif(frames, GifWriteOptions{7, 250, true});
    ASSERT_TRUE(data.startsWith("GIF89a"));
    const AnimatedPicture gif = loaded(data);
    ASSERT_EQ(gif.frameCount(), 3);
    EXPECT_EQ(gif.loopCount(), 7);
    EXPECT_EQ(gif.size(), QSize(6, 4));
    for (int i = 0; i < 3; ++i) {
        const GifFrame& f = gif.frame(i);
        EXPECT_EQ(f.delayMs, 250);
        EXPECT_EQ(f.disposal, 2);
        EXPECT_EQ(f.transparentColour, std::optional<QRgb>(kWhite));
        EXPECT_EQ(f.image.pixel(0, 3), 0u);
        EXPECT_EQ(f.image.pixel(5, 0), frames[i].pixel(5, 0));
    }
    // Qt's own reader agrees on the first frame.
    QImage byQt;
    ASSERT_TRUE(byQt.loadFromData(data, "GIF"));
    EXPECT_EQ(byQt.pixel(3, 1), kRed);
}

TEST(GifWriter, OpaqueFramesKeepUpTo256Colours) {
    QImage frame(16, 16, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i)
        frame.setPixel(i % 16, i / 16, qRgb(i, 255 - i, (i * 7) % 256));
    const AnimatedPicture gif = loaded(encodeAnimatedGif({frame}, {}));
    EXPECT_EQ(gif.loopCount(), 1000);
    EXPECT_EQ(gif.frame(0).delayMs, 200);
    EXPECT_FALSE(gif.frame(0).transparentColour.has_value());
    EXPECT_EQ(gif.frame(0).image.convertToFormat(QImage::Format_RGB32), frame);
}

TEST(GifWriter, RefusesWhatItCannotWrite) {
    QImage small(2, 2, QImage::Format_RGB32);
    small.fill(kRed);
    int error = 0;
    EXPECT_TRUE(encodeAnimatedGif({}, {}, &error).isEmpty());
    EXPECT_NE(error, 0);
    EXPECT_TRUE(encodeAnimatedGif(QList<QImage>(257, small), {}, &error).isEmpty());
    EXPECT_NE(error, 0);
    EXPECT_TRUE(
        encodeAnimatedGif({small, QImage(3, 2, QImage::Format_RGB32)}, {}, &error).isEmpty());
    EXPECT_FALSE(encodeAnimatedGif(QList<QImage>(256, small), {}, &error).isEmpty());
    EXPECT_EQ(error, 0);

    QTemporaryDir dir;
    EXPECT_EQ(writeAnimatedGif(dir.filePath("a.gif"), {small}, {}), 0);
    EXPECT_EQ(loaded(readBytes(dir.filePath("a.gif"))).frameCount(), 1);
    EXPECT_NE(writeAnimatedGif(dir.filePath("no/such/folder/a.gif"), {small}, {}), 0);
}
