// Frame lists of characters and animations cut from a strip or taken from a GIF, and the
// strip's transparent colour.
#include "common/formats/LangLines.h"
#include "player/elements/FrameStrip.h"
#include "player/elements/PictureLoading.h"
#include "tests/engine/PagePlayFixture.h"
#include "tests/support/PictureMakers.h"

namespace ztv::test {
namespace {

class FrameStrip : public PagePlayFixture {
  protected:
    void startWith(const QStringList& settings) {
        writeSettings(settings);
        writePage(1, {});
        screen_ = QSize(1024, 1024);
        hosted_ = hostPreview();
    }
    // Three frames of 10 x 8: red, green, blue.
    static QImage strip(int frameWidth = 10) {
        QImage img(frameWidth * 3, 8, QImage::Format_RGB32);
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
        for (int i = 0; i < 3; ++i) {
            for (int x = 0; x < frameWidth; ++x) {
                for (int y = 0; y < 8; ++y) {
                    img.setPixel(i * frameWidth + x, y, colours[i].rgb());
                }
            }
        }
        return img;
    }
    QList<QImage> frames(const QString& name, const QByteArray& data, int count, QSize size) {
        QImage loaded(size.width() * count, size.height(), QImage::Format_RGB32);
        loaded.fill(Qt::black);
        EXPECT_TRUE(loadPicture(ElementRoles::of(hosted_->player), writeMedia(name, data), loaded,
                                false, kept_));
        return buildFrames(hosted_->player, kept_, loaded, count, size, std::nullopt);
    }
    QList<QImage> frames(const QImage& strip, int count, QSize size, std::optional<QRgb> mask) {
        return buildFrames(hosted_->player, kept_, strip, count, size, mask);
    }
    std::optional<QRgb> mask(int line, const QImage& picture) const {
        return maskColour(hosted_->player.language(), text(line), picture);
    }
    LoadedPicture kept_;
    std::unique_ptr<HostedPage> hosted_;
};

TEST_F(FrameStrip, AnExactBitmapStripIsCutIntoItsFrames) {
    startWith(settingsLines());
    const auto list = frames("s.bmp", makeBmp(strip()), 3, QSize(10, 8));
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0].pixel(5, 4), QColor(Qt::red).rgb());
    EXPECT_EQ(list[2].pixel(9, 7), QColor(Qt::blue).rgb());
}

TEST_F(FrameStrip, ABitmapOfAnotherSizeIsShownWholeInEveryFrame) {
    startWith(settingsLines());
    const auto list = frames("s.bmp", makeBmp(strip(4)), 3, QSize(10, 8));
    ASSERT_EQ(list.size(), 3);
    for (const QImage& frame : list) {
        EXPECT_EQ(frame.pixel(0, 0), QColor(Qt::red).rgb());
        EXPECT_EQ(frame.pixel(9, 7), QColor(Qt::blue).rgb());
    }
}

TEST_F(FrameStrip, AJpegStripIsAlwaysCut) {
    startWith(settingsLines());
    const auto list = frames("s.jpg", makeJpeg(strip(4), 100), 3, QSize(10, 8));
    ASSERT_EQ(list.size(), 3);
    EXPECT_GT(qGreen(list[1].pixel(5, 4)), 200);
    EXPECT_LT(qRed(list[1].pixel(5, 4)), 60);
}

TEST_F(FrameStrip, OnAStretchedDisplayABitmapIsCutAtTheDesignSize) {
    QStringList settings = settingsLines();
    settings[11] = QStringLiteral("oui");
    startWith(settings);  // 640 x 480 shown on 1024 x 768
    // Frames of 10 x 8 design pixels are 16 x 12.8 on the display.
    const auto list = frames("s.bmp", makeBmp(strip()), 3, QSize(16, 13));
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[1].pixel(0, 0), QColor(Qt::green).rgb());
    EXPECT_EQ(list[1].pixel(15, 12), QColor(Qt::green).rgb());
    EXPECT_EQ(list[2].pixel(8, 6), QColor(Qt::blue).rgb());
}

TEST_F(FrameStrip, AGifOfFiveFramesGivesTheFramesAsked) {
    startWith(settingsLines());
    GifTestPicture gif;
    gif.screen = QSize(10, 8);
    gif.globalPalette = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(9, 9, 9),
                         qRgb(255, 255, 0)};
    for (int i = 0; i < 5; ++i) {
        gif.frames.append(solidGifFrame(QRect(0, 0, 10, 8), i, 1, 10));
    }
    const auto list = frames("a.gif", makeGif(gif), 3, QSize(10, 8));
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[2].pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_FALSE(kept_.gif) << "used up by the frame list";
}

TEST_F(FrameStrip, AbsurdCountsAndSizesStayBounded) {
    startWith(settingsLines());
    EXPECT_TRUE(frames(strip(), 3, QSize(0, 8), std::nullopt).isEmpty());
    EXPECT_TRUE(frames(strip(), -2, QSize(10, 8), std::nullopt).isEmpty());
    EXPECT_TRUE(frames(strip(), 3, QSize(1 << 20, 1 << 20), std::nullopt).isEmpty());
    // No more frames than the strip has columns of pixels.
    EXPECT_EQ(frames(strip(), 2000000000, QSize(2, 2), std::nullopt).size(), 30);
}

TEST_F(FrameStrip, TheBottomLeftModeTakesThePixelThere) {
    startWith(settingsLines());
    QImage img = strip();
    img.setPixel(0, 7, qRgb(255, 0, 255));
    EXPECT_EQ(mask(lang::AppearanceCornerClear, img), qRgb(255, 0, 255));
    EXPECT_EQ(mask(lang::AppearanceWhiteClear, img), qRgb(255, 255, 255));
    EXPECT_EQ(mask(lang::AppearanceBlackClear, img), qRgb(0, 0, 0));
    EXPECT_EQ(mask(lang::AppearanceOpaque, img), std::nullopt);
    const auto list = frames(QImage(), 2, QSize(4, 4), qRgb(255, 0, 255));
    ASSERT_EQ(list.size(), 1);  // an empty strip gives one frame, filled with the mask colour
    EXPECT_EQ(list[0].pixel(1, 1), qRgb(255, 0, 255));
}

}  // namespace
}  // namespace ztv::test
