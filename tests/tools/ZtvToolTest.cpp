#include "common/archives/EntryReader.h"
#include "common/formats/Container.h"
#include "tests/support/ProjectWriter.h"
#include "tools/ztvtool/ZtvTool.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace ztv {
namespace {

struct ToolRun {
    int code;
    QString out;
    QString err;
};

ToolRun ztvtool(const QStringList& args) {
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = tool::run(args, o, e);
    return {code, out, err};
}

// The built program, as a script or a person runs it.
ToolRun ztvtoolProgram(const QStringList& args) {
    QProcess tool;
    tool.start(QStringLiteral(ZTV_APPDIR "/ztvtool"), args);
    EXPECT_TRUE(tool.waitForFinished(60000));
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            QString::fromUtf8(tool.readAllStandardOutput()),
            QString::fromUtf8(tool.readAllStandardError())};
}

QList<QJsonObject> jsonLines(const QString& text) {
    QList<QJsonObject> objects;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(line.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
        objects.append(doc.object());
    }
    return objects;
}

class ZtvToolTest : public ::testing::Test {
  protected:
    QTemporaryDir tmp;
    test::ProjectWriter writer{tmp.path()};
};

TEST_F(ZtvToolTest, DumpOfAContainerShowsEveryField) {
    ElementRecord r = test::makeRecord(30, 4, "Bonjour \"à\" tous\\");
    r.Effet = "Fondu";
    r.Transparent = "Gauche,0,1,1";
    r.Gauche = -5;
    r.Haut = 6;
    r.Largeur = 700;
    r.Hauteur = 80;
    r.Acte = "Aller à la page";
    r.Destination = "4";
    r.Destin2 = "1";
    r.Vitesse = 3;
    r.Attente = 2.5;
    r.Couleur = 0x123456;
    r.Click = "oui";
    r.Couldegra = 99;
    r.sensdegra = "Arial,gras,12";
    r.style = "gras";
    r.size = 12;
    r.EffetPas = 5;
    r.EffetDepart = 10;
    r.EffetFin = 90;
    r.SurvolFichier = "\\img\\h.jpg";
    r.SurvolAction = 1;
    r.SurvolPage = 7;
    r.SurvolColonne = 2;
    r.SurvolRetablir = 1;
    const QString ztv = writer.writeContainer("p.ZTV", {{7, r}});

    const ToolRun run = ztvtool({"dump", ztv});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QList<QJsonObject> rows = jsonLines(run.out);
    ASSERT_EQ(rows.size(), 1) << "record 0 is not printed";
    const QJsonObject o = rows[0];
    EXPECT_EQ(o["record"].toInt(), 1);
    EXPECT_EQ(o["page"].toInt(), 7);
    EXPECT_EQ(o["Fichier"].toString(), r.Fichier);
    EXPECT_EQ(o["Attente"].toDouble(), 2.5);
    EXPECT_EQ(o.size(), 33) << "every field, the record index and the page";
    ElementRecord back;
    forEachField(back, [&](const FieldLayout& field, auto& value) {
        using T = std::decay_t<decltype(value)>;
        const QJsonValue v = o[QLatin1String(field.name)];
        if constexpr (std::is_same_v<T, QString>) {
            value = v.toString();
        } else if constexpr (std::is_same_v<T, double>) {
            value = v.toDouble();
        } else {
            value = v.toInt();
        }
    });
    EXPECT_EQ(back, r);
}

TEST_F(ZtvToolTest, DumpsTablesAndPageFiles) {
    writer.writePageTable({{1, "Un"}, {2, " "}});
    writer.writeKeywords("MOTS.PMG", {{"clé", "2", "3"}});
    writer.writePageFile(2, {test::makeRecord(4, 1, "a.jpg"), test::makeRecord(0, 0, "")});
    const auto pages = jsonLines(ztvtool({"dump", writer.path("PAGES.TAE")}).out);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[1]["title"].toString(), " ");
    const auto keys = jsonLines(ztvtool({"dump", writer.path("MOTS.PMG")}).out);
    ASSERT_EQ(keys.size(), 1);
    EXPECT_EQ(keys[0]["keyword"].toString(), "clé");
    EXPECT_EQ(jsonLines(ztvtool({"dump", writer.path("2.JOU")}).out).size(), 2);
}

TEST_F(ZtvToolTest, SplitPackAndInfoWorkTogether) {
    writer.writeSavedProject(
        "demo", {{1, "Accueil"}, {4, "Quatre"}, {5, " "}},
        {{1, test::makeRecord(3, 1)}, {1, test::makeRecord(4, 1)}, {4, test::makeRecord(4, 2)}},
        test::settingsLines(800, 600, 4), {{"mot", "4", "1"}});
    const QString dir = tmp.filePath("pages");
    const ToolRun split = ztvtool({"-v", "split", writer.path("demo.ZTV"), dir});
    ASSERT_EQ(split.code, 0) << split.err.toStdString();
    EXPECT_EQ(split.out, "1.JOU\n1.ACT\n4.JOU\n4.ACT\n");
    EXPECT_TRUE(QFile::exists(QDir(dir).filePath("4.ACT")));

    QFile::copy(writer.path("demo.PZV"), QDir(dir).filePath("pages.tae"));
    ASSERT_EQ(ztvtool({"pack", dir, tmp.filePath("again.ZTV")}).code, 0);
    EXPECT_EQ(test::readBytes(tmp.filePath("again.ZTV")), test::readBytes(writer.path("demo.ZTV")));

    const ToolRun info = ztvtool({"info", writer.path("demo.PZV")});
    ASSERT_EQ(info.code, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("size: 800 x 600"));
    EXPECT_TRUE(info.out.contains("first page: 4"));
    EXPECT_TRUE(info.out.contains("keywords: 1"));
    EXPECT_TRUE(info.out.contains("page 1: \"Accueil\", 2 records"));
    EXPECT_TRUE(info.out.contains("page 4: \"Quatre\", 1 records"));
    EXPECT_FALSE(info.out.contains("page 5"));
}

TEST_F(ZtvToolTest, BadInputFailsWithOneLineAndWritesNothing) {
    writer.writeBytes("odd.ZTV", QByteArray(1227 + 5, 'x'));
    writer.writeBytes("x.txt", "hello");
    QStringList old = test::settingsLines();
    old[5] = "1";
    writer.writeSavedProject("old", {{1, "p"}}, {}, old);
    const QList<QStringList> bad = {{"dump", tmp.filePath("none.JOU")},
                                    {"dump", writer.path("odd.ZTV")},
                                    {"dump", writer.path("x.txt")},
                                    {"split", writer.path("odd.ZTV"), tmp.filePath("out")},
                                    {"pack", tmp.filePath("nowhere"), tmp.filePath("o.ZTV")},
                                    {"info", writer.path("old.PZV")},
                                    {"info", writer.path("x.txt")}};
    const QStringList before = QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QStringList& args : bad) {
        const ToolRun run = ztvtool(args);
        EXPECT_EQ(run.code, 1) << args.join(' ').toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
    }
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_EQ(ztvtool({"frobnicate"}).code, 2);
}

TEST_F(ZtvToolTest, InfoRefusesADamagedProjectNamingTheFileAndTheFault) {
    const QList<std::pair<QString, QByteArray>> damages = {{"bad.PZV", QByteArray(200, 'p')},
                                                           {"bad.ini", "$\r\n640\r\n"}};
    const QStringList reasons = {"its size is not a whole number of records",
                                 "the settings file is cut short"};
    for (qsizetype i = 0; i < damages.size(); ++i) {
        writer.writeSavedProject("bad", {{1, "p"}}, {{1, test::makeRecord(4, 1)}});
        writer.writeBytes(damages[i].first, damages[i].second);
        const ToolRun run = ztvtool({"info", writer.path("bad.PZV")});
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(run.err, QStringLiteral("ztvtool: %1: not a valid project: %2\n")
                               .arg(writer.path(damages[i].first), reasons[i]));
    }
}

// Help on standard output, messages on standard error, exit 0, 1 or 2, file lists with -v.
TEST_F(ZtvToolTest, FollowsTheConventionsOfACommandLineTool) {
    const QString ztv =
        writer.writeContainer("p.ZTV", {{1, test::makeRecord(4, 1)}, {2, test::makeRecord(4, 1)}});
    const QString pzv = writer.writePageTable({{1, "Un"}});
    const QString empty = writer.writeBytes("empty.ZTV", "");
    const QString cut = writer.writeBytes("cut.JOU", QByteArray(kPageRecordSize + 3, 'x'));
    QByteArray overlong = encodePageRecord(test::makeRecord(4, 1));
    overlong[8] = char(101);  // Effet holds at most 100 characters
    const QString damaged =
        writer.writeBytes("damaged.JOU", QByteArray(kPageRecordSize, '\0') + overlong);
    struct Case {
        QStringList args;
        int code;
        QString out;  // a part of standard output; empty: nothing may be written there
        QString err;  // the same for standard error
    };
    const QList<Case> cases{
        {{"--help"}, 0, "Commands:", ""},
        {{"-h"}, 0, "Exit status", ""},
        {{"--version"}, 0, "ztvtool (Zentrovale) 3", ""},
        {{"cab", "--help"}, 0, "--window 15..21", ""},
        {{"--help", "build"}, 0, "--compressed-player", ""},
        {{}, 2, "", "no command given"},
        {{"frobnicate"}, 2, "", "ztvtool: unknown command 'frobnicate'\nusage: ztvtool"},
        {{"--frobnicate"}, 2, "", "unknown option '--frobnicate'"},
        {{"dump"}, 2, "", "usage: ztvtool dump FILE"},
        {{"dump", "--raw", ztv}, 2, "", "unknown option '--raw'"},
        {{"dump", cut}, 1, "", "is not a multiple"},
        {{"dump", empty}, 1, "", "empty file"},
        {{"dump", damaged}, 1, "", "record 1 is damaged (Effet)"},
        {{"cab", "frobnicate"}, 2, "", "unknown sub-command 'frobnicate'"},
        {{"cab", "create", "--type", "zip", tmp.filePath("o.cab"), ztv}, 2, "", "'zip'"},
        {{"entries"}, 2, "", "usage: ztvtool entries list FILE"},
        {{"build", pzv, "--dist", "floppy"}, 2, "", "--dist does not take 'floppy'"},
        {{"split", ztv, tmp.filePath("quiet")}, 0, "", ""},
        {{"-v", "split", ztv, tmp.filePath("told")}, 0, "1.JOU\n1.ACT\n2.JOU\n2.ACT\n", ""},
    };
    for (const Case& c : cases) {
        const ToolRun run = ztvtoolProgram(c.args);
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(run.code, c.code) << what << ": " << run.err.toStdString();
        for (const auto& [text, expected] : {std::pair{run.out, c.out}, {run.err, c.err}}) {
            EXPECT_TRUE(expected.isEmpty() ? text.isEmpty() : text.contains(expected))
                << what << ": " << text.toStdString();
        }
    }
    // Every command is listed, and its help describes each of its options.
    const QString help = ztvtoolProgram({"--help"}).out;
    for (const char* name :
         {"dump", "split", "pack", "info", "effects", "cab", "entries", "build"}) {
        EXPECT_TRUE(help.contains(QStringLiteral("\n  %1 ").arg(name))) << name;
        const QString own = ztvtoolProgram({name, "--help"}).out;
        const QString usage = own.section("\n\n", 0, 0);
        for (const auto& option : QRegularExpression("--[a-z-]+").globalMatch(usage)) {
            EXPECT_GE(own.count(option.captured()), 2) << option.captured().toStdString();
        }
    }
}

TEST_F(ZtvToolTest, CabCreateListAndExtract) {
    const QString a = writer.writeBytes("a.txt", QByteArray("alpha ").repeated(1000));
    const QString b = writer.writeBytes("B.bin", "bee");
    const QString cab = writer.path("out.cab");
    EXPECT_EQ(ztvtool({"cab", "create", "--type", "none", cab, a, b}).code, 0);
    const ToolRun list = ztvtool({"cab", "list", cab});
    ASSERT_EQ(list.code, 0);
    const QStringList lines = list.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].trimmed().startsWith("6000 ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith(" a.txt"));
    EXPECT_TRUE(lines[1].endsWith(" B.bin"));

    EXPECT_EQ(ztvtool({"cab", "extract", cab, writer.path("one"), "b.BIN"}).code, 0);
    EXPECT_EQ(QDir(writer.path("one")).entryList(QDir::Files), QStringList{"B.bin"});
    EXPECT_EQ(ztvtool({"cab", "extract", cab, writer.path("all")}).code, 0);
    EXPECT_EQ(test::readBytes(writer.path("all/a.txt")), QByteArray("alpha ").repeated(1000));

    const ToolRun missing = ztvtool({"cab", "extract", cab, writer.path("x"), "nope"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_FALSE(missing.err.isEmpty());
    EXPECT_EQ(ztvtool({"cab", "list", a}).code, 1);
    EXPECT_EQ(ztvtool({"cab", "create", "--type", "lzx", "--window", "21", cab, a}).code, 0);
    EXPECT_EQ(ztvtool({"cab", "extract", cab, writer.path("lzx"), "A.TXT"}).code, 0);
    EXPECT_EQ(test::readBytes(writer.path("lzx/a.txt")), QByteArray("alpha ").repeated(1000));
    EXPECT_EQ(ztvtool({"cab", "create", "--window", "22", cab, a}).code, 2);
}

TEST_F(ZtvToolTest, EntriesListAndExtractOfAMediaDataFile) {
    const QString cds = writer.writeBytes(
        "1.cds", encodeEntry("\\images\\a.jpg", "AAAA") + encodeEntry("..\\..\\b.bmp", "BB"));
    const ToolRun list = ztvtool({"entries", "list", cds});
    ASSERT_EQ(list.code, 0);
    const QStringList lines = list.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].simplified(), "0 4 \\images\\a.jpg");
    EXPECT_EQ(lines[1].simplified(), "265 2 ..\\..\\b.bmp");

    EXPECT_EQ(ztvtool({"entries", "extract", cds, writer.path("out")}).code, 0);
    EXPECT_EQ(test::readBytes(writer.path("out/a.jpg")), "AAAA");
    EXPECT_EQ(test::readBytes(writer.path("out/b.bmp")), "BB") << "reduced to its file name";
    EXPECT_EQ(ztvtool({"entries", "extract", cds, writer.path("one"), "\\IMAGES\\A.JPG"}).code, 0);
    EXPECT_EQ(QDir(writer.path("one")).entryList(QDir::Files), QStringList{"a.jpg"});
    EXPECT_EQ(ztvtool({"entries", "extract", cds, writer.path("two"), "none"}).code, 1);

    // A program's entries start where its ELF image ends (here a bare 64-byte header).
    QByteArray elf(64, '\0');
    elf.replace(0, 7,
                QByteArray("\x7f"
                           "ELF\x02\x01\x01",
                           7));
    const QString player = writer.writeBytes("player", elf + encodeEntry("demo.ztv", "ZZ"));
    const ToolRun packed = ztvtool({"entries", "list", player});
    ASSERT_EQ(packed.code, 0);
    EXPECT_EQ(packed.out.simplified(), "64 2 demo.ztv");
    EXPECT_EQ(ztvtool({"entries", "list", writer.path("missing")}).code, 1);
}

}  // namespace
}  // namespace ztv
