// The main window drives page play: the first page at start-up, the external host's reload,
// and the end that the engine asks for.
#include "common/formats/LangLines.h"
#include "common/formats/YesNo.h"
#include "player/ui/PlayerWindow.h"
#include "tests/engine/PagePlayFixture.h"

#include <QApplicationStateChangeEvent>
#include <QFileInfo>
#include <QTest>

namespace ztv::test {
namespace {

class PagePlayWindow : public PagePlayFixture {
  protected:
    std::unique_ptr<PlayerWindow> form(const QString& mode, int page) {
        return std::make_unique<PlayerWindow>(
            environment({mode, QString::number(page), host(QStringLiteral("data"))},
                        QStringLiteral("ztvplay")));
    }
};

TEST_F(PagePlayWindow, StartUpPlaysTheFirstPageAndTheTimerTicksIt) {
    ElementRecord slow = picture(4, 1, solidBmp("r.bmp", Qt::red), QRect(0, 0, 40, 30));
    slow.Effet = text(221);
    slow.Vitesse = 100;
    writePage(1, {slow});
    auto window = form(QStringLiteral("somm"), 1);
    ASSERT_TRUE(window->start(appHost()));
    Engine& engine = window->im1();
    EXPECT_TRUE(engine.pagePlay().elements.present(4, 1));
    EXPECT_TRUE(engine.timer().isActive());
    // The real timer steps the effect to its end.
    for (int i = 0; i < 200 && !engine.pagePlay().runFinished; ++i) {
        clock_.advance(1);
        QTest::qWait(2);
    }
    EXPECT_TRUE(engine.pagePlay().runFinished);
    EXPECT_EQ(engine.canvas().pixel(39, 29) & 0xffffff, rgb(Qt::red));
}

TEST_F(PagePlayWindow, AMousePressOnTheWindowClicksThePointOfTheCanvasUnderIt) {
    ElementRecord button = picture(4, 1, solidBmp("w.bmp", Qt::white), QRect(0, 0, 100, 100));
    button.Acte = text(lang::ActionGoToPage);
    button.Destination = QStringLiteral("2");
    button.Click = ouiNon(true);
    writePage(1, {button});
    writePage(2, {picture(3, 1, solidBmp("r.bmp", Qt::red), QRect(0, 0, 640, 480))});
    auto window = form(QStringLiteral("somm"), 1);
    ASSERT_TRUE(window->start(appHost()));
    window->show();
    Engine& engine = window->im1();
    for (int i = 0; i < 100 && !engine.pagePlay().runFinished; ++i) {
        clock_.advance(20);
        QTest::qWait(2);
    }
    // The window may be larger than the canvas: the point is mapped onto it.
    const QPoint onButton(50 * window->width() / engine.canvas().width(),
                          50 * window->height() / engine.canvas().height());
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, onButton);
    EXPECT_EQ(engine.currentPage(), 2);
}

TEST_F(PagePlayWindow, AMissingFirstPageEndsWithoutAWindow) {
    auto window = form(QStringLiteral("somm"), 9);
    EXPECT_FALSE(window->start(appHost()));
    EXPECT_EQ(prompter_.texts().size(), 1);
    EXPECT_FALSE(window->im1().timer().isActive());
}

TEST_F(PagePlayWindow, AMissingPageLaterClosesTheWindowWithoutTheEndScreen) {
    writeProject(appHost(), QStringLiteral("demo"));  // a saved project: it has an end screen
    PlayerWindow window(environment({}, QStringLiteral("demo")));
    ASSERT_TRUE(window.start(appHost()));
    window.show();
    const QString playback = window.im1().session().playbackDirectoryHost();
    EXPECT_TRUE(QFileInfo::exists(playback));
    // Page 1 is in the page table, its file is gone.
    ASSERT_TRUE(QFile::remove(QDir(playback).filePath(QStringLiteral("1.JOU"))));
    window.im1().runAction({ActionKind::GoToPage, QStringLiteral("1"), {}});
    QTest::qWait(20);
    EXPECT_FALSE(window.isVisible());
    EXPECT_NE(window.im1().canvas().pixel(0, 0) & 0xffffff, rgb(Qt::white));
    EXPECT_FALSE(QFileInfo::exists(playback));
}

TEST_F(PagePlayWindow, TheExternalHostLoadsThePageOnEachActivationFromOutside) {
    writePage(1, {picture(4, 1, solidBmp("r.bmp", Qt::red), QRect(0, 0, 40, 30))});
    auto window = form(QStringLiteral("samm"), 1);
    ASSERT_TRUE(window->start(appHost()));
    Engine& engine = window->im1();
    EXPECT_FALSE(engine.pagePlay().ready);  // nothing before the host activates it
    EXPECT_EQ(engine.canvas().pixel(5, 5) & 0xffffff, rgb(Qt::black));

    QApplicationStateChangeEvent active(Qt::ApplicationActive);
    QCoreApplication::sendEvent(qApp, &active);
    EXPECT_EQ(engine.canvas().pixel(5, 5) & 0xffffff, rgb(Qt::red));
    ASSERT_TRUE(runUntilIdleOf(engine));
    QCoreApplication::sendEvent(qApp, &active);  // again: the previous load's elements go first
    EXPECT_TRUE(engine.pagePlay().elements.present(4, 1));
    EXPECT_TRUE(engine.pagePlay().ready);
    window->close();
}

}  // namespace
}  // namespace ztv::test
