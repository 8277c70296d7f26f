// Resolving stored paths through the media drive and a search of the drives.
#include "tests/engine/PlayerFixture.h"

namespace ztv::test {
namespace {

class StoredPaths : public PlayerFixture {
  protected:
    void SetUp() override {
        writeProject(appHost(), QStringLiteral("demo"));
        QDir().mkpath(host("e/images"));
        QDir().mkpath(host("u/images"));
        ProjectWriter(host("e/images")).writeBytes("a.jpg", "a");
        ProjectWriter(host("e/images")).writeBytes("b.jpg", "b");
        ProjectWriter(host("u/images")).writeBytes("c.jpg", "c");
        drives_.set(u'E', host("e"), DriveType::Cd);
        drives_.set(u'F', host("u"), DriveType::Unknown);
        ASSERT_TRUE(start({}, QStringLiteral("demo")));
    }
};

TEST_F(StoredPaths, FoundOnAnotherDriveWhichBecomesTheMediaDrive) {
    EXPECT_EQ(engine_->session().mediaDrive(), QStringLiteral("C:"));
    EXPECT_EQ(engine_->locateFile("C:\\images\\a.jpg"), QStringLiteral("E:\\images\\a.jpg"));
    EXPECT_EQ(engine_->session().mediaDrive(), QStringLiteral("E:"));
    // Later files are tried on E: first, in any case of their letters.
    EXPECT_EQ(engine_->locateFile("C:\\IMAGES\\B.JPG"), QStringLiteral("E:\\IMAGES\\B.JPG"));
}

TEST_F(StoredPaths, ExistingPathIsKeptAndUnknownDrivesAreSkipped) {
    EXPECT_EQ(engine_->locateFile("C:\\app\\demo.ZTV"), QStringLiteral("C:\\app\\demo.ZTV"));
    EXPECT_EQ(engine_->locateFile("C:\\images\\c.jpg"), QStringLiteral("0"));
    EXPECT_FALSE(engine_->searchDrivesFor("\\images\\nothing.jpg"));
    EXPECT_EQ(engine_->session().mediaDrive(), QStringLiteral("C:"));
}

}  // namespace
}  // namespace ztv::test
