// The command line, the screen-saver protocol and the ELF image size.
#include "common/archives/ElfImage.h"
#include "player/engine/PlayerCommandLine.h"
#include "player/ui/ScreenSaverFilter.h"
#include "tests/support/ProjectWriter.h"

#include <gtest/gtest.h>
#include <QApplicationStateChangeEvent>
#include <QBuffer>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>

namespace ztv::test {
namespace {

TEST(CommandLine, ArgumentsAreJoinedWithSingleBlanks) {
    EXPECT_EQ(commandLineProjectPath({"C:\\My", "Projects\\demo.ztv"}),
              QStringLiteral("C:\\My Projects\\demo.ztv"));
    EXPECT_EQ(commandLineProjectPath({"a", "", "b"}), QStringLiteral("a b"));
    EXPECT_EQ(commandLineProjectPath({"paslogo"}), QStringLiteral("paslogo"));
    EXPECT_TRUE(commandLineProjectPath({}).isEmpty());
    EXPECT_TRUE(commandLineProjectPath({"/S"}).isEmpty());
    EXPECT_TRUE(commandLineProjectPath({"/s"}).isEmpty());
    EXPECT_TRUE(commandLineProjectPath({"/p"}).isEmpty());
}

TEST(CommandLine, StartModesAndHostedPage) {
    EXPECT_EQ(startModeOf({}), StartMode::Application);
    EXPECT_EQ(startModeOf({"somm", "3"}), StartMode::Preview);
    EXPECT_EQ(startModeOf({"samm", "3"}), StartMode::ExternalHost);
    EXPECT_EQ(startModeOf({"SOMM", "3"}), StartMode::Application);
    EXPECT_EQ(hostedPage({"somm", "12"}), 12);
    EXPECT_EQ(hostedPage({"somm", "douze"}), std::nullopt);
    EXPECT_EQ(hostedPage({"somm"}), std::nullopt);
    EXPECT_EQ(hostedDataFolder({"somm", "1", "/home/ann/my data"}),
              QStringLiteral("/home/ann/my data"));
    EXPECT_EQ(hostedDataFolder({"somm", "1"}), QString());
}

TEST(CommandLine, ScreenSaverProtocol) {
    EXPECT_TRUE(isScreenSaverProgram("/opt/x/demo.SCR"));
    EXPECT_TRUE(isScreenSaverProgram("demo.scr"));
    EXPECT_FALSE(isScreenSaverProgram("/opt/x.scr/ztvplay"));
    EXPECT_FALSE(isScreenSaverProgram("ztvplay"));
    EXPECT_EQ(screenSaverCommandOf({"/s"}), ScreenSaverCommand::Show);
    EXPECT_EQ(screenSaverCommandOf({"/S"}), ScreenSaverCommand::Show);
    EXPECT_EQ(screenSaverCommandOf({"/c:1234"}), ScreenSaverCommand::Configure);
    EXPECT_EQ(screenSaverCommandOf({"/p", "1234"}), ScreenSaverCommand::Preview);
    EXPECT_EQ(screenSaverCommandOf({}), ScreenSaverCommand::None);
    EXPECT_EQ(screenSaverCommandOf({"demo.ztv"}), ScreenSaverCommand::None);
    EXPECT_EQ(programBaseName("/opt/x/demo.scr"), QStringLiteral("demo"));
    EXPECT_EQ(programBaseName("/opt/x/ztvplay"), QStringLiteral("ztvplay"));
    EXPECT_EQ(programBaseName("/opt/x/my.show.scr"), QStringLiteral("my.show"));
}

class ScreenSaverInput : public ::testing::Test {
  protected:
    ScreenSaverInput() : filter_(QPoint(500, 500), false) {
        target_.installEventFilter(&filter_);
        QObject::connect(&filter_, &ScreenSaverFilter::ended, [this] { ++ended_; });
    }
    void moveTo(QPoint global) {
        QMouseEvent e(QEvent::MouseMove, QPointF(global), QPointF(global), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&target_, &e);
    }
    QObject target_;
    ScreenSaverFilter filter_;
    int ended_ = 0;
};

TEST_F(ScreenSaverInput, OnlyAMoveBeyondOneHundredPixelsEndsIt) {
    EXPECT_FALSE(screenSaverMoveEnds({500, 500}, {600, 400}));
    EXPECT_TRUE(screenSaverMoveEnds({500, 500}, {601, 500}));
    EXPECT_TRUE(screenSaverMoveEnds({500, 500}, {500, 399}));
    moveTo({600, 600});
    moveTo({400, 400});
    EXPECT_EQ(ended_, 0);
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(500, 500), QPointF(500, 500),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target_, &click);
    EXPECT_EQ(ended_, 0);
    moveTo({601, 500});
    moveTo({700, 500});
    EXPECT_EQ(ended_, 1);
}

TEST_F(ScreenSaverInput, AKeyOrLosingActivationEndsIt) {
    // Not active yet: an inactive state is no loss of activation.
    QApplicationStateChangeEvent before(Qt::ApplicationInactive);
    QCoreApplication::sendEvent(&target_, &before);
    EXPECT_EQ(ended_, 0);
    QApplicationStateChangeEvent active(Qt::ApplicationActive);
    QCoreApplication::sendEvent(&target_, &active);
    QEvent ownActivation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&target_, &ownActivation);
    EXPECT_EQ(ended_, 0);
    QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
    QCoreApplication::sendEvent(&target_, &inactive);
    EXPECT_EQ(ended_, 1);

    ScreenSaverFilter keys(QPoint(0, 0), true);
    int keyEnded = 0;
    QObject::connect(&keys, &ScreenSaverFilter::ended, [&] { ++keyEnded; });
    QObject other;
    other.installEventFilter(&keys);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(&other, &key);
    EXPECT_EQ(keyEnded, 1);
}

std::optional<qint64> imageSizeOf(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return elfImageSize(buffer);
}

TEST(ElfImage, OwnProgramHasNoAppendedDataUntilBytesAreAdded) {
    const QByteArray self = readBytes(QStringLiteral("/proc/self/exe"));
    ASSERT_FALSE(self.isEmpty());
    EXPECT_EQ(imageSizeOf(self), self.size());
    EXPECT_EQ(imageSizeOf(self + QByteArray(1, 'x')), self.size());

    QTemporaryDir dir;
    ProjectWriter writer(dir.path());
    EXPECT_FALSE(carriesAppendedData(writer.writeBytes("plain", self)));
    EXPECT_TRUE(carriesAppendedData(writer.writeBytes("packed", self + "x")));
    EXPECT_FALSE(carriesAppendedData(writer.writeBytes("text", "#!/bin/sh\necho hi\n")));
    EXPECT_FALSE(carriesAppendedData(dir.filePath("missing")));
}

TEST(ElfImage, HostileHeadersAreRefusedOrBounded) {
    const QByteArray self = readBytes(QStringLiteral("/proc/self/exe"));
    EXPECT_EQ(imageSizeOf(QByteArray()), std::nullopt);
    EXPECT_EQ(imageSizeOf(self.left(20)), std::nullopt);
    QByteArray wrongClass = self.left(64);
    wrongClass[4] = 7;
    EXPECT_EQ(imageSizeOf(wrongClass), std::nullopt);
    // A header alone: the program headers it names lie past the end of the data.
    EXPECT_EQ(imageSizeOf(self.left(64)), std::nullopt);
    QByteArray huge = self;
    for (int i = 40; i < 48; ++i) {
        huge[i] = '\xff';  // section-header offset far beyond any file
    }
    EXPECT_EQ(imageSizeOf(huge), std::nullopt);
}

}  // namespace
}  // namespace ztv::test
