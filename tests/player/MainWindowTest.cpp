// The main window under the offscreen platform: placement, Escape and the end screen.
#include "player/ui/PlayerWindow.h"
#include "tests/engine/PlayerFixture.h"

#include <QApplicationStateChangeEvent>
#include <QFileInfo>
#include <QTest>

namespace ztv::test {
namespace {

class MainWindow : public PlayerFixture {
  protected:
    std::unique_ptr<PlayerWindow> open(const QStringList& args, const QString& program) {
        auto form = std::make_unique<PlayerWindow>(environment(args, program));
        EXPECT_TRUE(form->start(appHost()));
        form->show();
        return form;
    }
    // Lets the end screen's timer look at the clock.
    static void spin() {
        for (int i = 0; i < 5; ++i) {
            QTest::qWait(25);
        }
    }
};

TEST_F(MainWindow, EscapeShowsTheEndScreenForFourSecondsOnce) {
    writeProject(appHost(), QStringLiteral("demo"));
    auto form = open({}, QStringLiteral("demo"));
    EXPECT_EQ(form->geometry(), QRect(320, 240, 640, 480));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("demo.ZTV"));
    const QString playback = form->im1().session().playbackDirectoryHost();
    EXPECT_TRUE(QFileInfo::exists(playback));

    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_TRUE(form->isClosing());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(QFileInfo::exists(playback));
    EXPECT_EQ(form->im1().canvas().pixelColor(0, 0), QColor(Qt::white));

    clock_.advance(3000);
    QTest::keyClick(form.get(), Qt::Key_Escape);  // does not restart the sequence
    clock_.advance(1000);
    spin();
    EXPECT_TRUE(form->isVisible());
    clock_.advance(1);
    spin();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindow, PreviewClosesAtOnceAndKeepsTheWorkingCopy) {
    QDir().mkpath(host("app/base"));
    ProjectWriter base(host("app/base"));
    base.writeSettings(QStringLiteral("$inip.ini"), settingsLines());
    base.writePageFile(1, {makeRecord(3, 1)});
    auto form = open({QStringLiteral("somm"), QStringLiteral("1")}, QStringLiteral("ztvplay"));
    form->close();
    EXPECT_FALSE(form->isVisible());
    form.reset();
    EXPECT_TRUE(QFileInfo::exists(host("app/base/1.JOU")));
}

TEST_F(MainWindow, ExternalHostWritesRepfilmOnActivationFromOutsideAndWhenItCloses) {
    QDir().mkpath(host("app/base"));
    ProjectWriter(host("app/base")).writeSettings(QStringLiteral("$inip.ini"), settingsLines());
    auto form = open({QStringLiteral("samm"), QStringLiteral("1")}, QStringLiteral("ztvplay"));
    QFile::remove(host("app/repfilm.txt"));
    // The window activated again inside the program (a message box closed): no reload.
    QEvent windowActivate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(form.get(), &windowActivate);
    EXPECT_FALSE(QFileInfo::exists(host("app/repfilm.txt")));
    // The application activated from outside.
    QApplicationStateChangeEvent active(Qt::ApplicationActive);
    QCoreApplication::sendEvent(qApp, &active);
    EXPECT_EQ(readBytes(host("app/repfilm.txt")), QByteArray("debut\r\n"));

    QFile::remove(host("app/repfilm.txt"));
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(readBytes(host("app/repfilm.txt")), QByteArray("debut\r\n"));
}

}  // namespace
}  // namespace ztv::test
