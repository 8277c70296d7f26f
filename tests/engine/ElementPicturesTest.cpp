// Loading element pictures: markers, missing and broken files, the formats by extension, and
// the entries of a page's media data file.
#include "common/archives/EntryReader.h"
#include "common/formats/LangLines.h"
#include "player/elements/PictureLoading.h"
#include "tests/engine/PagePlayFixture.h"
#include "tests/support/PictureMakers.h"

namespace ztv::test {
namespace {

class ElementPictures : public PagePlayFixture {
  protected:
    void SetUp() override {
        writePage(1, {});
        hosted_ = hostPreview();
    }
    bool load(const QString& fichier, QImage& img, bool mediaByPage) {
        LoadedPicture kept;
        return loadPicture(ElementRoles::of(hosted_->player), fichier, img, mediaByPage, kept);
    }
    QImage target(QColor fill = Qt::magenta, QSize size = {40, 30}) const {
        QImage img(size, QImage::Format_RGB32);
        img.fill(fill);
        return img;
    }
    std::unique_ptr<HostedPage> hosted_;
};

TEST_F(ElementPictures, MarkersFillBlackOrLeaveTheTargetAlone) {
    QImage img = target();
    EXPECT_TRUE(load(text(lang::MarkerDisappear), img, false));
    EXPECT_EQ(img.pixel(5, 5), qRgb(0, 0, 0));
    img = target();
    EXPECT_TRUE(load(text(lang::MarkerBackgroundDisappear), img, false));
    EXPECT_EQ(img.pixel(5, 5), QColor(Qt::magenta).rgb());
    EXPECT_TRUE(prompter_.texts().isEmpty());
}

TEST_F(ElementPictures, JpegIsStretchedIntoTheTargetAndBitmapKeepsItsSize) {
    QImage source(20, 10, QImage::Format_RGB32);
    source.fill(QColor(200, 30, 30));
    QImage img = target();
    ASSERT_TRUE(load(writeMedia("a.JPG", makeJpeg(source)), img, false));
    EXPECT_EQ(img.size(), QSize(40, 30));
    EXPECT_NEAR(qRed(img.pixel(39, 29)), 200, 8);

    img = target();
    ASSERT_TRUE(load(writeMedia("b.bmp", makeBmp(source)), img, false));
    EXPECT_EQ(img.size(), QSize(20, 10));
}

TEST_F(ElementPictures, AMissingFileIsAFailureWithOneMessageNamingIt) {
    QImage img = target();
    EXPECT_FALSE(load(QStringLiteral("\\media\\none.jpg"), img, false));
    ASSERT_EQ(prompter_.texts().size(), 1);
    EXPECT_EQ(prompter_.texts()[0], QStringLiteral("Position 1") + text(lang::MediaFileWord) + ' ' +
                                        host("media/none.jpg") + ' ' +
                                        text(lang::MediaNotFoundSuffix));
}

TEST_F(ElementPictures, BrokenPicturesAreFailuresNeverCrashes) {
    QImage source(64, 48, QImage::Format_RGB32);
    source.fill(Qt::green);
    const QByteArray jpeg = makeJpeg(source);
    const QByteArray bmp = makeBmp(source);
    const QList<std::pair<QString, QByteArray>> broken = {{"cut.jpg", jpeg.left(jpeg.size() / 3)},
                                                          {"cut.bmp", bmp.left(30)},
                                                          {"junk.ico", QByteArray(100, 'x')},
                                                          {"junk.png", QByteArray("not a picture")},
                                                          {"empty.jpeg", QByteArray()}};
    for (const auto& [name, data] : broken) {
        QImage img = target();
        EXPECT_FALSE(load(writeMedia(name, data), img, false)) << name.toStdString();
    }
    for (const QString& shown : prompter_.texts()) {
        EXPECT_EQ(shown, text(lang::UnknownPictureFormat));
    }
    QImage img = target();
    EXPECT_FALSE(load(writeMedia("bad.gif", QByteArray("GIF89a")), img, false));
    EXPECT_EQ(prompter_.texts().last(),
              QStringLiteral("Load Failed. Error Code = 3 [Invalid File Format]"));
}

TEST_F(ElementPictures, AnEntryBeforeThePositionIsFoundAfterOneRewind) {
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    QImage blue = red;
    blue.fill(Qt::blue);
    const QByteArray data = encodeEntry(QStringLiteral("\\m\\a.bmp"), makeBmp(red)) +
                            encodeEntry(QStringLiteral("\\m\\b.bmp"), makeBmp(blue));
    // A preview has no media data folder: the page's file is on the media drive's root.
    ProjectWriter(host("")).writeBytes(QStringLiteral("1.CDS"), data);
    ASSERT_TRUE(hosted_->player.openMediaDataFile());

    QImage img = target();
    ASSERT_TRUE(load(QStringLiteral("\\m\\b.bmp"), img, true));
    EXPECT_EQ(img.pixel(1, 1), QColor(Qt::blue).rgb());
    ASSERT_TRUE(load(QStringLiteral("\\m\\a.bmp"), img, true));
    EXPECT_EQ(img.pixel(1, 1), QColor(Qt::red).rgb());
    EXPECT_TRUE(prompter_.texts().isEmpty());

    // Case counts; the search ends after one return to the start.
    EXPECT_FALSE(load(QStringLiteral("\\m\\A.bmp"), img, true));
    ASSERT_EQ(prompter_.texts().size(), 1);
    EXPECT_TRUE(prompter_.texts()[0].contains(QStringLiteral("\\m\\A.bmp")));
    EXPECT_TRUE(prompter_.texts()[0].endsWith(text(lang::MediaNotInPageDataSuffix)));
    hosted_->player.closeMediaDataFile();
}

TEST_F(ElementPictures, AnEntryWhoseSizeIsNotDigitsEndsTheSearch) {
    QByteArray data = encodeEntry(QStringLiteral("a"), QByteArray(10, 'a'));
    data[kEntryNameFieldSize] = '-';
    data += encodeEntry(QStringLiteral("b"), QByteArray(10, 'b'));
    QByteArray huge = encodeEntry(QStringLiteral("c"), QByteArray(3, 'c'));
    huge.replace(kEntryNameFieldSize, 10, "9999999999");
    ProjectWriter(host("")).writeBytes(QStringLiteral("1.CDS"), huge + data);
    ASSERT_TRUE(hosted_->player.openMediaDataFile());
    QImage img = target();
    EXPECT_FALSE(load(QStringLiteral("b"), img, true));
    EXPECT_EQ(prompter_.texts().size(), 1);
}

TEST_F(ElementPictures, WithoutAMediaDataFileEveryPictureIsMissing) {
    QImage img = target();
    EXPECT_FALSE(load(QStringLiteral("\\m\\a.bmp"), img, true));
    EXPECT_EQ(prompter_.texts().size(), 1);
}

}  // namespace
}  // namespace ztv::test
