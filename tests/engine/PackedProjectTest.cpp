// Packed projects: a player with its project appended (plain, global and page-by-page forms), a
// single-file .ZTVX project, and what the end of playback leaves behind (nothing).
#include "common/archives/CabinetFile.h"
#include "common/archives/EntryReader.h"
#include "common/platform/FileIo.h"
#include "tests/engine/PagePlayFixture.h"

#include <QDirIterator>
#include <QImage>

namespace ztv::test {
namespace {

// The smallest ELF image: a 64-bit header without program or section headers.
QByteArray elfHeader() {
    QByteArray header(64, '\0');
    header.replace(0, 7,
                   QByteArray("\x7f"
                              "ELF\x02\x01\x01",
                              7));
    return header;
}

class PackedProject : public PagePlayFixture {
  protected:
    PackedProject() { QDir().mkpath(host("pkg")); }

    // The project's files in "pkg": demo.ztv, demo.ini, rlang.asc and the media data file
    // 1.cds holding a red picture stored as "\media\red.bmp"; their host paths.
    QStringList writeProjectFiles(const QString& perPageArchives = QStringLiteral("0")) {
        const QString stored = solidBmp(QStringLiteral("red.bmp"), Qt::red);
        ProjectWriter pkg(host("pkg"));
        QStringList lines = settingsLines(200, 100, 1);
        lines[4] = QStringLiteral("1");
        lines[6] = QStringLiteral("1");
        lines[9] = perPageArchives;
        return {
            pkg.writeContainer("demo.ztv", {{1, picture(4, 1, stored, kRect)}}),
            pkg.writeSettings("demo.ini", lines),
            pkg.writeBytes("rlang.asc",
                           readBytes(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"))),
            pkg.writeBytes("1.cds", encodeEntry(stored, readBytes(host("media/red.bmp")))),
        };
    }

    QByteArray entriesOf(const QStringList& files) const {
        QByteArray data;
        for (const QString& file : files)
            data += encodeEntry(QFileInfo(file).fileName(), readBytes(file));
        return data;
    }

    QString cabinetOf(const QString& name, const QStringList& files) const {
        CabinetFile cab;
        cab.CABFile = host("pkg/" + name);
        for (const QString& file : files)
            cab.CABFileContents.append(CabinetEntry(file));
        EXPECT_TRUE(cab.write());
        return cab.CABFile;
    }

    void writePlayer(const QString& name, const QByteArray& entries) const {
        appWriter().writeBytes(name, elfHeader() + entries);
    }

    // Plays the first page and checks the red picture at its place; then the end of playback.
    void expectFirstPagePlaysAndCleansUp() {
        ASSERT_FALSE(engine_->project().projectPath.isEmpty())
            << prompter_.texts().join('|').toStdString();
        const QString playback = engine_->session().playbackDirectoryHost();
        engine_->playPage();
        ASSERT_TRUE(runUntilIdle());
        EXPECT_EQ(canvasAt(kRect.x() + 1, kRect.y() + 1), rgb(Qt::red));
        EXPECT_EQ(canvasAt(kRect.right(), kRect.bottom()), rgb(Qt::red));
        EXPECT_TRUE(prompter_.texts().isEmpty()) << prompter_.texts().join('|').toStdString();
        const QStringList extracted = engine_->session().extractedFiles();
        EXPECT_FALSE(extracted.isEmpty());
        engine_->stop();
        engine_->showEndScreen(nullptr, false);
        EXPECT_FALSE(QFileInfo::exists(playback));
        for (const QString& file : extracted)
            EXPECT_FALSE(QFileInfo::exists(file)) << file.toStdString();
        EXPECT_TRUE(engine_->session().extractedFiles().isEmpty());
    }

    static constexpr QRect kRect{10, 20, 40, 30};
};

TEST_F(PackedProject, AnAppendedPlayerPlaysItsEntries) {
    writePlayer("demo", entriesOf(writeProjectFiles()));
    ASSERT_TRUE(start({}, "demo"));
    EXPECT_EQ(engine_->project().projectPath, "demo.ztv");
    EXPECT_EQ(engine_->title(), "demo.ztv");
    EXPECT_EQ(engine_->project().projectWidth, 200);
    EXPECT_TRUE(engine_->project().packedProject);
    EXPECT_TRUE(engine_->project().mediaByPage);
    EXPECT_TRUE(engine_->project().mediaInPackage);
    EXPECT_FALSE(engine_->project().perPageArchives);
    EXPECT_EQ(playbackDirs(), QStringList{"base0"});
    expectFirstPagePlaysAndCleansUp();
}

TEST_F(PackedProject, ARenamedPlayerFindsItsContainerByExtension) {
    writePlayer("other.bin", entriesOf(writeProjectFiles()));
    ASSERT_TRUE(start({}, "other.bin"));
    EXPECT_EQ(engine_->project().projectPath, "demo.ztv");
    expectFirstPagePlaysAndCleansUp();
}

TEST_F(PackedProject, GlobalCompressionPlaysFromOneArchive) {
    writePlayer("demo", entriesOf({cabinetOf("demo.cab", writeProjectFiles())}));
    ASSERT_TRUE(start({}, "demo"));
    expectFirstPagePlaysAndCleansUp();
}

TEST_F(PackedProject, PageByPageCompressionOpensThePagesArchive) {
    const QStringList files = writeProjectFiles(QStringLiteral("1"));
    const QString project = cabinetOf("demo.cab", files.mid(0, 3));
    const QString page = cabinetOf("demo-1.cab", files.mid(3));
    writePlayer("demo", entriesOf({project, page}));
    ASSERT_TRUE(start({}, "demo"));
    EXPECT_TRUE(engine_->project().perPageArchives);
    expectFirstPagePlaysAndCleansUp();
}

TEST_F(PackedProject, AMissingPageArchiveIsReportedAndItsPicturesAreMissing) {
    const QStringList files = writeProjectFiles(QStringLiteral("1"));
    writePlayer("demo", entriesOf({cabinetOf("demo.cab", files.mid(0, 3))}));
    ASSERT_TRUE(start({}, "demo"));
    engine_->playPage();
    ASSERT_TRUE(runUntilIdle());
    ASSERT_FALSE(prompter_.texts().isEmpty());
    EXPECT_EQ(prompter_.texts().first(), "compress page by page: cab not found");
    EXPECT_NE(canvasAt(kRect.x() + 1, kRect.y() + 1), rgb(Qt::red));
}

TEST_F(PackedProject, ASingleFileProjectPlays) {
    const QString ztvx = cabinetOf("demo.ZTVX", writeProjectFiles());
    QDir().mkpath(host("cd"));
    ASSERT_TRUE(QFile::rename(ztvx, host("cd/demo.ZTVX")));
    ASSERT_TRUE(start({host("cd/demo.ZTVX")}));
    EXPECT_EQ(engine_->project().projectPath, "demo.ztv");
    EXPECT_EQ(QDir(host("cd")).entryList({"base*"}, QDir::Dirs), QStringList{"base0"});
    expectFirstPagePlaysAndCleansUp();
    EXPECT_EQ(QDir(host("cd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"demo.ZTVX"});
}

TEST_F(PackedProject, ASingleFileProjectOnACdPlaysFromTheTempFolder) {
    QDir().mkpath(host("cd"));
    ASSERT_TRUE(QFile::rename(cabinetOf("demo.ZTVX", writeProjectFiles()), host("cd/demo.ZTVX")));
    drives_.set(u'D', host("cd"), DriveType::Cd);
    ASSERT_TRUE(start({"D:\\demo.ZTVX"}));
    EXPECT_EQ(engine_->session().playbackDirectoryHost(),
              QDir(host("tmp/tempztv")).filePath("base0"));
    expectFirstPagePlaysAndCleansUp();
    EXPECT_EQ(QDir(host("cd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"demo.ZTVX"});
}

TEST_F(PackedProject, AnActionPlaysASingleFileProjectInPlaceOfThisOne) {
    QDir().mkpath(host("cd"));
    ASSERT_TRUE(QFile::rename(cabinetOf("demo.ZTVX", writeProjectFiles()), host("cd/demo.ZTVX")));
    writeProject(appHost(), "first");
    ASSERT_TRUE(start({}, "first"));
    const QString firstPlayback = engine_->session().playbackDirectoryHost();
    engine_->runAction({ActionKind::OpenProject, "C:\\cd\\demo.ZTVX", QString()});
    EXPECT_FALSE(QFileInfo::exists(firstPlayback));
    EXPECT_TRUE(engine_->project().ZTVXExt);
    EXPECT_EQ(engine_->project().projectPath, "demo.ztv");
    EXPECT_EQ(engine_->windowRect(), QRect((1280 - 200) / 2, (960 - 100) / 2, 200, 100));
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(canvasAt(kRect.x() + 1, kRect.y() + 1), rgb(Qt::red));

    engine_->runAction({ActionKind::OpenProject, "C:\\cd\\missing.ZTVX", QString()});
    EXPECT_EQ(engine_->project().projectPath, "demo.ztv") << "a missing project changes nothing";
}

TEST_F(PackedProject, PackagesWithoutAProjectEndQuietly) {
    appWriter().writeBytes("demo.ZTVX", "not a cabinet");
    EXPECT_FALSE(start({host("app/demo.ZTVX")}));
    EXPECT_TRUE(playbackDirs().isEmpty());

    writePlayer("demo", encodeEntry("readme.txt", "no project here"));
    EXPECT_FALSE(start({}, "demo"));
    EXPECT_TRUE(prompter_.texts().isEmpty()) << prompter_.texts().join('|').toStdString();
    EXPECT_TRUE(playbackDirs().isEmpty());

    // The project's archive behind a size field that says less than the archive holds.
    QByteArray lying =
        encodeEntry("demo.cab", readBytes(cabinetOf("demo.cab", writeProjectFiles())));
    const QByteArray size = QByteArray::number(lying.size() - kEntryHeaderSize);
    lying.replace(kEntryNameFieldSize, size.size(),
                  QByteArray::number(size.toInt() / 2).leftJustified(size.size(), '\0'));
    writePlayer("demo", lying);
    EXPECT_FALSE(start({}, "demo"));
    EXPECT_TRUE(playbackDirs().isEmpty());
}

TEST_F(PackedProject, HostileEntryNamesStayInThePlaybackDirectory) {
    const QStringList files = writeProjectFiles();
    // A package that names its files with folders and parents: they land by file name only.
    writePlayer("demo", encodeEntry("..\\..\\evil.txt", "x") + encodeEntry("/tmp/evil2.txt", "x") +
                            encodeEntry("..\\..\\rlang.asc", readBytes(files[2])) +
                            encodeEntry("C:\\..\\demo.ztv", readBytes(files[0])) +
                            encodeEntry("../../demo.ini", readBytes(files[1])) +
                            entriesOf(files.mid(3)));
    ASSERT_TRUE(start({}, "demo"));
    const QString playback = engine_->session().playbackDirectoryHost();
    EXPECT_TRUE(QFileInfo::exists(QDir(playback).filePath("rlang.asc")));
    QDirIterator it(tmp_.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        EXPECT_FALSE(path.contains("evil")) << path.toStdString();
    }
    expectFirstPagePlaysAndCleansUp();
}

}  // namespace
}  // namespace ztv::test
