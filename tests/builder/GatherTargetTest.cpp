// Gathering files into one folder: a name is reused only for the same bytes, otherwise the
// copy takes the next free numbered name.
#include "common/builder/GatherTarget.h"
#include "tests/support/ProjectWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace ztv {
namespace {

TEST(GatherTarget, NumberedNamesKeepTheExtension) {
    EXPECT_EQ(numberedFileName("a.jpg", 2), "a-2.jpg");
    EXPECT_EQ(numberedFileName("archive.tar.gz", 3), "archive.tar-3.gz");
    EXPECT_EQ(numberedFileName("readme", 2), "readme-2");
    EXPECT_EQ(numberedFileName(".hidden", 2), ".hidden-2");
}

TEST(GatherTarget, SameBytesReuseTheFileAndOtherBytesTakeTheNextFreeName) {
    QTemporaryDir tmp;
    test::ProjectWriter writer(tmp.path());
    for (const char* sub : {"from1", "from2", "from3", "into"}) {
        QDir(tmp.path()).mkpath(QLatin1String(sub));
    }
    const QString one = writer.writeBytes("from1/a.jpg", "first picture");
    const QString two = writer.writeBytes("from2/a.jpg", "second picture");
    const QString three = writer.writeBytes("from3/A.JPG", "third picture");
    const QString folder = tmp.filePath("into");

    GatherTarget t = chooseGatherTarget(one, folder, "a.jpg");
    EXPECT_EQ(t.hostPath, QDir(folder).filePath("a.jpg"));
    EXPECT_TRUE(t.needsCopy);
    writer.writeBytes("into/a.jpg", "first picture");

    t = chooseGatherTarget(one, folder, "a.jpg");
    EXPECT_EQ(t.hostPath, QDir(folder).filePath("a.jpg"));
    EXPECT_FALSE(t.needsCopy) << "the same bytes are not copied twice";

    t = chooseGatherTarget(two, folder, "a.jpg");
    EXPECT_EQ(t.hostPath, QDir(folder).filePath("a-2.jpg"));
    EXPECT_TRUE(t.needsCopy);
    writer.writeBytes("into/a-2.jpg", "second picture");

    // Names differing only by case are the same name on the system's disks.
    t = chooseGatherTarget(three, folder, "A.JPG");
    EXPECT_EQ(t.hostPath, QDir(folder).filePath("A-3.JPG"));
    t = chooseGatherTarget(two, folder, "A.JPG");
    EXPECT_EQ(t.hostPath, QDir(folder).filePath("a-2.jpg"));
    EXPECT_FALSE(t.needsCopy);

    // A folder in the way is never taken for the file.
    QDir().mkpath(QDir(folder).filePath("b.jpg"));
    const QString b = writer.writeBytes("from1/b.jpg", "b");
    EXPECT_EQ(chooseGatherTarget(b, folder, "b.jpg").hostPath, QDir(folder).filePath("b-2.jpg"));
}

TEST(GatherTarget, SameBytesComparesWholeContents) {
    QTemporaryDir tmp;
    test::ProjectWriter writer(tmp.path());
    const QByteArray big(200000, 'x');
    QByteArray other = big;
    other[150000] = 'y';
    EXPECT_TRUE(sameFileBytes(writer.writeBytes("a", big), writer.writeBytes("b", big)));
    EXPECT_FALSE(sameFileBytes(writer.path("a"), writer.writeBytes("c", other)));
    EXPECT_FALSE(sameFileBytes(writer.path("a"), writer.writeBytes("d", big + "z")));
    EXPECT_FALSE(sameFileBytes(writer.path("a"), tmp.filePath("missing")));
    EXPECT_TRUE(sameFileBytes(writer.writeBytes("e", {}), writer.writeBytes("f", {})));
}

}  // namespace
}  // namespace ztv
