// Running a program and waiting for its end while events are served.
#include "common/platform/ProgramRunner.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QTemporaryDir>

namespace ztv {
namespace {

TEST(ProgramRunner, WaitsForTheProgramToEnd) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString done = dir.filePath(QStringLiteral("done"));
    EXPECT_EQ(
        runProgramAndWait(QStringLiteral("/bin/sh"),
                          {QStringLiteral("-c"), QStringLiteral("sleep 0.2; touch \"$0\""), done}),
        0);
    EXPECT_TRUE(QFileInfo::exists(done)) << "returned only once the program had ended";
}

TEST(ProgramRunner, AProgramThatCannotStartIsMinusOne) {
    EXPECT_EQ(runProgramAndWait(QStringLiteral("/nonexistent/program"), {}), -1);
    EXPECT_EQ(runProgramAndWait(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), "exit 3"}), 0)
        << "a program that ran is 0, whatever its exit code";
}

}  // namespace
}  // namespace ztv
