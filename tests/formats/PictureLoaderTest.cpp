#include "common/formats/PictureLoader.h"
#include "tests/support/PictureMakers.h"
#include "tests/support/ProjectWriter.h"

#include <gtest/gtest.h>

#include <limits>

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>

using namespace ztv;
using namespace ztv::test;

TEST(PictureLoader, KindFollowsTheExtensionWithoutRegardToCase) {
    EXPECT_EQ(pictureKindOf("\\images\\a.JpG"), PictureKind::Jpeg);
    EXPECT_EQ(pictureKindOf("a.jpeg"), PictureKind::Jpeg);
    EXPECT_EQ(pictureKindOf("a.bmp"), PictureKind::Bitmap);
    EXPECT_EQ(pictureKindOf("a.Ico"), PictureKind::Icon);
    EXPECT_EQ(pictureKindOf("a.wmf"), PictureKind::Metafile);
    EXPECT_EQ(pictureKindOf("a.EMF"), PictureKind::Metafile);
    EXPECT_EQ(pictureKindOf("a.giff"), PictureKind::Gif);
    EXPECT_EQ(pictureKindOf("a.png"), PictureKind::Other);
    EXPECT_EQ(pictureKindOf("noextension"), PictureKind::Other);
}

TEST(PictureLoader, BitmapAndOtherFormatsKeepEveryPixel) {
    const QImage original = patternImage(33, 17);
    const Picture bmp = decodePicture(makeBmp(original), PictureKind::Bitmap);
    ASSERT_TRUE(bmp.ok());
    EXPECT_EQ(bmp.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(bmp.image, original);

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(original);
    const Picture detected = decodePicture(png, PictureKind::Other);
    ASSERT_TRUE(detected.ok());
    EXPECT_EQ(detected.image, original);
}

TEST(PictureLoader, IconKeepsItsTransparency) {
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int i = 0; i < 16; ++i)
        icon.setPixel(i, i, qRgba(255, 0, 0, 255));
    const Picture loaded = decodePicture(makeIco(icon), PictureKind::Icon);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.image.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(loaded.image.size(), QSize(16, 16));
    EXPECT_EQ(loaded.image.pixel(3, 3), qRgba(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(loaded.image.pixel(3, 4)), 0);
}

TEST(PictureLoader, JpegAndGifGoThroughTheirDecoders) {
    const Picture jpeg = decodePicture(makeJpeg(patternImage(40, 30)), PictureKind::Jpeg);
    ASSERT_TRUE(jpeg.ok());
    EXPECT_EQ(jpeg.image.size(), QSize(40, 30));

    GifTestPicture gif{QSize(4, 2), {qRgb(0, 0, 255), qRgb(255, 255, 0)}, {}, {}};
    gif.frames = {solidGifFrame(QRect(0, 0, 4, 2), 1)};
    const Picture first = decodePicture(makeGif(gif), PictureKind::Gif);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first.image.pixel(3, 1), qRgb(255, 255, 0));
}

TEST(PictureLoader, BrokenFilesOfEveryKindFail) {
    const QByteArray bmp = makeBmp(patternImage(20, 20));
    const QByteArray ico = makeIco(patternImage(16, 16));
    EXPECT_FALSE(decodePicture(bmp.left(40), PictureKind::Bitmap).ok());
    EXPECT_FALSE(decodePicture(bmp.left(bmp.size() - 1), PictureKind::Bitmap).ok())
        << "rows that were never read must not be shown";
    EXPECT_FALSE(decodePicture(ico.left(30), PictureKind::Icon).ok());
    EXPECT_FALSE(decodePicture("garbage", PictureKind::Bitmap).ok());
    EXPECT_FALSE(decodePicture("garbage", PictureKind::Icon).ok());
    EXPECT_FALSE(decodePicture("garbage", PictureKind::Other).ok());
    EXPECT_FALSE(decodePicture("GIF89a", PictureKind::Gif).ok());
    EXPECT_FALSE(decodePicture(bmp, PictureKind::Jpeg).ok());  // a bitmap named .JPG
    // No maintained metafile renderer: a metafile is always a failure the caller reports.
    EXPECT_EQ(decodePicture(bmp, PictureKind::Metafile).status, PictureStatus::Unreadable);
}

TEST(PictureLoader, BitmapWithAbsurdHeaderSizeIsRefused) {
    QByteArray bmp = makeBmp(patternImage(8, 8));
    qToLittleEndian<qint32>(60000, bmp.data() + 18);  // width
    qToLittleEndian<qint32>(60000, bmp.data() + 22);  // height
    const Picture loaded = decodePicture(bmp, PictureKind::Bitmap);
    EXPECT_FALSE(loaded.ok());
    EXPECT_TRUE(loaded.image.isNull());
    // Extreme fields must not overflow the check of the rows' size.
    qToLittleEndian<qint32>(std::numeric_limits<qint32>::min(), bmp.data() + 18);
    qToLittleEndian<qint32>(std::numeric_limits<qint32>::max(), bmp.data() + 22);
    qToLittleEndian<quint16>(0xffff, bmp.data() + 28);
    EXPECT_FALSE(decodePicture(bmp, PictureKind::Bitmap).ok());
}

TEST(PictureLoader, FilesAreReadByTheirExtension) {
    QTemporaryDir dir;
    ProjectWriter writer(dir.path());
    const QString jpg = writer.writeBytes("photo.JPG", makeJpeg(patternImage(24, 12)));
    const Picture loaded = loadPictureFile(jpg);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.image.size(), QSize(24, 12));
    EXPECT_EQ(loadPictureFile(dir.filePath("missing.bmp")).status, PictureStatus::CannotOpen);
    const QString misnamed = writer.writeBytes("photo.bmp", makeJpeg(patternImage(4, 4)));
    EXPECT_EQ(loadPictureFile(misnamed).status, PictureStatus::Unreadable);
}
