// A saved project copied to another folder plays with the media beside it; a picture found
// nowhere is reported once, by name, and the page goes on.
#include "common/formats/LangLines.h"
#include "common/platform/RecordFile.h"
#include "common/platform/WinPath.h"
#include "tests/engine/PagePlayFixture.h"

#include <QFileInfo>
#include <QImageReader>

namespace ztv::test {
namespace {

class MovedProject : public PagePlayFixture {
  protected:
    // A saved project in "moved/show" whose records still name the folder it was made in.
    void writeMovedProject(const QList<ElementRecord>& records) {
        QDir().mkpath(host("moved/show/Images"));
        QList<ContainerRecord> container;
        for (const ElementRecord& r : records) {
            container.append({1, r});
        }
        ProjectWriter(host("moved/show"))
            .writeSavedProject(QStringLiteral("show"), {{1, QStringLiteral("Accueil")}}, container);
    }
    void picturePixels(const QString& relative, QColor colour) const {
        QImage img(QSize(40, 30), QImage::Format_RGB32);
        img.fill(colour);
        QDir().mkpath(QFileInfo(host(relative)).absolutePath());
        ASSERT_TRUE(img.save(host(relative), "BMP"));
    }
};

TEST_F(MovedProject, MediaAreFoundBeneathTheProjectFolderLongestTailFirst) {
    // Same name in two places: the one under the stored folder's tail wins.
    picturePixels("moved/show/Images/sun.bmp", Qt::red);
    picturePixels("moved/show/sun.bmp", Qt::blue);
    picturePixels("moved/show/moon.bmp", Qt::green);
    writeMovedProject(
        {picture(4, 1, QStringLiteral("\\old\\place\\show\\images\\SUN.BMP"), {0, 0, 40, 30}),
         picture(5, 1, QStringLiteral("\\old\\place\\moon.bmp"), {100, 0, 40, 30})});
    ASSERT_TRUE(start({host("moved/show/show.ZTV")}));
    engine_->playPage();
    ASSERT_TRUE(runUntilIdle());
    EXPECT_TRUE(prompter_.asked().isEmpty()) << prompter_.texts().join('|').toStdString();
    EXPECT_EQ(canvasAt(20, 15), rgb(Qt::red));
    EXPECT_EQ(canvasAt(120, 15), rgb(Qt::green));
    // The stored path that still exists keeps being used first.
    EXPECT_EQ(engine_->locateFile(QStringLiteral("C:\\moved\\show\\moon.bmp")),
              QStringLiteral("C:\\moved\\show\\moon.bmp"));
    EXPECT_EQ(engine_->locateFile(QStringLiteral("C:\\x\\show\\Images\\sun.bmp")),
              QStringLiteral("C:\\moved\\show\\Images\\sun.bmp"));
    EXPECT_EQ(engine_->locateFile(QStringLiteral("C:\\x\\none.bmp")), QStringLiteral("0"));
}

TEST_F(MovedProject, EachMissingPictureGivesOneMessageNamingItAndThePageGoesOn) {
    picturePixels("moved/show/here.bmp", Qt::green);
    writeMovedProject({picture(4, 1, QStringLiteral("\\old\\gone1.bmp"), {0, 0, 40, 30}),
                       picture(5, 1, QStringLiteral("\\old\\gone2.bmp"), {50, 0, 40, 30}),
                       picture(6, 1, QStringLiteral("\\old\\here.bmp"), {100, 0, 40, 30})});
    ASSERT_TRUE(start({host("moved/show/show.ZTV")}));
    engine_->playPage();
    ASSERT_TRUE(runUntilIdle());
    const QStringList texts = prompter_.texts();
    ASSERT_EQ(texts.size(), 2) << texts.join('|').toStdString();
    // Named as a person reads them: host paths.
    EXPECT_TRUE(texts[0].contains(host("old/gone1.bmp"))) << texts[0].toStdString();
    EXPECT_TRUE(texts[1].contains(host("old/gone2.bmp")));
    EXPECT_FALSE(texts.join(' ').contains(text(lang::FileNotOnAnyDrive)));
    EXPECT_EQ(canvasAt(120, 15), rgb(Qt::green));
}

// The editor's preview plays its working copy, which lies elsewhere: the media are looked for
// beneath the folder of the saved project the working copy came from.
TEST_F(MovedProject, ThePreviewFindsTheMediaBeneathTheSavedProjectsFolder) {
    picturePixels("moved/show/Images/sun.bmp", Qt::red);
    QStringList lines = settingsLines();
    lines[0] = QStringLiteral("C:\\moved\\show\\show.ZTV");
    writeSettings(lines);
    writePage(1, {picture(4, 1, QStringLiteral("\\old\\show\\images\\sun.bmp"), {0, 0, 40, 30})});
    startPreview(1);
    engine_->playPage();
    ASSERT_TRUE(runUntilIdle());
    EXPECT_TRUE(prompter_.asked().isEmpty()) << prompter_.texts().join('|').toStdString();
    EXPECT_EQ(canvasAt(20, 15), rgb(Qt::red));
}

TEST_F(MovedProject, TheDemoCopiedElsewherePlaysEveryPageWithAllItsPictures) {
    // The drive table's C: is this test's folder: the folder the demo was made in is not there.
    const QDir demo(QStringLiteral(ZTV_APPDIR "/exemples/demo"));
    QDir().mkpath(host("elsewhere/demo"));
    for (const QString& name : demo.entryList(QDir::Files)) {
        ASSERT_TRUE(QFile::copy(demo.filePath(name), host("elsewhere/demo/") + name))
            << name.toStdString();
    }
    ASSERT_TRUE(start({host("elsewhere/demo/demo.ZTV")}));
    for (int page = 1; page <= 7; ++page) {
        engine_->loadPage(page, 1);
        engine_->showColumn();
        runUntilIdle(20000);
        EXPECT_TRUE(prompter_.asked().isEmpty())
            << page << ": " << prompter_.texts().join('|').toStdString();
    }
}

TEST_F(MovedProject, TheDemoGifsShowWhole) {
    const QString demo = QStringLiteral(ZTV_APPDIR "/exemples/demo/");
    const auto records = RecordFile::readAll(demo + QStringLiteral("demo.ZTV"), kProjectRecordSize);
    ASSERT_TRUE(records);
    for (const QByteArray& bytes : *records) {
        const ElementRecord r = decodeProjectRecord(bytes);
        if (r.Fichier.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive)) {
            const QSize size = QImageReader(demo + winpath::fileName(r.Fichier)).size();
            EXPECT_EQ(QSize(r.Largeur, r.Hauteur), size) << r.Fichier.toStdString();
        }
    }
}

}  // namespace
}  // namespace ztv::test
