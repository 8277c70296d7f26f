#include "common/platform/Cp1252.h"
#include "common/platform/DriveTable.h"
#include "common/platform/ShownPath.h"
#include "common/platform/WinPath.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace ztv {
namespace {

TEST(Cp1252, RoundTripsAndReplacesWhatItCannotEncode) {
    const QString text = QStringLiteral("é€œŸ‰ x");
    const QByteArray bytes = toCp1252(text);
    EXPECT_EQ(bytes, QByteArray("\xE9\x80\x9C\x9F\x89 x"));
    EXPECT_EQ(fromCp1252(bytes), text);
    EXPECT_EQ(toCp1252(QStringLiteral("日本😀")), QByteArray("???"));
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(char(b));
    }
    EXPECT_EQ(toCp1252(fromCp1252(all)), all) << "every byte survives a round trip";
    EXPECT_EQ(firstUnencodable(QStringLiteral("é€? x")), QString());
    EXPECT_EQ(firstUnencodable(QStringLiteral("ü\u0085日")), QStringLiteral("\u0085"));
    EXPECT_EQ(firstUnencodable(QStringLiteral("a😀日")), QStringLiteral("😀"));
}

TEST(WinPath, SplitsWindowsPaths) {
    EXPECT_EQ(winpath::withoutDrive("C:\\images\\a.jpg"), "\\images\\a.jpg");
    EXPECT_EQ(winpath::fileName("C:\\images\\a.jpg"), "a.jpg");
    EXPECT_EQ(winpath::fileName("D:a.jpg"), "a.jpg");
    EXPECT_EQ(winpath::directory("C:\\images\\a.jpg"), "C:\\images");
    EXPECT_EQ(winpath::extension("\\x.y\\Photo.JPEG"), ".JPEG");
    EXPECT_EQ(winpath::extension("\\x.y\\noext"), "");
    EXPECT_EQ(winpath::join("C:\\", "a"), "C:\\a");
    EXPECT_TRUE(winpath::sameFile("c:\\BASE\\1.jou", "C:\\base\\1.JOU"));
    EXPECT_EQ(winpath::driveLetter("e:\\x"), u'E');
    EXPECT_FALSE(winpath::hasDrive("\\x"));
}

class Drives : public ::testing::Test {
  protected:
    QTemporaryDir tmp;
    DriveTable table;
    void SetUp() override {
        QDir(tmp.path()).mkpath("Images/Vacances Été");
        QFile f(tmp.filePath("Images/Vacances Été/Plage.JPG"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        table.set(u'C', "/", DriveType::Fixed);
        table.set(u'e', tmp.path(), DriveType::Cd);
    }
};

TEST_F(Drives, ResolvesEachComponentWithoutRegardToCase) {
    const QString expected = tmp.filePath("Images/Vacances Été/Plage.JPG");
    EXPECT_EQ(table.toHost("E:\\images\\VACANCES été\\plage.jpg"), expected);
    EXPECT_EQ(table.toHost("e:\\Images\\Vacances Été\\Plage.JPG"), expected);
    EXPECT_EQ(table.toHost("E:\\images\\x\\..\\.\\Vacances été\\plage.jpg"), expected);
    EXPECT_EQ(table.toHost("E:\\..\\..\\images"), tmp.filePath("Images")) << "never above root";
    EXPECT_EQ(table.toHost("E:\\images\\absent.jpg"), tmp.filePath("Images/absent.jpg"));
    EXPECT_TRUE(table.toHost("Q:\\images").isEmpty());
    EXPECT_EQ(table.toWindows(expected), "E:\\Images\\Vacances Été\\Plage.JPG")
        << "the longest root wins";
    EXPECT_EQ(table.toWindows("/home/ann/pics/a.jpg"), "C:\\home\\ann\\pics\\a.jpg");
    EXPECT_EQ(table.outsideToHost("/x/y"), "/x/y");
    EXPECT_EQ(table.typeText(u'e'), "Lecteur CD");
    EXPECT_EQ(table.typeText(u'C'), "Disque Dur");
    EXPECT_EQ(table.typeText(u'Z'), "Inconnu");
}

TEST_F(Drives, PeopleReadHostPathsAndOtherTextAsItIs) {
    const std::pair<QString, QString> cases[] = {
        {"\\home\\ann\\a.jpg", "/home/ann/a.jpg"},
        {"E:\\images\\vacances été\\plage.jpg", tmp.filePath("Images/Vacances Été/Plage.JPG")},
        {"Q:\\unmapped.jpg", "Q:\\unmapped.jpg"},
        {"http://example.org/a", "http://example.org/a"},
        {"12", "12"},
        {"", ""},
    };
    for (const auto& [stored, shown] : cases) {
        EXPECT_EQ(shownPath(table, stored), shown) << stored.toStdString();
    }
}

TEST(DriveTableDefaults, MountsAndDrivesIniGiveLettersFromD) {
    const QString mounts =
        "/dev/vda / ext4 rw 0 0\n"
        "/dev/sr0 /media/cd\\040rom iso9660 ro 0 0\n"
        "srv:/x /mnt/nfs nfs4 rw 0 0\n"
        "/dev/sr1 /media/dvd udf ro 0 0\n"
        "garbage\n";
    const DriveTable t = DriveTable::fromMounts(mounts, "F=/srv/share,fixed\nbad line\nZ=/z\n");
    EXPECT_EQ(t.drive(u'C')->root, "/");
    EXPECT_EQ(t.drive(u'D')->root, "/media/cd rom");
    EXPECT_EQ(t.typeText(u'D'), "Lecteur CD");
    EXPECT_EQ(t.typeText(u'E'), "Lecteur réseau");
    EXPECT_EQ(t.drive(u'F')->root, "/srv/share") << "drives.ini overrides";
    EXPECT_EQ(t.typeText(u'F'), "Disque Dur");
    EXPECT_EQ(t.drive(u'Z')->root, "/z");
    EXPECT_EQ(t.typeText(u'G'), "Inconnu");
}

}  // namespace
}  // namespace ztv
