#include "tools/effects/EffectGallery.h"
#include "tools/ztvtool/ZtvTool.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

namespace ztv {
namespace {

TEST(EffectGallery, TransitionPicturesFollowTheEffectList) {
    QTemporaryDir tmp;
    const QString dir = tmp.filePath("transitions");
    QString error;
    ASSERT_TRUE(gallery::writeTransitionPictures(dir, &error)) << error.toStdString();
    const QSize size(96, 72);
    const QImage picture = gallery::samplePicture(size);
    const QImage background = gallery::sampleBackground(size);
    // Entry 0 is "no effect": the whole picture. Entry 3 is the upward wipe caught halfway.
    EXPECT_EQ(QImage(QDir(dir).filePath("0.bmp")).convertedTo(QImage::Format_RGB32), picture);
    const QImage wipe = QImage(QDir(dir).filePath("1.bmp")).convertedTo(QImage::Format_RGB32);
    EXPECT_EQ(wipe.copy(0, 36, 96, 36), picture.copy(0, 36, 96, 36));
    EXPECT_EQ(wipe.copy(0, 0, 96, 36), background.copy(0, 0, 96, 36));
    for (int n = 0; n <= 59; ++n) {
        EXPECT_EQ(QImage(QDir(dir).filePath(QString("%1.bmp").arg(n))).size(), size) << n;
    }
    // Entry 59 is the cross-fade, halfway between the page and the picture.
    const QImage fade = QImage(QDir(dir).filePath("59.bmp")).convertedTo(QImage::Format_RGB32);
    const QRgb p = picture.pixel(10, 10);
    const QRgb b = background.pixel(10, 10);
    EXPECT_EQ(qRed(fade.pixel(10, 10)), qRed(b) / 2 + qRed(p) / 2);
    EXPECT_FALSE(QFile::exists(QDir(dir).filePath("60.bmp")));
}

TEST(EffectGallery, ZtvtoolRendersEveryEffectAtThreePositions) {
    QTemporaryDir tmp;
    QString out, err;
    QTextStream o(&out), e(&err);
    ASSERT_EQ(tool::run({"effects", tmp.path()}, o, e), 0) << err.toStdString();
    EXPECT_EQ(out.count('\n'), 60);
    EXPECT_EQ(QDir(tmp.path()).entryList({"*.png"}).size(), 60 * 3);
    // The rightward wipe: a quarter, a half, three quarters of the picture.
    const QImage picture = gallery::samplePicture(QSize(320, 240));
    for (const auto& [percent, width] : {std::pair{25, 80}, {50, 160}, {75, 240}}) {
        const QImage shot = QImage(tmp.filePath(QString("effect03-%1.png").arg(percent)))
                                .convertedTo(QImage::Format_RGB32);
        EXPECT_EQ(shot.copy(0, 0, width, 240), picture.copy(0, 0, width, 240)) << percent;
        EXPECT_NE(shot.copy(width, 0, 320 - width, 240), picture.copy(width, 0, 320 - width, 240));
    }
    EXPECT_EQ(tool::run({"effects", "/proc/no-such/place"}, o, e), 1);
}

}  // namespace
}  // namespace ztv
