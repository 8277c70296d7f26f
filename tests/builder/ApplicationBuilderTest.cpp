// The builder's rules on crafted projects: no file of a build is ever overwritten or merged,
// actions take the parameter that names their file, names that clash with the build's own
// files, an empty project, and the output folder's numbering.
#include "common/archives/ElfImage.h"
#include "common/archives/EntryReader.h"
#include "common/builder/ApplicationBuild.h"
#include "common/builder/OutputFolder.h"
#include "common/formats/LangLines.h"
#include "common/platform/RecordFile.h"
#include "tests/support/ProjectWriter.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace ztv::test {
namespace {

using namespace builder;

class ApplicationBuilder : public ::testing::Test {
  protected:
    ApplicationBuilder() {
        drives_.set(u'C', tmp_.path(), DriveType::Fixed);
        french_.load(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"));
        QDir().mkpath(host("app"));
        QDir().mkpath(host("proj"));
        QByteArray elf(64, '\0');
        elf.replace(0, 7,
                    QByteArray("\x7f"
                               "ELF\x02\x01\x01",
                               7));
        ProjectWriter(host("app")).writeBytes("ztvplay", elf);
        QFile::copy(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"),
                    host("app/rlang.asc"));
    }

    QString host(const QString& relative) const { return QDir(tmp_.path()).filePath(relative); }

    QString media(const QString& relative, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(host(relative)).absolutePath());
        ProjectWriter(tmp_.path()).writeBytes(relative, bytes);
        return u'\\' + QString(relative).replace(u'/', u'\\');
    }

    BuildOutcome build(const QString& name, const QList<ContainerRecord>& records,
                       const QList<PageEntry>& pages = {{1, QStringLiteral("Page")}}) {
        ProjectWriter(host("proj")).writeSavedProject(name, pages, records);
        out_ = host("proj/out");
        QDir().mkpath(out_);
        BuildHooks hooks = hooks_;
        hooks.findMedia = driveTableMediaFinder(drives_, host("proj"));
        ApplicationBuild b({host("proj/" + name + ".PZV"), host("app"), out_, BuildOptions{}},
                           french_, drives_, prompter_, hooks);
        return b.run();
    }

    // An entry's content in the program; empty when it has none.
    QByteArray packedContent(const QString& program, const QString& entry) {
        QFile file(program);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EntryReader reader(&file, elfImageSize(file).value_or(0));
        return reader.findEntry(entry) ? reader.readContent().value_or(QByteArray()) : QByteArray();
    }

    // The records of the container the program carries.
    QList<ElementRecord> packedRecords(const QString& program, const QString& container) {
        QFile file(program);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EntryReader reader(&file, elfImageSize(file).value_or(0));
        QList<ElementRecord> records;
        if (!reader.findEntry(container)) {
            return records;
        }
        const QByteArray data = reader.readContent().value_or(QByteArray());
        for (qsizetype at = kProjectRecordSize; at + kProjectRecordSize <= data.size();
             at += kProjectRecordSize) {
            records.append(decodeProjectRecord(data.mid(at, kProjectRecordSize)));
        }
        return records;
    }

    QStringList entryNames(const QString& program) {
        QFile file(program);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EntryReader reader(&file, elfImageSize(file).value_or(0));
        QStringList names;
        while (const auto h = reader.next()) {
            names.append(h->name);
        }
        return names;
    }

    QTemporaryDir tmp_;
    DriveTable drives_;
    LanguageFile french_;
    ScriptedPrompter prompter_;
    QString out_;
    BuildHooks hooks_;
};

TEST_F(ApplicationBuilder, SameNamedSoundsFromOtherFoldersKeepTheirOwnBytes) {
    const QString first = media("a/air.wav", "first");
    const QString other = media("b/air.wav", "other");
    const QString again = media("c/air.wav", "first");
    ASSERT_EQ(build("show", {{1, makeRecord(1, 1, first)},
                             {1, makeRecord(1, 2, other)},
                             {1, makeRecord(1, 3, again)}}),
              BuildOutcome::Built)
        << prompter_.texts().join('|').toStdString();
    QStringList stored;
    for (const ElementRecord& r : packedRecords(out_ + "/show", "show.ztv")) {
        stored.append(r.Fichier);
    }
    EXPECT_EQ(stored, (QStringList{"\\proj\\out\\air.wav", "\\proj\\out\\air-2.wav",
                                   "\\proj\\out\\air.wav"}));
    const QStringList names = entryNames(out_ + "/show");
    EXPECT_EQ(names.count("air.wav"), 1);
    EXPECT_EQ(names.count("air-2.wav"), 1);
}

TEST_F(ApplicationBuilder, AMovedProjectTakesTheMediaItCarries) {
    media("proj/img/sun.bmp", "BMsun");
    const QString stored = QStringLiteral("\\where\\it\\was\\img\\sun.bmp");
    ASSERT_EQ(build("show", {{1, makeRecord(4, 1, stored)}}), BuildOutcome::Built)
        << prompter_.texts().join('|').toStdString();
    EXPECT_TRUE(prompter_.texts().isEmpty());
    EXPECT_EQ(packedContent(out_ + "/show", "1.cds"), encodeEntry(stored, "BMsun"));
}

TEST_F(ApplicationBuilder, ActionsCopyTheFileTheirParameterNames) {
    ElementRecord open = makeRecord(4, 1, media("pics/p.bmp", "BM"));
    open.Acte = french_.text(lang::ActionOpenDocumentWith);
    open.Destination = QStringLiteral("C:\\bin\\viewer");
    open.Destin2 = media("docs/guide.txt", "guide");
    ElementRecord print = makeRecord(5, 1, media("pics/q.bmp", "BM"));
    print.Acte = french_.text(lang::ActionPrintTextFile);
    // A document named like the build's settings file must not replace them.
    print.Destination = QStringLiteral("C:") + media("docs/show.ini", "not the settings");
    ASSERT_EQ(build("show", {{1, open}, {1, print}}), BuildOutcome::Built)
        << prompter_.texts().join('|').toStdString();
    const QList<ElementRecord> records = packedRecords(out_ + "/show", "show.ztv");
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0].Destination, "C:\\bin\\viewer");
    EXPECT_EQ(records[0].Destin2, "\\proj\\out\\guide.txt");
    EXPECT_EQ(records[1].Destination, "\\proj\\out\\show-2.ini");
    const QStringList names = entryNames(out_ + "/show");
    EXPECT_TRUE(names.contains("guide.txt"));
    EXPECT_TRUE(names.contains("show-2.ini"));
    EXPECT_TRUE(names.contains("1.cds"));
    EXPECT_TRUE(prompter_.texts().isEmpty()) << prompter_.texts().join('|').toStdString();
}

// A file that an action opens on the author's machine must travel with the application, or the
// action finds nothing once installed; an address is passed as it is, whatever it looks like.
TEST_F(ApplicationBuilder, EveryActionThatOpensAFileTakesItAlong) {
    const struct {
        int line;
        const char* file;
        bool copied;
    } cases[] = {{lang::ActionOpenFile, "docs/plan.pdf", true},
                 {lang::ActionOpenWithParametersOnDrives, "docs/tool.bat", true},
                 {lang::ActionOpenWithParameters, "docs/notes.txt", true},
                 {lang::ActionOpenAddress, "docs/site.html", false}};
    QList<ContainerRecord> records;
    int row = 4;
    for (const auto& c : cases) {
        ElementRecord r = makeRecord(row++, 1, media("pics/p.bmp", "BM"));
        r.Acte = french_.text(c.line);
        r.Destination = media(QLatin1String(c.file), "document");
        records.append({1, r});
    }
    ASSERT_EQ(build("show", records), BuildOutcome::Built)
        << prompter_.texts().join('|').toStdString();
    const QList<ElementRecord> packed = packedRecords(out_ + "/show", "show.ztv");
    ASSERT_EQ(packed.size(), records.size());
    const QStringList names = entryNames(out_ + "/show");
    for (qsizetype i = 0; i < packed.size(); ++i) {
        const QString name = QFileInfo(QLatin1String(cases[i].file)).fileName();
        EXPECT_EQ(names.contains(name), cases[i].copied) << cases[i].file;
        EXPECT_EQ(packed[i].Destination == "\\proj\\out\\" + name, cases[i].copied)
            << packed[i].Destination.toStdString();
    }
}

TEST_F(ApplicationBuilder, APagesMediaDataHoldsEachOfItsPicturesOnce) {
    const QString p = media("pics/p.bmp", "BM-p");
    const QString q = media("pics/q.jpg", QByteArray(3000, 'q'));
    ASSERT_EQ(build("show",
                    {{1, makeRecord(4, 1, p)},
                     {1, makeRecord(5, 1, q)},
                     {1, makeRecord(6, 2, p)},
                     {2, makeRecord(4, 1, q)}},
                    {{1, QStringLiteral("One")}, {2, QStringLiteral("Two")}}),
              BuildOutcome::Built)
        << prompter_.texts().join('|').toStdString();
    // The pictures one after the other, each under its stored path, the first use only.
    EXPECT_EQ(packedContent(out_ + "/show", "1.cds"),
              encodeEntry(p, "BM-p") + encodeEntry(q, QByteArray(3000, 'q')));
    EXPECT_EQ(packedContent(out_ + "/show", "2.cds"), encodeEntry(q, QByteArray(3000, 'q')));
}

TEST_F(ApplicationBuilder, APictureThatChangesBeforeTheAssemblyFailsTheBuild) {
    const QString p = media("pics/p.bmp", "BM");
    // Its size went into the program's header for the page's media data already.
    hooks_.pageGathered = [&](int) {
        QFile picture(host("pics/p.bmp"));
        ASSERT_TRUE(picture.open(QIODevice::Append));
        picture.write("grown");
    };
    EXPECT_EQ(build("show", {{1, makeRecord(4, 1, p)}}), BuildOutcome::Failed);
    EXPECT_FALSE(QFileInfo::exists(out_ + "/show"));
    ASSERT_EQ(prompter_.texts().size(), 1);
    EXPECT_TRUE(prompter_.texts()[0].startsWith(french_.text(lang::AssemblyFailed)));
}

TEST_F(ApplicationBuilder, AProjectNamedLikeThePlayerKeepsItsPlayer) {
    ASSERT_EQ(build("ztvplay", {{1, makeRecord(4, 1, media("pics/p.bmp", "BM"))}}),
              BuildOutcome::Built)
        << prompter_.texts().join('|').toStdString();
    EXPECT_EQ(QDir(out_).entryList(QDir::Files | QDir::Hidden), QStringList{"ztvplay"});
    const QStringList names = entryNames(out_ + "/ztvplay");
    EXPECT_TRUE(names.contains("ztvplay.ztv"));
    EXPECT_TRUE(names.contains("rlang.asc"));
}

TEST_F(ApplicationBuilder, MissingMediaAreToldAndTheBuildGoesOn) {
    ASSERT_EQ(build("show", {{1, makeRecord(4, 1, "\\gone\\p.bmp")}}), BuildOutcome::Built);
    EXPECT_EQ(prompter_.texts(),
              QStringList{host("gone/p.bmp") + ' ' + french_.text(lang::NotFoundSuffix)});
}

TEST_F(ApplicationBuilder, AProjectWithoutPagesIsNotAssembled) {
    EXPECT_EQ(build("show", {}, {{1, QStringLiteral(" ")}}), BuildOutcome::Failed);
    EXPECT_EQ(prompter_.texts(), QStringList{french_.text(lang::BuildNoPages)});
    EXPECT_FALSE(QFileInfo::exists(out_ + "/show"));
}

TEST_F(ApplicationBuilder, OutputFoldersAreNumberedAndNeverRunOut) {
    EXPECT_EQ(nextOutputFolder(host("proj"), "Application"), host("proj/Application1"));
    QDir().mkpath(host("proj/Application1"));
    QFile::link(host("nowhere"), host("proj/Application2"));
    EXPECT_EQ(nextOutputFolder(host("proj"), "Application"), host("proj/Application3"));
    for (int k = 3; k <= kMaxOutputFolders; ++k) {
        QDir().mkdir(host("proj/Application") + QString::number(k));
    }
    EXPECT_EQ(nextOutputFolder(host("proj"), "Application"), QString());
}

}  // namespace
}  // namespace ztv::test
