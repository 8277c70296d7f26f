#include "common/formats/MovedMedia.h"
#include "tests/support/ProjectWriter.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace ztv::test {
namespace {

TEST(MovedMedia, TailsBeneathTheProjectFolderNeverClimbOutOfIt) {
    QTemporaryDir dir;
    const QString project = dir.filePath("show");
    QDir().mkpath(project + "/Sons/Intro");
    ProjectWriter(project + "/Sons/Intro").writeBytes("Theme.WAV", "w");
    ProjectWriter(dir.path()).writeBytes("secret.txt", "s");

    EXPECT_EQ(findBesideProject("D:\\cd\\sons\\intro\\theme.wav", project),
              project + "/Sons/Intro/Theme.WAV");
    EXPECT_EQ(findBesideProject("\\theme.wav", project), QString())
        << "a bare name is looked for in the project folder itself only";
    EXPECT_EQ(findBesideProject("\\x\\..\\secret.txt", project), QString());
    EXPECT_EQ(findBesideProject("\\..\\show\\..\\secret.txt", project), QString());
    EXPECT_EQ(findBesideProject("\\a\\Sons", project), QString()) << "folders are not files";
    EXPECT_EQ(findBesideProject("\\a\\b.wav", dir.filePath("none")), QString());
}

}  // namespace
}  // namespace ztv::test
