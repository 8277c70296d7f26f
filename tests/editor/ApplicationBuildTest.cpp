// The demo project built by `ztvtool build` in each distribution and compression form, each
// result played by the player and compared by pixels with the saved project's first page.
#include "common/formats/ElementRecord.h"
#include "common/formats/LangLines.h"
#include "common/platform/RecordFile.h"
#include "tests/editor/BuildFixture.h"
#include "tests/support/ProjectWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace ztv::test {
namespace {

class ToolBuild : public BuildFixture {
  protected:
    // Builds with the options; the output folder the tool printed last.
    QString build(const QStringList& options) {
        QStringList lines;
        QString err;
        EXPECT_EQ(runTool(options + QStringList{"-v"}, &lines, &err), 0) << err.toStdString();
        EXPECT_FALSE(lines.isEmpty());
        for (int page = 1; page <= 6; ++page) {
            EXPECT_TRUE(lines.contains(QStringLiteral("page %1").arg(page))) << page;
        }
        return lines.value(lines.size() - 1);
    }

    void expectPlaysLikeTheProject(const QString& application) {
        const QImage page = playFirstPage(application);
        ASSERT_FALSE(page.isNull()) << prompter_.texts().join('|').toStdString();
        EXPECT_TRUE(prompter_.texts().isEmpty()) << prompter_.texts().join('|').toStdString();
        QImage blank(page.size(), page.format());
        blank.fill(page.pixel(0, 0));
        ASSERT_NE(page, blank) << "the page shows its pictures";
        EXPECT_EQ(page, referencePage());
        EXPECT_TRUE(entriesOf(QFileInfo(application).absolutePath()).filter("base").isEmpty())
            << "the playback directory is gone";
    }

    // The project's records as they went into the program.
    QList<ElementRecord> packedRecords(const QString& program) {
        const QString dir = host(QStringLiteral("unpacked"));
        QProcess tool;
        tool.start(QStringLiteral(ZTV_APPDIR "/ztvtool"),
                   {QStringLiteral("entries"), QStringLiteral("extract"), program, dir});
        EXPECT_TRUE(tool.waitForFinished(60000));
        const auto bytes =
            RecordFile::readAll(QDir(dir).filePath(QStringLiteral("demo.ztv")), kProjectRecordSize);
        QList<ElementRecord> records;
        for (const QByteArray& b : bytes.value_or(QList<QByteArray>{}).mid(1)) {
            records.append(decodeProjectRecord(b));
        }
        return records;
    }
};

const QStringList kProjectFiles{"demo.ztv", "demo.ini", "demo.pmg", "rlang.asc"};
const QStringList kMediaData{"1.cds", "2.cds", "3.cds", "4.cds", "5.cds", "6.cds"};

TEST_F(ToolBuild, WebWithoutCompressionIsOneProgramBesideItsAutorunFiles) {
    const QString out = build({"--autorun"});
    EXPECT_EQ(out, host("proj/Application1"));
    EXPECT_EQ(entriesOf(out), (QStringList{"autorun", "autorun.inf", "demo"}));
    EXPECT_TRUE(QFileInfo(out + "/autorun").isExecutable());
    EXPECT_EQ(readBytes(out + "/autorun.inf"), "[AutoRun]\r\nopen=.\\demo\r\n");
    const QStringList names = appendedNames(out + "/demo");
    for (const QString& name : kProjectFiles + kMediaData + QStringList{"air.wav", "balle.avi"}) {
        EXPECT_TRUE(names.contains(name)) << name.toStdString();
    }
    expectPlaysLikeTheProject(out + "/demo");

    // The next build of the same project goes to the next free folder.
    EXPECT_EQ(build({}), host("proj/Application2"));
}

TEST_F(ToolBuild, GlobalCompressionAppendsOneArchive) {
    const QString out = build({"--compress", "global", "--compressed-player"});
    EXPECT_EQ(entriesOf(out), QStringList{"demo"});
    EXPECT_EQ(appendedNames(out + "/demo"), QStringList{"demo.cab"});
    expectPlaysLikeTheProject(out + "/demo");
}

TEST_F(ToolBuild, PageCompressionAppendsTheProjectArchiveFirstThenOnePerPage) {
    const QString out = build({"--compress", "page"});
    EXPECT_EQ(appendedNames(out + "/demo"),
              (QStringList{"demo.cab", "demo-1.cab", "demo-2.cab", "demo-3.cab", "demo-4.cab",
                           "demo-5.cab", "demo-6.cab", "demo-7.cab"}));
    expectPlaysLikeTheProject(out + "/demo");
}

TEST_F(ToolBuild, CdRomKeepsSoundsAndVideosInTheirFoldersAndRecordsNameThem) {
    const QString out = build({"--dist", "cdrom"});
    EXPECT_EQ(entriesOf(out), (QStringList{"demo", "sounds/", "videos/"}));
    EXPECT_EQ(entriesOf(out + "/sounds"), (QStringList{"air.wav", "voix.wav"}));
    EXPECT_EQ(entriesOf(out + "/videos"), QStringList{"balle.avi"});
    const QStringList names = appendedNames(out + "/demo");
    EXPECT_FALSE(names.contains("air.wav"));
    EXPECT_FALSE(names.contains("voix.wav"));
    EXPECT_FALSE(names.contains("balle.avi"));
    QStringList media;
    for (const ElementRecord& r : packedRecords(out + "/demo")) {
        if (r.Ligne == 1 || r.Ligne == 2) {
            media.append(r.Fichier);
        }
    }
    media.sort();
    const QString stored = QString(out).replace(u'/', u'\\');
    EXPECT_EQ(media, (QStringList{stored + "\\sounds\\air.wav", stored + "\\videos\\balle.avi"}));
    expectPlaysLikeTheProject(out + "/demo");
}

TEST_F(ToolBuild, ZtvxIsOneArchiveThatCabextractLists) {
    const QString out = build({"--dist", "ztvx", "--autorun"});
    EXPECT_EQ(entriesOf(out), (QStringList{"autorun", "autorun.inf", "demo.ztvx"}));
    EXPECT_EQ(readBytes(out + "/autorun.inf"), "[AutoRun]\r\nopen=.\\demo.ztvx\r\n");
    QProcess cabextract;
    cabextract.start(QStringLiteral("cabextract"), {QStringLiteral("-l"), out + "/demo.ztvx"});
    ASSERT_TRUE(cabextract.waitForFinished(60000));
    EXPECT_EQ(cabextract.exitCode(), 0);
    const QString listing = QString::fromUtf8(cabextract.readAllStandardOutput());
    for (const QString& name : kProjectFiles + kMediaData) {
        EXPECT_TRUE(listing.contains(" | " + name + "\n")) << name.toStdString();
    }
    expectPlaysLikeTheProject(out + "/demo.ztvx");
}

TEST_F(ToolBuild, AFailureExitsWithItsMessage) {
    const QByteArray settings = readBytes(host("proj/demo.ini"));
    QFile::remove(host("proj/demo.ini"));
    QStringList lines;
    QString err;
    EXPECT_EQ(runTool({}, &lines, &err), 1);
    LanguageFile english;
    english.load(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/ENGLISH.asc"));
    EXPECT_EQ(err.count(english.text(lang::ProjectSettingsMissing)), 1)
        << "once, in English: " << err.toStdString();
    EXPECT_TRUE(lines.isEmpty()) << "nothing on standard output";
    // A page table cut short is refused before anything is built.
    QFile restored(host("proj/demo.ini"));
    ASSERT_TRUE(restored.open(QIODevice::WriteOnly) && restored.write(settings) == settings.size());
    restored.close();
    ASSERT_TRUE(QFile::resize(host("proj/demo.PZV"), 200));
    EXPECT_EQ(runTool({}, &lines, &err), 1);
    EXPECT_TRUE(err.contains(english.text(lang::ProjectNotWholeRecords))) << err.toStdString();
    EXPECT_EQ(runTool({"--dist", "floppy"}, &lines, &err), 2);
    EXPECT_TRUE(err.contains("usage")) << err.toStdString();
    QDir().mkpath(host("taken"));
    EXPECT_EQ(runTool({"--out", host("taken")}, &lines, &err), 1);
    EXPECT_TRUE(err.contains("already exists")) << err.toStdString();
}

}  // namespace
}  // namespace ztv::test
