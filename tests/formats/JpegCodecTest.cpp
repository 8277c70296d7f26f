#include "common/formats/JpegCodec.h"
#include "tests/support/PictureMakers.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace ztv;
using ztv::test::makeJpeg;
using ztv::test::patternImage;

namespace {

// Mean channel difference between two pictures of the same size (a lossy codec blurs the
// sharp block edges of the pattern, so the largest difference says little).
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

// Replaces the height and width of the first frame header (SOF0 or SOF2).
QByteArray withDeclaredSize(QByteArray jpeg, int width, int height) {
    for (qsizetype i = 0; i + 9 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 5] = char(height >> 8);
            jpeg[i + 6] = char(height & 0xFF);
            jpeg[i + 7] = char(width >> 8);
            jpeg[i + 8] = char(width & 0xFF);
            return jpeg;
        }
    }
    ADD_FAILURE() << "no frame header";
    return jpeg;
}

}  // namespace

TEST(JpegCodec, DecodesBaselineAndProgressiveToRgb32) {
    const QImage original = patternImage(96, 64);
    for (bool progressive : {false, true}) {
        const auto decoded = jpeg::decode(makeJpeg(original, 95, progressive));
        ASSERT_TRUE(decoded.has_value()) << progressive;
        EXPECT_EQ(decoded->format(), QImage::Format_RGB32);
        ASSERT_EQ(decoded->size(), original.size());
        EXPECT_LT(meanDifference(*decoded, original), 6);
        EXPECT_EQ(qAlpha(decoded->pixel(5, 5)), 255);
    }
}

TEST(JpegCodec, DecodesGreyscale) {
    QImage grey = patternImage(32, 16).convertToFormat(QImage::Format_Grayscale8);
    const auto decoded = jpeg::decode(makeJpeg(grey, 95));
    ASSERT_TRUE(decoded.has_value());
    const QRgb p = decoded->pixel(20, 10);
    EXPECT_EQ(qRed(p), qGreen(p));
    EXPECT_EQ(qGreen(p), qBlue(p));
    EXPECT_LE(std::abs(qRed(p) - qGray(grey.pixel(20, 10))), 8);
}

TEST(JpegCodec, DecodesAdobeCmyk) {
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    red.setPixel(8, 8, qRgb(0, 0, 255));
    const auto decoded = jpeg::decode(test::makeCmykJpeg(red));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_LT(meanDifference(*decoded, red), 6);
    EXPECT_EQ(decoded->format(), QImage::Format_RGB32);
}

TEST(JpegCodec, EncodedFilesReadBackInQtAndOurs) {
    const QImage original = patternImage(80, 60);
    const QByteArray good = jpeg::encode(original, 95);
    const QByteArray poor = jpeg::encode(original, 10);
    ASSERT_FALSE(good.isEmpty());
    EXPECT_LT(poor.size(), good.size());
    QImage byQt;
    ASSERT_TRUE(byQt.loadFromData(good, "JPEG"));
    EXPECT_LT(meanDifference(byQt, original), 6);
    const auto ours = jpeg::decode(good);
    ASSERT_TRUE(ours.has_value());
    EXPECT_LT(meanDifference(*ours, byQt.convertToFormat(QImage::Format_RGB32)), 1);
}

TEST(JpegCodec, EncodeFlattensTransparencyOntoWhite) {
    QImage clear(8, 8, QImage::Format_ARGB32_Premultiplied);
    clear.fill(Qt::transparent);
    const auto decoded = jpeg::decode(jpeg::encode(clear));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_GE(qRed(decoded->pixel(4, 4)), 250);
}

TEST(JpegCodec, CorruptOrTruncatedDataIsAFailure) {
    const QByteArray good = makeJpeg(patternImage(64, 64), 90);
    EXPECT_FALSE(jpeg::decode({}).has_value());
    EXPECT_FALSE(jpeg::decode("not a jpeg at all").has_value());
    EXPECT_FALSE(jpeg::decode(good.left(good.size() / 2)).has_value());
    EXPECT_FALSE(jpeg::decode(good.left(20)).has_value());
    QByteArray scrambled = good;
    for (qsizetype i = 0; i < 200 && i < scrambled.size(); ++i)
        scrambled[i] = char(i * 7);
    EXPECT_FALSE(jpeg::decode(scrambled).has_value());
}

TEST(JpegCodec, AbsurdDeclaredSizesAreRefusedBeforeDecoding) {
    const QByteArray good = makeJpeg(patternImage(16, 16), 90);
    ASSERT_TRUE(jpeg::decode(withDeclaredSize(good, 16, 16)).has_value());
    EXPECT_FALSE(jpeg::decode(withDeclaredSize(good, 20000, 16)).has_value());     // side cap
    EXPECT_FALSE(jpeg::decode(withDeclaredSize(good, 10000, 10000)).has_value());  // area cap
    EXPECT_FALSE(jpeg::decode(withDeclaredSize(good, 65535, 65535)).has_value());
    // Short files are judged by their blocks: a plain picture codes them in very few bits.
    QImage plain(1600, 1200, QImage::Format_RGB32);
    plain.fill(Qt::darkCyan);
    EXPECT_TRUE(jpeg::decode(makeJpeg(plain, 90, true)).has_value()) << "a plain big picture";
}
