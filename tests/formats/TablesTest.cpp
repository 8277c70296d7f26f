#include "common/formats/KeywordTable.h"
#include "common/formats/LanguageFile.h"
#include "common/formats/PageTable.h"
#include "common/formats/ProjectSettings.h"
#include "common/platform/RecordFile.h"
#include "tests/support/ProjectWriter.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace ztv {
namespace {

class Tables : public ::testing::Test {
  protected:
    QTemporaryDir tmp;
    test::ProjectWriter writer{tmp.path()};
};

TEST_F(Tables, PageTableListsLivePagesFromRecordOne) {
    const QString path = writer.writePageTable(
        {{1, "Accueil"}, {5, "Cinq"}, {7, " "}, {0, "zéro"}, {-2, "négative"}, {9, "  "}});
    const QList<PageEntry> live = pagetable::readLive(path);
    ASSERT_EQ(live.size(), 3);
    EXPECT_EQ(live[0], (PageEntry{1, "Accueil"}));
    EXPECT_EQ(live[1], (PageEntry{5, "Cinq"}));
    EXPECT_EQ(live[2].number, 9) << "only a single blank marks a deleted page";
    EXPECT_EQ(pagetable::readAll(path)->size(), 6);
    EXPECT_TRUE(pagetable::readLive(writer.path("missing.TAE")).isEmpty());

    // Trailing bytes of a partial record are ignored.
    QByteArray bytes = test::readBytes(path);
    bytes.truncate(bytes.size() - 10);
    EXPECT_EQ(pagetable::readAll(writer.writeBytes("cut.TAE", bytes))->size(), 5);
}

TEST_F(Tables, PageTableWriteRoundTripsWithZeroRecordZero) {
    const QList<PageEntry> pages = {{3, QString(250, u't')}, {1, "Un"}};
    ASSERT_TRUE(pagetable::write(writer.path("P.TAE"), pages));
    const QByteArray bytes = test::readBytes(writer.path("P.TAE"));
    ASSERT_EQ(bytes.size(), 3 * 208);
    EXPECT_EQ(bytes.left(208), QByteArray(208, '\0'));
    const auto back = pagetable::readAll(writer.path("P.TAE"));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->at(0).title, QString(200, u't')) << "titles are cut to 200 bytes";
    EXPECT_EQ(back->at(1), pages[1]);
}

TEST_F(Tables, KeywordTableSkipsFreeSlots) {
    const QString path = writer.writeKeywords(
        "MOTS.PMG", {{"château", "3", "2"}, {"", "9", "9"}, {"fin", "12", "1"}});
    const QList<KeywordEntry> used = keywordtable::readUsed(path);
    ASSERT_EQ(used.size(), 2);
    EXPECT_EQ(used[0], (KeywordEntry{"château", "3", "2"}));
    EXPECT_EQ(used[1].page, "12");
    ASSERT_TRUE(keywordtable::write(writer.path("K.PMG"), used));
    EXPECT_EQ(keywordtable::readUsed(writer.path("K.PMG")), used);
}

TEST_F(Tables, RecordFileExtendsOnWriteAndIgnoresPartialRecords) {
    RecordFile file(10);
    ASSERT_TRUE(file.open(writer.path("r.bin"), RecordFile::Mode::Truncate));
    EXPECT_TRUE(file.write(3, QByteArray(10, 'x')));
    EXPECT_EQ(file.count(), 4);
    EXPECT_EQ(*file.read(1), QByteArray(10, '\0')) << "a gap reads as zeros";
    EXPECT_FALSE(file.write(0, QByteArray(9, 'y'))) << "only whole records are written";
    EXPECT_FALSE(file.read(4));
    EXPECT_FALSE(file.read(-1));
    file.close();
    writer.writeBytes("p.bin", QByteArray(25, 'z'));
    EXPECT_EQ(RecordFile::readAll(writer.path("p.bin"), 10)->size(), 2);
}

TEST_F(Tables, SettingsVersionCheckIsExact) {
    QStringList lines = test::settingsLines();
    ProjectSettings settings{NumberedLines(lines)};
    EXPECT_TRUE(settings.isCurrentVersion());
    lines[5] = "2 ";
    EXPECT_FALSE(ProjectSettings{NumberedLines(lines)}.isCurrentVersion());
    EXPECT_FALSE(ProjectSettings{NumberedLines(lines.mid(0, 5))}.isCurrentVersion())
        << "a missing line reads as empty";
    EXPECT_EQ(ProjectSettings::oldVersionMessage(),
              "This project was created with a former version of the software. Cette "
              "application a été réalisée avec une ancienne version du logiciel.");
}

TEST_F(Tables, SettingsSizesFallBackWhenNotWholeNumbersInRange) {
    auto sized = [](QString w, QString h, QString first) {
        QStringList lines = test::settingsLines();
        lines[1] = w;
        lines[2] = h;
        lines[3] = first;
        return ProjectSettings{NumberedLines(lines)};
    };
    const ProjectSettings ok = sized("800", "600", "4");
    EXPECT_EQ(ok.width(), 800);
    EXPECT_EQ(ok.height(), 600);
    EXPECT_EQ(ok.firstPage(), 4);
    for (const auto& s : {sized("abc", "600", "x"), sized("0", "600", "-1"),
                          sized("800", "16385", "$"), sized("99999999999", "600", "")}) {
        EXPECT_EQ(s.width(), 640);
        EXPECT_EQ(s.height(), 480);
        EXPECT_EQ(s.firstPage(), 1);
    }
}

TEST_F(Tables, SettingsFileRoundTripsCrLfAndReadsLf) {
    writer.writeBytes("lf.ini", "a\nb\r\n\nc");
    NumberedLines lf;
    ASSERT_TRUE(lf.load(writer.path("lf.ini")));
    EXPECT_EQ(lf.lines(), QStringList({"a", "b", "", "c"}));
    lf.setLine(6, "é");
    ASSERT_TRUE(lf.save(writer.path("out.ini")));
    EXPECT_EQ(test::readBytes(writer.path("out.ini")), "a\r\nb\r\n\r\nc\r\n$\r\n$\r\n\xE9\r\n");
    EXPECT_EQ(lf.line(99), "");
}

TEST_F(Tables, LanguageLookUpTakesEverythingAfterTheFirstComma) {
    writer.writeBytes("l.asc", "0,Bonjour\r\n1,a,b,c\r\n2 sans virgule\r\n3, blanc\r\n4,\r\n" +
                                   QByteArray(400, 'x') + ",long\r\n6,d\xE9j\xE0\r\n");
    LanguageFile lang;
    ASSERT_TRUE(lang.load(writer.path("l.asc")));
    EXPECT_EQ(lang.text(0), "Bonjour");
    EXPECT_EQ(lang.text(1), "a,b,c");
    EXPECT_EQ(lang.text(2), "");
    EXPECT_EQ(lang.text(3), " blanc") << "a blank after the comma is kept";
    EXPECT_EQ(lang.text(4), "");
    EXPECT_EQ(lang.text(5), "long") << "no line length limit on read";
    EXPECT_EQ(lang.text(6), "déjà");
    EXPECT_EQ(lang.text(7), "");
    EXPECT_EQ(lang.text(-1), "");
    EXPECT_FALSE(LanguageFile().load(writer.path("none.asc")));
}

TEST_F(Tables, MessageOfALineWithoutTextNamesTheLineAndTheFile) {
    writer.writeBytes("l.asc", "0,Bonjour\r\n1,\r\n2 sans virgule\r\n3, \r\n");
    LanguageFile lang;
    ASSERT_TRUE(lang.load(writer.path("l.asc")));
    LanguageFile absent;
    EXPECT_FALSE(absent.load(writer.path("none.asc")));
    EXPECT_EQ(lang.message(0), "Bonjour");
    const QString suffix = QStringLiteral(" is missing from %1.");
    for (const int n : {1, 2, 3, 4, -1}) {
        EXPECT_EQ(lang.message(n),
                  QStringLiteral("Language line %1").arg(n) + suffix.arg(writer.path("l.asc")));
        EXPECT_EQ(lang.text(n).trimmed(), "") << "vocabulary look-ups stay empty";
    }
    EXPECT_EQ(absent.message(40),
              QStringLiteral("Language line 40") + suffix.arg(writer.path("none.asc")));
}

}  // namespace
}  // namespace ztv
