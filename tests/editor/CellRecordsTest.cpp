// The page-file rules the element dialogs share, on a page of their own.
#include "common/formats/LanguageFile.h"
#include "editor/document/Storyboard.h"
#include "editor/position/CellRecords.h"
#include "tests/support/ProjectWriter.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace ztv::test {
namespace {

class CellRecordsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QStringList lines;
        for (int n = 0; n < 900; ++n) {
            lines << QStringLiteral("%1,T%1").arg(n);
        }
        ProjectWriter(dir_.path()).writeSettings(QStringLiteral("lang.asc"), lines);
        ASSERT_TRUE(language_.load(dir_.filePath(QStringLiteral("lang.asc"))));
    }
    void page(const QList<ElementRecord>& records) {
        storyboard_.closePage();
        ProjectWriter(dir_.path()).writePageFile(1, records, QStringLiteral(".ACT"));
        ASSERT_TRUE(storyboard_.openPage(1));
    }
    static ElementRecord at(int row, int column, const QString& fichier, QRect rect) {
        ElementRecord r = makeRecord(row, column, fichier);
        r.Gauche = rect.left();
        r.Haut = rect.top();
        r.Largeur = rect.width();
        r.Hauteur = rect.height();
        return r;
    }
    QList<ElementRecord> act() { return readPageRecords(storyboard_.actPath()); }

    QTemporaryDir dir_;
    LanguageFile language_;
    editor::Storyboard storyboard_{dir_.path()};
    editor::CellRecords records_{storyboard_, language_, QSize(640, 480)};
};

TEST_F(CellRecordsTest, NextDisappearanceOfTheRowTakesTheRectangle) {
    const QRect old(1, 1, 5, 5);
    page({at(8, 2, QStringLiteral("a.bmp"), old), at(8, 4, QStringLiteral("T122"), old),
          at(8, 9, QStringLiteral("T122"), old), at(9, 3, QStringLiteral("T122"), old)});
    ASSERT_TRUE(records_.propagateNextDisappearance(8, 2, QRect(10, 20, 30, 40)));
    auto records = act();
    EXPECT_EQ(QRect(records[1].Gauche, records[1].Haut, records[1].Largeur, records[1].Hauteur),
              QRect(10, 20, 30, 40));
    EXPECT_EQ(records[1].Fichier, QStringLiteral("T122"));
    EXPECT_EQ(records[2].Largeur, 5);
    EXPECT_EQ(records[3].Largeur, 5);
    // A marker behind another element of the row keeps its rectangle.
    page({at(8, 2, QStringLiteral("a.bmp"), old), at(8, 3, QStringLiteral("b.bmp"), old),
          at(8, 4, QStringLiteral("T122"), old)});
    ASSERT_TRUE(records_.propagateNextDisappearance(8, 2, QRect(10, 20, 30, 40)));
    EXPECT_EQ(act()[2].Largeur, 5);
}

TEST_F(CellRecordsTest, DefaultRectanglesAndCellLookUp) {
    ElementRecord deleted;
    page({at(5, 1, QStringLiteral("a.bmp"), {1, 2, 3, 4}), deleted,
          at(5, 3, QStringLiteral("b.bmp"), {5, 6, 7, 8}),
          at(3, 1, QStringLiteral("T120"), {9, 9, 9, 9}),
          at(1, 1, QStringLiteral("s.wav"), {1, 1, 1, 1})});
    records_.rebuildDefaultRects();
    EXPECT_EQ(storyboard_.defaultRect(5), QRect(5, 6, 7, 8));
    EXPECT_EQ(storyboard_.defaultRect(3), QRect(0, 0, 640, 480));
    EXPECT_TRUE(storyboard_.defaultRect(1).isNull());
    EXPECT_EQ(records_.findCell(5, 3), 3);
    EXPECT_EQ(records_.findCell(5, 2), -1);
    // Appending to an empty page file gives it its unused record 0 first.
    storyboard_.closePage();
    ProjectWriter(dir_.path()).writeBytes(QStringLiteral("1.ACT"), {});
    ASSERT_TRUE(storyboard_.openPage(1));
    int written = 0;
    ASSERT_EQ(records_.save(makeRecord(4, 1), 0, &written), editor::CellRecords::SaveError::None);
    EXPECT_EQ(written, 1);
    EXPECT_EQ(act().size(), 1);
    EXPECT_EQ(act()[0].Ligne, 4);
}

}  // namespace
}  // namespace ztv::test
