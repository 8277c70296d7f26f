#include "common/formats/Container.h"
#include "common/formats/ContainerIndex.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/PageFileSplitter.h"
#include "common/platform/RecordFile.h"
#include "tests/support/ProjectWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace ztv {
namespace {

using test::makeRecord;

class ContainerTest : public ::testing::Test {
  protected:
    QTemporaryDir tmp;
    test::ProjectWriter writer{tmp.path()};
    QString out() const { return tmp.filePath("out"); }
    void SetUp() override { QDir().mkpath(out()); }
};

TEST_F(ContainerTest, SplitRecreatesAPageFileWhenItsPageComesBack) {
    const QString ztv = writer.writeContainer("p.ZTV", {{3, makeRecord(4, 1, "a")},
                                                        {3, makeRecord(5, 1, "b")},
                                                        {1, makeRecord(4, 1, "c")},
                                                        {3, makeRecord(6, 2, "d")}});
    const SplitResult r = splitContainer(ztv, out(), true);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.pages, (QList<std::int32_t>{1, 3}));
    const QList<ElementRecord> page3 = test::readPageRecords(QDir(out()).filePath("3.JOU"));
    ASSERT_EQ(page3.size(), 1);
    EXPECT_EQ(page3[0].Fichier, "d");
    EXPECT_EQ(test::readPageRecords(QDir(out()).filePath("1.JOU"))[0].Fichier, "c");
    EXPECT_EQ(test::readBytes(QDir(out()).filePath("3.ACT")),
              test::readBytes(QDir(out()).filePath("3.JOU")));
    EXPECT_EQ(test::readBytes(QDir(out()).filePath("1.JOU")).left(kPageRecordSize),
              QByteArray(kPageRecordSize, '\0'));
}

TEST_F(ContainerTest, SplitSkipsAbsentRecordsAndBadPageNumbers) {
    ElementRecord attente = makeRecord(4, 2, "keep");
    attente.Attente = 2.5;
    const QString ztv = writer.writeContainer("p.ZTV", {{1, makeRecord(0, 1, "deleted")},
                                                        {1, makeRecord(4, 1, "")},
                                                        {1, makeRecord(62, 1, "row")},
                                                        {1, makeRecord(4, 21, "col")},
                                                        {0, makeRecord(4, 1, "page0")},
                                                        {-7, makeRecord(4, 1, "neg")},
                                                        {1, attente}});
    const SplitResult r = splitContainer(ztv, out(), false);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(QDir(out()).entryList(QDir::Files), QStringList{"1.JOU"});
    const QList<ElementRecord> page1 = test::readPageRecords(QDir(out()).filePath("1.JOU"));
    ASSERT_EQ(page1.size(), 1);
    EXPECT_EQ(page1[0], attente);
}

TEST_F(ContainerTest, PageFilesSplitOneAtATimeAreThoseOfTheWholeSplit) {
    const QString ztv = writer.writeContainer("p.ZTV", {{3, makeRecord(4, 1, "a")},
                                                        {1, makeRecord(4, 1, "b")},
                                                        {3, makeRecord(4, 1, "c")},
                                                        {3, makeRecord(0, 1, "gone")},
                                                        {3, makeRecord(5, 1, "d")},
                                                        {2, makeRecord(0, 1, "gone")},
                                                        {0, makeRecord(4, 1, "page0")}});
    ASSERT_TRUE(splitContainer(ztv, out(), false).ok);
    const auto index = ContainerIndex::ofFile(ztv);
    ASSERT_TRUE(index);
    EXPECT_EQ(index->pages(), (QList<std::int32_t>{1, 3}));
    const QString lazy = tmp.filePath("lazy");
    QDir().mkpath(lazy);
    PageFileSplitter splitter(*index, ztv, lazy);
    EXPECT_FALSE(splitter.ensure(2));
    EXPECT_FALSE(splitter.ensure(0));
    EXPECT_TRUE(splitter.ensure(3));
    EXPECT_EQ(QDir(lazy).entryList(QDir::Files), QStringList{"3.JOU"});
    EXPECT_TRUE(splitter.ensure(1));
    for (const char* name : {"1.JOU", "3.JOU"}) {
        EXPECT_EQ(test::readBytes(QDir(lazy).filePath(name)),
                  test::readBytes(QDir(out()).filePath(name)))
            << name;
    }
}

TEST_F(ContainerTest, PackSkipsDeletedPagesAndEmptyRecords) {
    writer.writePageFile(2, {makeRecord(3, 1, "fond"), makeRecord(0, 1, ""), makeRecord(4, 2, "")});
    writer.writePageFile(1, {makeRecord(4, 1, "un")});
    writer.writePageFile(9, {makeRecord(4, 1, "supprimée")});
    const QList<PageEntry> table = {{2, "Deux"}, {9, " "}, {1, "Un"}, {4, "sans fichier"}};
    ASSERT_TRUE(packContainer(tmp.path(), table, writer.path("p.ZTV")));
    const auto records = RecordFile::readAll(writer.path("p.ZTV"), kProjectRecordSize);
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 3);
    std::int32_t page = 0;
    EXPECT_EQ(decodeProjectRecord(records->at(1), &page).Fichier, "fond");
    EXPECT_EQ(page, 2);
    EXPECT_EQ(decodeProjectRecord(records->at(2), &page).Fichier, "un");
    EXPECT_EQ(page, 1);
}

TEST_F(ContainerTest, SplitOfPackGivesBackThePages) {
    ElementRecord full = makeRecord(30, 7, "Texte, avec virgules");
    full.Attente = 0.25;
    full.sensdegra = "Arial,gras,12";
    full.SurvolRetablir = 1;
    writer.writePageFile(12, {makeRecord(3, 1, "fond"), full});
    ASSERT_TRUE(packContainer(tmp.path(), {{12, "Douze"}}, writer.path("p.ZTV")));
    ASSERT_TRUE(splitContainer(writer.path("p.ZTV"), out(), false).ok);
    EXPECT_EQ(test::readPageRecords(QDir(out()).filePath("12.JOU")),
              test::readPageRecords(writer.path("12.JOU")));
}

// The start page is written before the rest is read; the rest comes from the container as it was
// then, though a new one was renamed over it, and the start page becomes its last run.
TEST_F(ContainerTest, AStartPageComesFirstAndTheRestFromTheContainerAsItWas) {
    const QString ztv = writer.writeContainer(
        "p.ZTV",
        {{2, makeRecord(4, 1, "a")}, {1, makeRecord(4, 1, "b")}, {2, makeRecord(4, 1, "c")}});
    const QString copy = tmp.filePath("pages.tae");
    auto splitter = PageFileSplitter::startingWith(2, ztv, copy, out());
    ASSERT_TRUE(splitter);
    const auto files = [this](int page) {
        QStringList names;
        for (const ElementRecord& r :
             test::readPageRecords(QDir(out()).filePath(pageFileName(page)))) {
            names.append(r.Fichier);
        }
        return names;
    };
    EXPECT_EQ(QDir(out()).entryList(QDir::Files), QStringList{"2.JOU"});
    EXPECT_EQ(files(2), QStringList{"a"});
    EXPECT_FALSE(QFileInfo::exists(copy)) << "nothing more is read yet";
    bool indexed = false;
    splitter->whenIndexed([&indexed] { indexed = true; });
    writer.writeContainer("new.ZTV", {{1, makeRecord(4, 1, "new")}});
    ASSERT_TRUE(QFile::remove(ztv) && QFile::rename(tmp.filePath("new.ZTV"), ztv));
    EXPECT_TRUE(splitter->ensure(1));
    EXPECT_TRUE(indexed);
    EXPECT_EQ(files(1), QStringList{"b"});
    EXPECT_TRUE(splitter->ensure(2));
    EXPECT_EQ(files(2), QStringList{"c"});
}

TEST_F(ContainerTest, HostileContainersNeverCrashOrWriteOutside) {
    QRandomGenerator rng(7);
    for (int round = 0; round < 20; ++round) {
        QByteArray junk(kProjectRecordSize * (1 + round % 4) + round, '\0');
        for (char& c : junk) {
            c = char(rng.bounded(256));
        }
        const QString ztv = writer.writeBytes("junk.ZTV", junk);
        const SplitResult r = splitContainer(ztv, out(), true);
        EXPECT_TRUE(r.ok);
        PageFileSplitter lazy(ContainerIndex::ofFile(ztv).value(), ztv, out());
        for (const std::int32_t page : lazy.index().pages()) {
            EXPECT_TRUE(lazy.ensure(page));
        }
        for (const QString& name : QDir(out()).entryList(QDir::Files)) {
            EXPECT_TRUE(name.endsWith(".JOU") || name.endsWith(".ACT")) << name.toStdString();
        }
    }
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{"junk.ZTV"});
    EXPECT_FALSE(splitContainer(writer.path("missing.ZTV"), out(), false).ok);
    EXPECT_TRUE(splitContainer(writer.writeBytes("tiny.ZTV", "abc"), out(), false).ok);
}

}  // namespace
}  // namespace ztv
