#include "common/platform/StagedFiles.h"
#include "tests/support/ProjectWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace ztv {
namespace {

TEST(StagedFiles, AFailureBeforeCommitKeepsEveryOldFile) {
    QTemporaryDir tmp;
    test::ProjectWriter writer(tmp.path());
    writer.writeBytes("a.ZTV", "old container");
    writer.writeBytes("a.ini", "old settings");
    {
        StagedFiles files;
        EXPECT_TRUE(files.stage(writer.path("a.ZTV"), "new container"));
        EXPECT_TRUE(files.stageCopy(writer.path("a.ini"), writer.path("a.PZV")));
        EXPECT_FALSE(files.stage(tmp.filePath("missing/dir/a.ini"), "new settings"));
        EXPECT_FALSE(files.stageCopy(tmp.filePath("absent"), writer.path("a.ini")));
    }
    EXPECT_EQ(test::readBytes(writer.path("a.ZTV")), "old container");
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"a.ini", "a.ZTV"}))
        << "no temporary file is left behind";

    StagedFiles files;
    ASSERT_TRUE(files.stage(writer.path("a.ZTV"), "new container"));
    ASSERT_TRUE(files.stage(writer.path("a.ini"), "new settings"));
    EXPECT_EQ(test::readBytes(writer.path("a.ZTV")), "old container") << "nothing before commit";
    ASSERT_TRUE(files.commit());
    EXPECT_EQ(test::readBytes(writer.path("a.ZTV")), "new container");
    EXPECT_EQ(test::readBytes(writer.path("a.ini")), "new settings");
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(StagedFiles, NewFilesAreNotPrivateAndOldFilesKeepTheirPermissions) {
    QTemporaryDir tmp;
    test::ProjectWriter writer(tmp.path());
    const QString old = writer.writeBytes("old.ini", "x");
    const auto oldPermissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(old, oldPermissions);
    StagedFiles files;
    ASSERT_TRUE(files.stage(old, "y"));
    ASSERT_TRUE(files.stage(writer.path("new.ZTV"), "z"));
    ASSERT_TRUE(files.commit());
    const auto bits = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup |
                      QFile::ReadOther | QFile::WriteOther;
    EXPECT_EQ(QFile::permissions(old) & bits, oldPermissions & bits);
    const QString plain = writer.writeBytes("plain", "p");  // an ordinary new file
    EXPECT_EQ(QFile::permissions(writer.path("new.ZTV")) & bits, QFile::permissions(plain) & bits);
}

TEST(StagedFiles, ARenameThatFailsAtCommitPutsTheOldFilesBack) {
    QTemporaryDir tmp;
    test::ProjectWriter writer(tmp.path());
    writer.writeBytes("a.PZV", "old table");
    writer.writeBytes("a.ini", "old settings");
    QDir(tmp.path()).mkdir("a.ZTV");  // a folder where the container goes: its rename fails
    StagedFiles files;
    ASSERT_TRUE(files.stage(writer.path("a.PZV"), "new table"));
    ASSERT_TRUE(files.stage(writer.path("a.ini"), "new settings"));
    ASSERT_TRUE(files.stage(writer.path("a.ZTV"), "new container"));
    EXPECT_FALSE(files.commit());
    EXPECT_FALSE(files.errorString().isEmpty());
    EXPECT_EQ(test::readBytes(writer.path("a.PZV")), "old table");
    EXPECT_EQ(test::readBytes(writer.path("a.ini")), "old settings");
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"a.ini", "a.PZV"}));
}

}  // namespace
}  // namespace ztv
