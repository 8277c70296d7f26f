#include "common/archives/CabinetFile.h"
#include "tests/support/CabinetCrafter.h"
#include "tests/support/ProjectWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace ztv {
namespace {

// Text-like data: words from a small vocabulary, so compressors find repeats.
QByteArray textLike(qsizetype size, quint32 seed) {
    static const char* words[] = {"page ",     "image ", "zentrovale ", "le ", "projet ",
                                  "sound\r\n", "clic ",  "texte ",      "de ", "la "};
    QRandomGenerator rng(seed);
    QByteArray out;
    while (out.size() < size)
        out += words[rng.bounded(10)];
    out.truncate(size);
    return out;
}

QByteArray randomBytes(qsizetype size, quint32 seed) {
    QRandomGenerator rng(seed);
    QByteArray out(size, '\0');
    for (char& c : out)
        c = char(rng.bounded(256));
    return out;
}

// Every file under a folder, by its path relative to it, with its bytes.
QMap<QString, QByteArray> treeOf(const QString& dir) {
    QMap<QString, QByteArray> tree;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        tree.insert(QDir(dir).relativeFilePath(path), test::readBytes(path));
    }
    return tree;
}

bool run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

class CabFileTest : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return tmp_.filePath(name); }

    // The round-trip set: sizes around the 32 KB block edge, text-like and random.
    QMap<QString, QByteArray> writeSources() {
        const QMap<QString, QByteArray> files = {
            {"empty.txt", {}},
            {"one.bin", "x"},
            {"text32.txt", textLike(32768, 1)},
            {"rand33.bin", randomBytes(33 * 1024, 2)},
            {"text5m.txt", textLike(5 * 1024 * 1024, 3)},
            {"rand5m.bin", randomBytes(5 * 1024 * 1024, 4)},
        };
        QDir().mkpath(path("src"));
        for (auto it = files.begin(); it != files.end(); ++it)
            test::ProjectWriter(path("src")).writeBytes(it.key(), it.value());
        return files;
    }

    CabinetFile cabOf(const QString& name, const QMap<QString, QByteArray>& files) {
        CabinetFile cab;
        cab.CABFile = path(name);
        for (const QString& file : files.keys())
            cab.CABFileContents.append(CabinetEntry(path("src/" + file)));
        return cab;
    }

    QString writeCrafted(const QList<test::CraftedMember>& members) {
        return test::ProjectWriter(tmp_.path())
            .writeBytes("crafted.cab", test::craftCabinet(members));
    }

    QTemporaryDir tmp_;
};

TEST_F(CabFileTest, EveryTypeRoundTripsThroughOurReaderAndCabextract) {
    const auto files = writeSources();
    const bool haveCabextract = !QStandardPaths::findExecutable("cabextract").isEmpty();
    struct Case {
        CabinetCompression type;
        LzxMemory memory;
    };
    const QList<Case> cases = {{CabinetCompression::None, LzxMemory::Lowest},
                               {CabinetCompression::Mszip, LzxMemory::Lowest},
                               {CabinetCompression::Lzx, LzxMemory::Highest}};
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("type %1 window %2")
                         .arg(int(c.type))
                         .arg(lzxWindowBits(c.memory))
                         .toStdString());
        CabinetFile cab = cabOf("out.cab", files);
        cab.CompressionType = c.type;
        cab.LZXMemory = c.memory;
        std::int64_t lastPos = -1, total = 0;
        cab.OnCompressProgress = [&](CabinetFile&, std::int64_t pos, std::int64_t tot) {
            EXPECT_GE(pos, lastPos);
            lastPos = pos;
            total = tot;
        };
        ASSERT_TRUE(cab.write());
        EXPECT_EQ(lastPos, total);
        EXPECT_EQ(total, 10 * 1024 * 1024 + 32768 + 33 * 1024 + 1);

        CabinetFile reader;
        reader.CABFile = path("out.cab");
        reader.TargetPath = path("ours");
        ASSERT_TRUE(reader.extractAll());
        EXPECT_EQ(treeOf(path("ours")), files);
        QDir(path("ours")).removeRecursively();

        if (haveCabextract) {
            ASSERT_TRUE(run("cabextract", {"-q", "-d", path("theirs"), path("out.cab")}));
            EXPECT_EQ(treeOf(path("theirs")), files);
            QDir(path("theirs")).removeRecursively();
        }
    }
    if (!haveCabextract)
        GTEST_SKIP() << "cabextract is not installed";
}

TEST_F(CabFileTest, EveryLzxWindowRoundTripsAndBeatsMszipOnText) {
    QDir().mkpath(path("src"));
    const QMap<QString, QByteArray> files = {{"a.txt", textLike(300 * 1024, 7)},
                                             {"b.bin", randomBytes(40000, 8)},
                                             {"c.txt", textLike(100, 9)}};
    for (auto it = files.begin(); it != files.end(); ++it)
        test::ProjectWriter(path("src")).writeBytes(it.key(), it.value());
    CabinetFile mszip = cabOf("mszip.cab", {{"a.txt", {}}});
    ASSERT_TRUE(mszip.write());
    for (int memory = 0; memory <= 6; ++memory) {
        SCOPED_TRACE(memory);
        CabinetFile cab = cabOf("lzx.cab", files);
        cab.CompressionType = CabinetCompression::Lzx;
        cab.LZXMemory = LzxMemory(memory);
        ASSERT_TRUE(cab.write());
        CabinetFile reader;
        reader.CABFile = path("lzx.cab");
        reader.TargetPath = path("out");
        ASSERT_TRUE(reader.extractAll());
        EXPECT_EQ(treeOf(path("out")), files);
        QDir(path("out")).removeRecursively();

        CabinetFile textOnly = cabOf("text.cab", {{"a.txt", {}}});
        textOnly.CompressionType = CabinetCompression::Lzx;
        textOnly.LZXMemory = LzxMemory(memory);
        ASSERT_TRUE(textOnly.write());
        EXPECT_LT(QFileInfo(path("text.cab")).size(), QFileInfo(path("mszip.cab")).size());
    }
}

TEST_F(CabFileTest, ArchivesWrittenByGcabExtractIdentically) {
    if (QStandardPaths::findExecutable("gcab").isEmpty())
        GTEST_SKIP() << "gcab is not installed";
    const auto files = writeSources();
    QStringList args = {"-c", "-z", "-n", path("gcab.cab")};
    for (const QString& file : files.keys())
        args.append(path("src/" + file));
    ASSERT_TRUE(run("gcab", args));
    CabinetFile cab;
    cab.CABFile = path("gcab.cab");
    cab.TargetPath = path("out");
    ASSERT_TRUE(cab.extractAll());
    EXPECT_EQ(treeOf(path("out")), files);
}

TEST_F(CabFileTest, ListingGivesNamesSizesAndDosTimesAndWritesNothing) {
    const QDateTime when(QDate(2021, 3, 4), QTime(5, 6, 8));
    QDir().mkpath(path("src"));
    test::ProjectWriter(path("src")).writeBytes("a.txt", "alpha");
    QFile file(path("src/a.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
    file.close();
    CabinetFile cab;
    cab.CABFile = path("x.cab");
    cab.CABFileContents = {CabinetEntry(path("src/a.txt"), "F"), CabinetEntry(path("src/a.txt"))};
    ASSERT_TRUE(cab.write());
    EXPECT_TRUE(QFile::permissions(path("x.cab")) & QFile::ReadOther) << "not a private file";

    CabinetFile reader;
    reader.CABFile = path("x.cab");
    reader.TargetPath = path("out");
    reader.CABFileContents = {CabinetEntry("stale")};
    ASSERT_TRUE(reader.listContents());
    ASSERT_EQ(reader.CABFileContents.size(), 2);
    EXPECT_EQ(reader.CABFileContents[0].Name, "F\\a.txt");
    EXPECT_EQ(reader.CABFileContents[1].Name, "a.txt");
    EXPECT_EQ(reader.CABFileContents[1].size, 5);
    EXPECT_EQ(reader.CABFileContents[1].time, when);
    EXPECT_FALSE(QFileInfo::exists(path("out")));

    ASSERT_TRUE(reader.extractAll());
    EXPECT_EQ(test::readBytes(path("out/F/a.txt")), "alpha") << "the folder is made inside";
    EXPECT_EQ(QFileInfo(path("out/a.txt")).lastModified(), when);
}

TEST_F(CabFileTest, OneFileByNameWithoutCaseAndTheSelectedFiles) {
    const QString cabPath = writeCrafted({{"Photo.JPG", "jpeg"}, {"b.txt", "bee"}, {"c.txt", "c"}});
    CabinetFile cab;
    cab.CABFile = cabPath;
    cab.TargetPath = path("one");
    EXPECT_TRUE(cab.extractFile("PHOTO.jpg"));
    EXPECT_EQ(treeOf(path("one")), (QMap<QString, QByteArray>{{"Photo.JPG", "jpeg"}}));
    EXPECT_EQ(cab.lastExtractedName(), "Photo.JPG");
    EXPECT_FALSE(cab.extractFile("missing.txt"));

    ASSERT_TRUE(cab.listContents());
    cab.CABFileContents[2].selected = true;
    cab.TargetPath = path("sel");
    QStringList progress;
    cab.OnDecompressProgress = [&](CabinetFile&, const QString& name, std::int64_t pos,
                                   std::int64_t tot) {
        progress.append(QStringLiteral("%1 %2/%3").arg(name).arg(pos).arg(tot));
    };
    EXPECT_TRUE(cab.extractSelected());
    EXPECT_EQ(treeOf(path("sel")), (QMap<QString, QByteArray>{{"c.txt", "c"}}));
    EXPECT_EQ(progress, QStringList{"c.txt 1/1"});
}

TEST_F(CabFileTest, TheOverwriteEventKeepsOrReplacesAnExistingFile) {
    const QString cabPath = writeCrafted({{"a.txt", "new"}});
    QDir().mkpath(path("out"));
    test::ProjectWriter(path("out")).writeBytes("a.txt", "old");
    CabinetFile cab;
    cab.CABFile = cabPath;
    cab.TargetPath = path("out");
    QStringList asked;
    cab.OnOverWriteFile = [&](CabinetFile&, const QString& name, bool& allow) {
        asked.append(name);
        allow = false;
    };
    EXPECT_TRUE(cab.extractAll());
    EXPECT_EQ(test::readBytes(path("out/a.txt")), "old");
    EXPECT_EQ(asked, QStringList{"a.txt"});
    cab.OnOverWriteFile = nullptr;
    EXPECT_TRUE(cab.extractAll());
    EXPECT_EQ(test::readBytes(path("out/a.txt")), "new");
}

TEST_F(CabFileTest, WriteErrorsRaiseTheirTexts) {
    CabinetFile cab;
    cab.CABFile = path("x.cab");
    cab.CABFileContents = {CabinetEntry(path("missing.txt"))};
    try {
        cab.write();
        FAIL() << "a missing source must fail";
    } catch (const CabinetError& e) {
        EXPECT_EQ(e.code(), CabinetFile::OpenSource);
        EXPECT_STREQ(e.what(), "Failure opening file to be stored in cabinet");
    }
    EXPECT_FALSE(QFileInfo::exists(path("x.cab")));
    test::ProjectWriter(tmp_.path()).writeBytes("a.txt", "a");
    cab.CABFileContents = {CabinetEntry(path("a.txt"))};
    cab.CABFile = path("no/such/folder/x.cab");
    EXPECT_THROW(cab.write(), CabinetError);
    EXPECT_EQ(cabErrorText(99), "Unknown error");
    EXPECT_EQ(lzxWindowBits(LzxMemory::Medium), 18);
}

TEST_F(CabFileTest, HostileMemberNamesNeverLeaveTheTarget) {
    QDir().mkpath(path("outside"));
    QDir().mkpath(path("target"));
    test::ProjectWriter(path("outside")).writeBytes("victim.txt", "precious");
    ASSERT_TRUE(QFile::link(path("outside"), path("target/linkdir")));
    ASSERT_TRUE(QFile::link(path("outside/victim.txt"), path("target/victim.txt")));
    const QString cabPath = writeCrafted({
        {"..\\escape1.txt", "x"},
        {"../escape2.txt", "x"},
        {"C:\\escape3.txt", "x"},
        {"sub\\..\\..\\escape4.txt", "x"},
        {"linkdir\\escape5.txt", "x"},
        {"/abs/inside.txt", "in"},
        {"victim.txt", "replaced"},
        {"ok.txt", "fine"},
    });
    CabinetFile cab;
    cab.CABFile = cabPath;
    cab.TargetPath = path("target");
    EXPECT_FALSE(cab.extractAll()) << "refused members make the extraction fail";
    EXPECT_EQ(treeOf(path("outside")), (QMap<QString, QByteArray>{{"victim.txt", "precious"}}));
    EXPECT_EQ(test::readBytes(path("target/ok.txt")), "fine");
    EXPECT_EQ(test::readBytes(path("target/abs/inside.txt")), "in");
    EXPECT_FALSE(QFileInfo(path("target/victim.txt")).isSymLink()) << "the link is replaced";
    EXPECT_EQ(test::readBytes(path("target/victim.txt")), "replaced");
    EXPECT_EQ(QDir(tmp_.path()).entryList(QDir::Files), QStringList{"crafted.cab"})
        << "nothing lands beside the target";
}

TEST_F(CabFileTest, BrokenCabinetsFailWithoutLeavingFiles) {
    const QByteArray good = test::craftCabinet({{"a.txt", textLike(40000, 5)}, {"b.txt", "bb"}});
    // A file that claims more than its folder holds, and one that claims nothing.
    QByteArray lying = test::craftCabinet({{"big.txt", "short", 1 << 20}, {"zero.txt", {}}});
    for (qsizetype cut = 0; cut < good.size(); cut += 997) {
        test::ProjectWriter(tmp_.path()).writeBytes("cut.cab", good.left(cut));
        CabinetFile cab;
        cab.CABFile = path("cut.cab");
        cab.TargetPath = path("cut");
        cab.extractAll();
        for (const auto& [name, bytes] : treeOf(path("cut")).asKeyValueRange())
            EXPECT_EQ(bytes, name == "a.txt" ? textLike(40000, 5) : QByteArray("bb"));
    }
    test::ProjectWriter(tmp_.path()).writeBytes("lying.cab", lying);
    CabinetFile cab;
    cab.CABFile = path("lying.cab");
    cab.TargetPath = path("lying");
    EXPECT_FALSE(cab.extractAll());
    EXPECT_EQ(treeOf(path("lying")), (QMap<QString, QByteArray>{{"zero.txt", {}}}));

    QByteArray badSum = good;
    badSum[36 + 8 + 2 * 16 + 12] = 'X';  // the first block's checksum, now non-zero and wrong
    test::ProjectWriter(tmp_.path()).writeBytes("sum.cab", badSum);
    cab.CABFile = path("sum.cab");
    EXPECT_FALSE(cab.extractFile("a.txt"));
    cab.CABFile = path("missing.cab");
    EXPECT_FALSE(cab.listContents());
    test::ProjectWriter(tmp_.path()).writeBytes("text.cab", "not a cabinet at all");
    cab.CABFile = path("text.cab");
    EXPECT_FALSE(cab.listContents());
    EXPECT_TRUE(cab.CABFileContents.isEmpty());
}

TEST_F(CabFileTest, AllSixtyFiveThousandFilesAreListed) {
    QList<test::CraftedMember> members;
    for (int i = 0; i < 65535; ++i)
        members.append({QByteArray::number(i) + ".txt", {}});
    const QString cabPath = writeCrafted(members);
    CabinetFile cab;
    cab.CABFile = cabPath;
    ASSERT_TRUE(cab.listContents());
    EXPECT_EQ(cab.CABFileContents.size(), 65535);
    EXPECT_EQ(cab.CABFileContents.last().Name, "65534.txt");
}

}  // namespace
}  // namespace ztv
