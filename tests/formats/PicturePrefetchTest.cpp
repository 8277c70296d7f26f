// Pictures decoded ahead on other threads: the same pixels as the loader gives, handed over in
// any order, and nothing handed over that the caller must load and report itself.
#include "common/formats/PicturePrefetch.h"
#include "tests/support/PictureMakers.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTransform>

#include <sys/stat.h>

namespace ztv {
namespace {

class PicturePrefetchTest : public ::testing::Test {
  protected:
    QString write(const QString& name, const QByteArray& data) const {
        QFile file(tmp.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
        return file.fileName();
    }
    std::optional<QImage> take(const QString& path) {
        return prefetch.take(path, pictureKindOf(path));
    }
    QTemporaryDir tmp;
    PicturePrefetch prefetch;
};

TEST_F(PicturePrefetchTest, HandsOverTheLoadersPixelsInAnyOrderAsOftenAsListed) {
    QStringList paths;
    for (int i = 0; i < 12; ++i) {
        const QImage picture =
            test::patternImage(300 + i, 200).transformed(QTransform().rotate(90 * i));
        paths.append(write(QStringLiteral("p%1.jpg").arg(i), test::makeJpeg(picture, 60 + i)));
    }
    paths.append(write("b.BMP", test::makeBmp(test::patternImage(64, 48))));
    paths.append(write("i.ico", test::makeIco(test::patternImage(32, 32))));
    prefetch.start(paths + QStringList{paths[3]});

    // The last ones first: most are still queued, so the asking thread decodes them itself.
    for (auto it = paths.crbegin(); it != paths.crend(); ++it) {
        const auto picture = take(*it);
        ASSERT_TRUE(picture) << it->toStdString();
        EXPECT_EQ(*picture, loadPictureFile(*it).image) << it->toStdString();
    }
    EXPECT_TRUE(take(paths[3])) << "listed twice, handed over twice";
    EXPECT_FALSE(take(paths[3]));
}

TEST_F(PicturePrefetchTest, LeavesFailuresOtherKindsAndOtherPagesToTheCaller) {
    const QByteArray jpeg = test::makeJpeg(test::patternImage(80, 60));
    const QString good = write("good.jpg", jpeg);
    const QString cut = write("cut.jpg", jpeg.left(jpeg.size() / 3));
    const QString gif =
        write("a.gif",
              test::makeGif({{4, 4}, {qRgb(1, 2, 3)}, {}, {test::solidGifFrame({0, 0, 4, 4}, 0)}}));
    const QString missing = tmp.filePath("missing.jpg");
    const QString fifo = tmp.filePath("fifo.jpg");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    prefetch.start({good, cut, gif, missing, fifo});
    EXPECT_FALSE(take(fifo)) << "never opened: no writer would ever come";
    EXPECT_FALSE(take(cut));
    EXPECT_FALSE(take(gif)) << "GIF frames are the animated picture's business";
    EXPECT_FALSE(take(missing));
    EXPECT_FALSE(take(tmp.filePath("unlisted.jpg")));
    EXPECT_FALSE(prefetch.take(good, PictureKind::Bitmap)) << "decoded as another kind";
    EXPECT_TRUE(take(good));

    prefetch.start({good});
    prefetch.start({cut});
    EXPECT_FALSE(take(good)) << "a new start forgets the previous page";
    prefetch.start({good});
    prefetch.clear();
    EXPECT_FALSE(take(good));
}

TEST_F(PicturePrefetchTest, OnlyPictureFilesOfTheRecordsAreListed) {
    ElementRecord picture;
    picture.Fichier = QStringLiteral("\\media\\a.JPG");
    picture.SurvolFichier = QStringLiteral("\\media\\hover.bmp");
    ElementRecord sound;
    sound.Fichier = QStringLiteral("\\sons\\a.wav");
    ElementRecord text;
    text.Fichier = QStringLiteral("Bonjour");
    text.SurvolFichier = QStringLiteral("255");
    EXPECT_EQ(prefetchablePictures({sound, picture, text}),
              (QStringList{"\\media\\a.JPG", "\\media\\hover.bmp"}));
}

}  // namespace
}  // namespace ztv
