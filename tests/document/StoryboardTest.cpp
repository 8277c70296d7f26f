#include "common/platform/RecordFile.h"
#include "editor/document/Storyboard.h"
#include "editor/document/StoryboardRows.h"
#include "tests/support/ProjectWriter.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace ztv::test {
namespace {

using editor::Storyboard;

ElementRecord tombstone() {
    ElementRecord r;  // Ligne 0, Fichier empty
    r.Colonne = 1;
    return r;
}

class StoryboardTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString dir() const { return dir_.path(); }

    QTemporaryDir dir_;
};

// Each row's label shows the picture of the kind the record format gives the row, and the build
// drew every one of them.
TEST(StoryboardRows, EachRowShowsThePictureOfItsKind) {
    const std::pair<int, const char*> rows[] = {
        {1, "son"},        {2, "video"},       {3, "fond"},      {4, "image"},
        {23, "image"},     {24, "personnage"}, {25, "panorama"}, {26, "animation"},
        {29, "animation"}, {30, "texte"},      {49, "texte"},    {50, "zoneclic"},
        {59, "zoneclic"},  {60, "motcle"},     {61, "longtext"}};
    for (const auto& [row, name] : rows) {
        EXPECT_EQ(editor::rowPicture(row), QStringLiteral("boutons/ligne_%1.jpg").arg(name))
            << "row " << row;
    }
    const QDir app(QStringLiteral(ZTV_APPDIR));
    for (int row = 1; row <= kRowCount; ++row) {
        EXPECT_TRUE(QFileInfo(app.filePath(editor::rowPicture(row))).isFile()) << "row " << row;
    }
    EXPECT_TRUE(editor::rowPicture(0).isEmpty());
    EXPECT_TRUE(editor::rowPicture(62).isEmpty());
}

TEST_F(StoryboardTest, CellTextIsTheFileNameExceptForTextsZonesAndKeywords) {
    const QString path = QStringLiteral("\\photos\\mer\\vague.jpg");
    ProjectWriter(dir()).writePageFile(1,
                                       {makeRecord(5, 1, path), makeRecord(45, 1, path),
                                        makeRecord(60, 2, path), makeRecord(61, 2, path)},
                                       ".ACT");
    Storyboard board(dir());
    ASSERT_TRUE(board.openPage(1));
    EXPECT_EQ(board.cellText(1, 5), QStringLiteral("vague.jpg"));
    EXPECT_EQ(board.cellText(1, 45), path);
    EXPECT_EQ(board.cellText(2, 60), path);
    EXPECT_EQ(board.cellText(2, 61), QStringLiteral("vague.jpg"));
    EXPECT_TRUE(board.isColumnUsed(1));
    EXPECT_TRUE(board.isColumnUsed(2));
    EXPECT_FALSE(board.isColumnUsed(3));
    EXPECT_TRUE(board.hasElements());
}

TEST_F(StoryboardTest, FillKeepsDefaultRectanglesAndIgnoresCellsOffTheGrid) {
    ElementRecord picture = makeRecord(7, 3);
    picture.Gauche = 10;
    picture.Haut = 20;
    picture.Largeur = 30;
    picture.Hauteur = 40;
    ProjectWriter(dir()).writePageFile(
        4, {picture, makeRecord(62, 1), makeRecord(5, 21), makeRecord(-3, 2)}, ".ACT");
    Storyboard board(dir());
    ASSERT_TRUE(board.openPage(4));
    EXPECT_EQ(board.defaultRect(7), QRect(10, 20, 30, 40));
    EXPECT_FALSE(board.isColumnUsed(1));
    EXPECT_EQ(board.cellText(3, 7), QStringLiteral("x.jpg"));
}

TEST_F(StoryboardTest, MissingPageFileIsCreatedEmpty) {
    Storyboard board(dir());
    ASSERT_TRUE(board.openPage(9));
    EXPECT_TRUE(QFileInfo::exists(dir() + QStringLiteral("/9.ACT")));
    EXPECT_FALSE(board.hasElements());
    EXPECT_EQ(board.findCellRecord(1, 1), -1);
}

TEST_F(StoryboardTest, FindCellRecordGivesTheIndexOfTheFirstMatch) {
    ProjectWriter(dir()).writePageFile(
        1,
        {makeRecord(4, 2, QStringLiteral("a.jpg")), makeRecord(5, 2, QStringLiteral("b.jpg")),
         makeRecord(5, 2, QStringLiteral("c.jpg"))},
        ".ACT");
    Storyboard board(dir());
    ASSERT_TRUE(board.openPage(1));
    EXPECT_EQ(board.findCellRecord(2, 5), 2);
    EXPECT_EQ(board.findCellRecord(2, 6), -1);
    EXPECT_EQ(board.actRecord(2)->Fichier, QStringLiteral("b.jpg"));
}

TEST_F(StoryboardTest, RegenerationDropsTombstonesAndWritesColumnsThenRows) {
    // The editing store in no particular order, with a tombstone and an empty record.
    ElementRecord emptyFile = makeRecord(9, 1);
    emptyFile.Fichier.clear();
    ElementRecord text = makeRecord(30, 1, QStringLiteral("Titre"));
    text.Attente = 2.5;
    text.Couleur = 0x123456;
    ProjectWriter(dir()).writePageFile(2,
                                       {makeRecord(5, 2, QStringLiteral("b.jpg")), tombstone(),
                                        text, makeRecord(3, 2, QStringLiteral("fond.jpg")),
                                        emptyFile, makeRecord(4, 1, QStringLiteral("a.jpg"))},
                                       ".ACT");
    Storyboard board(dir());
    ASSERT_TRUE(board.openPage(2));
    QString error;
    ASSERT_TRUE(board.regenerate(&error)) << error.toStdString();

    const QList<ElementRecord> act = test::readPageRecords(dir() + QStringLiteral("/2.ACT"));
    ASSERT_EQ(act.size(), 4);
    EXPECT_EQ(act[0].Fichier, QStringLiteral("b.jpg")) << "compaction keeps the order";
    EXPECT_EQ(act[1], text) << "every field is copied unchanged";

    const QList<ElementRecord> jou = test::readPageRecords(dir() + QStringLiteral("/2.JOU"));
    QList<QPair<int, int>> cells;
    for (const ElementRecord& r : jou) {
        cells.append({r.Colonne, r.Ligne});
    }
    const QList<QPair<int, int>> expected{{1, 4}, {1, 30}, {2, 3}, {2, 5}};
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(jou[1], text);
    EXPECT_EQ(board.findCellRecord(1, 30), 2) << "the .ACT file was reopened after compaction";
}

TEST_F(StoryboardTest, RegenerationListsOnlyCellsTheGridShows) {
    ProjectWriter(dir()).writePageFile(1, {makeRecord(4, 1), makeRecord(5, 1)}, ".ACT");
    Storyboard board(dir());
    ASSERT_TRUE(board.openPage(1));
    board.setCellText(1, 5, {});
    ASSERT_TRUE(board.regenerate());
    const auto jou = test::readPageRecords(dir() + QStringLiteral("/1.JOU"));
    ASSERT_EQ(jou.size(), 1);
    EXPECT_EQ(jou[0].Ligne, 4);
}

TEST_F(StoryboardTest, FailedRewriteIsReportedAndKeepsTheOldFile) {
    ProjectWriter(dir()).writePageFile(1, {makeRecord(4, 1)}, ".JOU");
    ProjectWriter(dir()).writePageFile(1, {makeRecord(4, 1), tombstone()}, ".ACT");
    Storyboard board(dir());
    ASSERT_TRUE(board.openPage(1));
    // A folder where the page file should go cannot be replaced by a file.
    QFile::remove(dir() + QStringLiteral("/1.JOU"));
    ASSERT_TRUE(QDir(dir()).mkdir(QStringLiteral("1.JOU")));
    QString error;
    EXPECT_FALSE(board.regenerate(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(dir() + QStringLiteral("/1.JOU")).isDir());
    EXPECT_EQ(board.findCellRecord(1, 4), 1) << "the page stays usable";
}

TEST_F(StoryboardTest, PageFilesAreFoundWhateverTheCaseOfTheirName) {
    ProjectWriter(dir()).writePageFile(3, {makeRecord(4, 1)}, ".act");
    Storyboard board(dir());
    ASSERT_TRUE(board.openPage(3));
    EXPECT_TRUE(board.actPath().endsWith(QStringLiteral("3.act")));
    EXPECT_TRUE(board.hasElements());
}

}  // namespace
}  // namespace ztv::test
