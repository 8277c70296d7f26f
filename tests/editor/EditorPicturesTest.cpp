// The element dialogs' picture routines: the media look-up over the drives, the picture
// loader's sizes, the preview fit and the resized copy of pictures larger than the screen.
#include "common/formats/JpegCodec.h"
#include "editor/dialogs/ReducedCopy.h"
#include "editor/document/MediaLookup.h"
#include "editor/document/SessionSettings.h"
#include "editor/widgets/EditorPictures.h"
#include "editor/widgets/PanelMedia.h"
#include "tests/support/PictureMakers.h"
#include "tests/support/ProjectWriter.h"
#include "tests/support/ScriptedMediaService.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace ztv::test {
namespace {

class EditorPicturesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* drive : {"c", "d", "e"}) {
            QDir().mkpath(host(drive));
        }
        state_.drives.set(u'C', host("c"), DriveType::Fixed);
        state_.drives.set(u'D', host("d"), DriveType::Cd);
        state_.drives.set(u'E', host("e"), DriveType::Fixed);
        state_.mediaDrive = QStringLiteral("C:");
        QStringList lines;
        for (int n = 0; n < 900; ++n) {
            lines << QStringLiteral("%1,T%1").arg(n);
        }
        ProjectWriter(dir_.path()).writeSettings(QStringLiteral("lang.asc"), lines);
        state_.language.load(dir_.filePath(QStringLiteral("lang.asc")));
    }
    QString host(const QString& relative) const { return dir_.filePath(relative); }
    void writeFile(const QString& relative, const QByteArray& data) const {
        QDir().mkpath(QFileInfo(host(relative)).absolutePath());
        QFile f(host(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }

    QTemporaryDir dir_;
    editor::SessionSettings state_;
    ScriptedPrompter prompter_;
};

TEST_F(EditorPicturesTest, LookUpKeepsTheDriveWhereTheFileWasFound) {
    writeFile("e/pics/a.bmp", makeBmp(patternImage(4, 4)));
    writeFile("e/pics/b.bmp", makeBmp(patternImage(4, 4)));
    state_.cdDrive = QStringLiteral("D:");
    state_.furtherDrives = QStringList{QStringLiteral("C:")};
    EXPECT_TRUE(editor::lookUpMedia(state_, QStringLiteral("\\pics\\a.bmp")));
    EXPECT_EQ(state_.mediaDrive, QStringLiteral("E:"));
    // The next look-up starts on E:.
    EXPECT_TRUE(editor::lookUpMedia(state_, QStringLiteral("\\PICS\\B.BMP")));
    EXPECT_EQ(state_.mediaDrive, QStringLiteral("E:"));
    EXPECT_FALSE(editor::lookUpMedia(state_, QStringLiteral("\\pics\\none.bmp")));
    EXPECT_EQ(state_.mediaDrive, QStringLiteral("C:"));
}

TEST_F(EditorPicturesTest, LookUpTriesTheCdDriveBeforeScanning) {
    writeFile("d/x.bmp", makeBmp(patternImage(4, 4)));
    writeFile("e/x.bmp", makeBmp(patternImage(4, 4)));
    state_.cdDrive = QStringLiteral("D:");
    EXPECT_TRUE(editor::lookUpMedia(state_, QStringLiteral("\\x.bmp")));
    EXPECT_EQ(state_.mediaDrive, QStringLiteral("D:"));
}

TEST_F(EditorPicturesTest, AMovedProjectFindsItsMediaBeneathItsFolder) {
    writeFile("moved/demo/img/a.bmp", makeBmp(patternImage(4, 4)));
    writeFile("c/img/b.bmp", makeBmp(patternImage(4, 4)));
    state_.projectDir = host("moved/demo");
    const QString stored = QStringLiteral("\\old\\place\\demo\\IMG\\A.BMP");
    EXPECT_TRUE(editor::lookUpMedia(state_, stored));
    EXPECT_EQ(editor::mediaHostPath(state_, stored), host("moved/demo/img/a.bmp"));
    // A file on the drives stays where it is.
    EXPECT_TRUE(editor::lookUpMedia(state_, QStringLiteral("\\img\\b.bmp")));
    EXPECT_EQ(editor::mediaHostPath(state_, QStringLiteral("\\img\\b.bmp")), host("c/img/b.bmp"));
    EXPECT_FALSE(editor::lookUpMedia(state_, QStringLiteral("\\old\\none.bmp")));
}

TEST_F(EditorPicturesTest, PreviewFitShrinksByPercentStepsAndCentres) {
    EXPECT_EQ(editor::previewFitRect({300, 200}, {1000, 500}), QRect(2, 26, 296, 148));
    EXPECT_EQ(editor::previewFitRect({300, 200}, {400, 380}), QRect(49, 4, 201, 191));
    EXPECT_EQ(editor::previewFitRect({300, 200}, {100, 80}), QRect(100, 60, 100, 80));
    // Tall pictures shrink by their height.
    const QRect tall = editor::previewFitRect({300, 200}, {100, 1000});
    EXPECT_EQ(tall.height(), 196);
    EXPECT_LE(tall.width(), 300);
    EXPECT_TRUE(editor::previewFitRect({300, 200}, {0, 10}).isNull());
}

TEST_F(EditorPicturesTest, AnimatedGifGivesItsStripOrItsFirstFrame) {
    GifTestPicture gif;
    gif.screen = QSize(40, 30);
    gif.globalPalette = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(9, 9, 9),
                         qRgb(200, 200, 0)};
    for (int i = 0; i < 5; ++i) {
        gif.frames.append(solidGifFrame(QRect(0, 0, 40, 30), i, 1, 10));
    }
    writeFile("c/anim.gif", makeGif(gif));
    editor::EditorPictures pictures(state_, prompter_);
    editor::PictureControl control;
    pictures.load(control, host("c/anim.gif"), true);
    EXPECT_EQ(control.loadedSize, QSize(200, 30));
    EXPECT_EQ(control.gifFrameCount, 5);
    EXPECT_EQ(control.image.pixel(45, 10) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(control.image.pixel(165, 10) & 0xFFFFFF, 0xC8C800u);
    pictures.load(control, host("c/anim.gif"), false);
    EXPECT_EQ(control.loadedSize, QSize(40, 30));
    EXPECT_EQ(control.gifFrameCount, 5);

    gif.frames = {solidGifFrame(QRect(0, 0, 40, 30), 2)};
    writeFile("c/still.gif", makeGif(gif));
    pictures.load(control, host("c/still.gif"), true);
    EXPECT_EQ(control.gifFrameCount, -1);
    EXPECT_TRUE(prompter_.asked().isEmpty());
}

TEST_F(EditorPicturesTest, BrokenPicturesShowAMessageAndPreparationStillTints) {
    QByteArray jpeg = makeJpeg(patternImage(64, 48));
    jpeg.truncate(jpeg.size() / 3);
    writeFile("c/broken.jpg", jpeg);
    writeFile("c/empty.gif", QByteArray());
    editor::EditorPictures pictures(state_, prompter_);
    editor::PictureControl control;
    control.image = QImage(10, 10, QImage::Format_RGB32);
    control.image.fill(Qt::white);
    // Negative (line 216) inverts whatever the control holds.
    EXPECT_TRUE(pictures.prepare(control, QStringLiteral("\\broken.jpg"), QStringLiteral("T216"),
                                 Qt::white, Qt::white, {}, false, {}));
    ASSERT_EQ(prompter_.texts().size(), 1);
    EXPECT_TRUE(prompter_.texts()[0].startsWith("Error 6: T43 " + host("c/broken.jpg")));
    EXPECT_EQ(control.image.pixel(5, 5) & 0xFFFFFF, 0u);
    EXPECT_TRUE(pictures.prepare(control, QStringLiteral("\\empty.gif"), {}, Qt::white, Qt::white,
                                 {}, false, {}));
    EXPECT_EQ(prompter_.texts().size(), 2);
    // A file found nowhere fails, with the caller's prefix.
    EXPECT_FALSE(pictures.prepare(control, QStringLiteral("\\gone.bmp"), {}, Qt::white, Qt::white,
                                  {}, false, QStringLiteral("Listv 10")));
    EXPECT_EQ(prompter_.texts().last(), "Listv 10 T43 " + host("c/gone.bmp") + " T44");
}

TEST_F(EditorPicturesTest, MarkersAndAppearanceModes) {
    editor::EditorPictures pictures(state_, prompter_);
    editor::PictureControl control;
    control.image = QImage(20, 10, QImage::Format_RGB32);
    EXPECT_TRUE(pictures.prepare(control, QStringLiteral("T120"), QStringLiteral("T202"),
                                 QColor(10, 20, 30), Qt::white, {}, false, {}));
    EXPECT_EQ(control.image.pixel(3, 3) & 0xFFFFFF, 0x0A141Eu);
    EXPECT_TRUE(control.transparent);
    EXPECT_EQ(control.transparentColour, 0u);
    // The bottom-left pixel's colour.
    control.image.setPixel(0, 9, qRgb(1, 2, 3));
    pictures.applyAppearance(control, QStringLiteral("T203"));
    EXPECT_EQ(control.transparentColour, 0x010203u);
    EXPECT_EQ(control.shown().pixel(0, 9), 0u);
    pictures.applyAppearance(control, QStringLiteral("T200"));
    EXPECT_FALSE(control.transparent);
    // The gradient runs from the first colour to the second.
    EXPECT_TRUE(pictures.prepare(control, QStringLiteral("T121"), QStringLiteral("T200"), Qt::black,
                                 Qt::white, QStringLiteral("T180"), false, {}));
    EXPECT_LT(qRed(control.image.pixel(0, 5)), qRed(control.image.pixel(19, 5)));
}

TEST_F(EditorPicturesTest, ReducedCopySizeNameAndWrite) {
    EXPECT_EQ(editor::reducedSize({2000, 1000}, {800, 600}), QSize(800, 400));
    EXPECT_EQ(editor::reducedSize({1000, 2000}, {800, 600}), QSize(300, 600));
    writeFile("c/big.jpg", makeJpeg(patternImage(2000, 1000)));
    const QString first = editor::reducedCopyPath(host("c/big.jpg"), {}, true);
    EXPECT_EQ(first, host("c/big-1.jpg"));
    QString error;
    ASSERT_TRUE(editor::saveReducedCopy(patternImage(2000, 1000), {800, 400}, first, true, &error));
    EXPECT_EQ(QImage(first).size(), QSize(800, 400));
    EXPECT_EQ(editor::reducedCopyPath(host("c/big.jpg"), {}, true), host("c/big-2.jpg"));
    EXPECT_EQ(editor::reducedCopyPath(host("c/big.jpg"), host("e"), false), host("e/big-1.bmp"));
    // Nothing is written where the folder is missing, and no half file stays.
    EXPECT_FALSE(
        editor::saveReducedCopy(patternImage(20, 10), {8, 4}, host("none/x-1.jpg"), true, &error));
    EXPECT_FALSE(QFileInfo::exists(host("none/x-1.jpg")));
}

TEST_F(EditorPicturesTest, JpegRefusesSidesBeyondTheFormat) {
    EXPECT_TRUE(jpeg::encode(QImage(65501, 1, QImage::Format_RGB32)).isEmpty());
    QImage fine(65500, 1, QImage::Format_RGB32);
    fine.fill(Qt::gray);
    EXPECT_FALSE(jpeg::encode(fine).isEmpty());
}

TEST_F(EditorPicturesTest, PanelMediaKeepsOneDeviceAndPlaysToTheEnd) {
    writeFile("e/snd/a.wav", makeWav(100));
    writeFile("e/snd/film.avi", QByteArray("x"));
    auto media = std::make_shared<ScriptedMediaService>();
    media->refuse(QStringLiteral("bad.wav"));
    writeFile("e/snd/bad.wav", makeWav(100));
    state_.media = media;
    editor::PanelMedia panel(state_, prompter_);
    // The markers open nothing.
    EXPECT_TRUE(panel.open(QStringLiteral("T124"), {}));
    EXPECT_TRUE(panel.open(QStringLiteral("T123"), {}));
    EXPECT_TRUE(media->calls().isEmpty());
    EXPECT_EQ(panel.length(), 0);
    EXPECT_FALSE(panel.playing());
    EXPECT_EQ(panel.pause(), 0);

    ASSERT_TRUE(panel.open(QStringLiteral("\\snd\\a.wav"), {}));
    EXPECT_EQ(panel.length(), 60000);
    ASSERT_TRUE(panel.play({}, true, 60000, 500));
    EXPECT_TRUE(panel.playing());
    ASSERT_TRUE(panel.open(QStringLiteral("\\snd\\film.avi"), {}));
    const QRect screen(10, 20, 160, 120);
    ASSERT_TRUE(panel.play(screen, false, 60000, 0));
    EXPECT_EQ(media->videoWindow(state_.mediaDevice), screen);
    EXPECT_EQ(media->calls().filter(QStringLiteral("close")).size(), 1)
        << "a.wav, when the film opened";
    panel.close();
    EXPECT_EQ(state_.mediaDevice, 0);

    EXPECT_FALSE(panel.open(QStringLiteral("\\snd\\gone.wav"), QStringLiteral("Vperso1")));
    EXPECT_EQ(prompter_.texts().last(), "Vperso1 T43 " + host("c/snd/gone.wav") + " T44");
    EXPECT_FALSE(panel.open(QStringLiteral("\\snd\\bad.wav"), {}));
    EXPECT_EQ(prompter_.texts().last(), QStringLiteral(".wav Open Failed"));
    EXPECT_EQ(state_.mediaDevice, 0);
}

}  // namespace
}  // namespace ztv::test
