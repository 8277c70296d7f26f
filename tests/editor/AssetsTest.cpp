// The pictures the window names must be the ones the build draws.
#include "common/formats/PictureLoader.h"
#include "editor/app/CommandTable.h"
#include "editor/document/StoryboardRows.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>

namespace ztv::test {
namespace {

QString appFile(const QString& relative) {
    return QDir(QStringLiteral(ZTV_APPDIR)).filePath(relative);
}

QSize sizeOf(const QString& relative) {
    return QImageReader(appFile(relative)).size();
}

TEST(EditorAssets, EveryToolbarGlyphIsDrawnAt31By31) {
    for (const auto& entry : editor::commandEntries()) {
        if (!entry.button.picture) {
            continue;
        }
        const QString name =
            QStringLiteral("boutons/%1.jpg").arg(QLatin1String(entry.button.picture));
        EXPECT_EQ(sizeOf(name), QSize(31, 31)) << name.toStdString();
    }
}

TEST(EditorAssets, EveryRowHasItsLabelPictureAndTheGridItsCells) {
    for (int row = 1; row <= 61; ++row) {
        EXPECT_FALSE(QImage(appFile(editor::rowPicture(row))).isNull()) << row;
    }
    for (const char* name :
         {"cell_vide", "cell_select", "cell_colonne", "ligne_texture", "texture"}) {
        EXPECT_FALSE(
            QImage(appFile(QStringLiteral("boutons/%1.jpg").arg(QLatin1String(name)))).isNull())
            << name;
    }
    EXPECT_EQ(sizeOf(QStringLiteral("boutons/barrevide.jpg")).height(), 85);
    EXPECT_FALSE(QImage(appFile(QStringLiteral("logo.jpg"))).isNull());
}

TEST(EditorAssets, TheHandCursorIsAReadableCursorFile) {
    QFile file(appFile(QStringLiteral("handflat.cur")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    ASSERT_GE(data.size(), 22);
    EXPECT_EQ(data.left(6), QByteArray("\0\0\2\0\1\0", 6)) << "one cursor image";
    EXPECT_EQ(quint8(data[6]), 32u);   // width
    EXPECT_EQ(quint8(data[10]), 16u);  // hot spot x
    // Read the way the player reads cursor pictures: the whole hand comes out.
    const Picture picture = decodePicture(data, PictureKind::Icon);
    ASSERT_TRUE(picture.ok());
    EXPECT_EQ(picture.image.size(), QSize(32, 32));
    int drawn = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            drawn += qAlpha(picture.image.pixel(x, y)) == 255 ? 1 : 0;
        }
    }
    EXPECT_GT(drawn, 50) << "a hand, not an empty picture";
    EXPECT_LT(drawn, 32 * 32) << "the hand's surroundings are transparent";
}

}  // namespace
}  // namespace ztv::test
