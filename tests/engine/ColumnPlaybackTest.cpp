// Page loading and column playback, checked by the pixels of the engine's canvas with a
// manual clock.
#include "common/formats/LangLines.h"
#include "tests/engine/PagePlayFixture.h"

namespace ztv::test {
namespace {

class ColumnPlayback : public PagePlayFixture {
  protected:
    // Page 1: columns 1, 2, 3 and 5, one coloured picture each.
    void writeColumnsWithGap() {
        writePage(1, {picture(3, 1, solidBmp("bg.bmp", Qt::blue), QRect(0, 0, 640, 480)),
                      picture(4, 2, solidBmp("r.bmp", Qt::red), QRect(10, 10, 40, 30)),
                      picture(5, 3, solidBmp("g.bmp", Qt::green), QRect(100, 10, 40, 30)),
                      picture(6, 5, solidBmp("y.bmp", Qt::yellow), QRect(200, 10, 40, 30))});
    }
};

TEST_F(ColumnPlayback, ColumnsOneToThreePlayThenThePageWaits) {
    writeColumnsWithGap();
    startPreview();
    engine_->playPage();
    const PagePlayState& pp = engine_->pagePlay();
    EXPECT_EQ(pp.lastColumn, 3);
    EXPECT_EQ(canvasAt(20, 20), rgb(Qt::blue));  // column 1 at once
    EXPECT_TRUE(pp.elements.present(4, 2));      // prepared ahead
    EXPECT_FALSE(pp.elements.present(6, 5));     // after the gap: not loaded

    tick();  // column 1 done: column 2
    EXPECT_EQ(canvasAt(20, 20), rgb(Qt::red));
    EXPECT_EQ(canvasAt(110, 20), rgb(Qt::blue));
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(canvasAt(110, 20), rgb(Qt::green));
    EXPECT_EQ(canvasAt(210, 20), rgb(Qt::blue));  // column 5 is not part of the run
    EXPECT_TRUE(pp.runFinished);
    EXPECT_TRUE(pp.ready);
    EXPECT_TRUE(prompter_.texts().isEmpty());
}

TEST_F(ColumnPlayback, GoingToColumnFiveStartsANewRun) {
    writeColumnsWithGap();
    startPreview();
    engine_->playPage();
    ASSERT_TRUE(runUntilIdle());
    engine_->runAction({ActionKind::GoToColumn, QStringLiteral("5"), {}});
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(engine_->pagePlay().lastColumn, 5);
    EXPECT_EQ(canvasAt(210, 20), rgb(Qt::yellow));
    EXPECT_EQ(canvasAt(20, 20), rgb(Qt::red));  // pixels outlive their elements
}

TEST_F(ColumnPlayback, TheLongestPauseOfTheColumnIsWaited) {
    writePage(1, {picture(4, 1, solidBmp("r.bmp", Qt::red), QRect(0, 0, 40, 30), 2.0),
                  picture(5, 1, solidBmp("g.bmp", Qt::green), QRect(50, 0, 40, 30), 0.5),
                  picture(6, 2, solidBmp("y.bmp", Qt::yellow), QRect(100, 0, 40, 30))});
    startPreview();
    engine_->playPage();
    tick();  // both pictures are done: the pause begins
    EXPECT_EQ(engine_->timer().interval(), 2000);
    EXPECT_EQ(canvasAt(110, 10), rgb(Qt::black));
    const qint64 pauseStart = clock_.nowMs();
    tick();
    EXPECT_EQ(clock_.nowMs() - pauseStart, 2000);
    EXPECT_EQ(canvasAt(110, 10), rgb(Qt::yellow));
}

TEST_F(ColumnPlayback, PausesThatAreNotNumbersOrNegativeWaitNothing) {
    writePage(1, {picture(4, 1, solidBmp("r.bmp", Qt::red), QRect(0, 0, 40, 30), std::nan("")),
                  picture(5, 1, solidBmp("g.bmp", Qt::green), QRect(50, 0, 40, 30), -3),
                  picture(6, 2, solidBmp("y.bmp", Qt::yellow), QRect(100, 0, 40, 30), 1e300)});
    startPreview();
    engine_->playPage();
    tick();
    EXPECT_EQ(canvasAt(110, 10), rgb(Qt::yellow));  // no pause before column 2
    EXPECT_EQ(engine_->pagePlay().columnPause, 24 * 60 * 60);
}

TEST_F(ColumnPlayback, ATransitionStepsAtTheSpeedOfItsRecord) {
    ElementRecord r = picture(4, 1, solidBmp("r.bmp", Qt::red), QRect(0, 0, 40, 30));
    r.Effet = text(221);  // a wipe
    r.Vitesse = 1;        // one step a second
    r.EffetPas = 50;
    writePage(1, {r});
    startPreview();
    engine_->playPage();
    EXPECT_EQ(canvasAt(39, 29), rgb(Qt::black));
    tick();  // step 1: half
    EXPECT_EQ(engine_->pagePlay().nextStep[4][1], clock_.nowMs() + 1000);
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(canvasAt(39, 29), rgb(Qt::red));
    EXPECT_GE(clock_.nowMs(), 2000);
    EXPECT_FALSE(engine_->pagePlay().elements.present(4, 1));  // freed after its last step
}

TEST_F(ColumnPlayback, AnElementWithoutClickRunsItsActionAtTheEndOfTheRun) {
    ElementRecord first = picture(4, 1, solidBmp("r.bmp", Qt::red), QRect(0, 0, 40, 30));
    first.Acte = text(lang::ActionGoToPage);
    first.Destination = QStringLiteral("3");
    ElementRecord second = picture(5, 1, solidBmp("g.bmp", Qt::green), QRect(50, 0, 40, 30));
    second.Acte = text(lang::ActionGoToPage);
    second.Destination = QStringLiteral("2");
    ElementRecord keywordList = picture(6, 1, solidBmp("y.bmp", Qt::yellow), QRect(100, 0, 4, 3));
    keywordList.Acte.clear();  // an empty action is no action
    writePage(1, {first, second, keywordList});
    writePage(2, {picture(4, 1, solidBmp("w.bmp", Qt::white), QRect(200, 0, 40, 30))});
    startPreview();
    engine_->playPage();
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(engine_->currentPage(), 2);  // the later record wins
    EXPECT_EQ(canvasAt(210, 10), rgb(Qt::white));
}

TEST_F(ColumnPlayback, AClickZoneWithoutClickActsAsSoonAsItsColumnShows) {
    ElementRecord zone = makeRecord(50, 1, text(168) + QStringLiteral(" 1"));
    zone.Acte = text(lang::ActionGoToPage);
    zone.Destination = QStringLiteral("2");
    writePage(1, {zone, picture(51 - 47, 1, solidBmp("r.bmp", Qt::red), QRect(0, 0, 40, 30))});
    writePage(2, {picture(4, 1, solidBmp("w.bmp", Qt::white), QRect(200, 0, 40, 30))});
    startPreview();
    engine_->playPage();
    EXPECT_EQ(engine_->currentPage(), 2);
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(canvasAt(210, 10), rgb(Qt::white));
}

// Running a program and waiting for it is the one immediate action after which the column goes
// on: the run is not closed, and the next column still comes.
TEST_F(ColumnPlayback, AClickZoneThatRunsAProgramWaitsThenGoesOn) {
    writeMedia(QStringLiteral("outil"), QByteArray("#!"));
    ElementRecord zone = makeRecord(50, 1, text(168) + QStringLiteral(" 1"));
    zone.Acte = text(lang::ActionRunAndWait);
    zone.Destination = QStringLiteral("\\media\\outil");
    zone.Destin2 = QStringLiteral("-x 1");
    zone.Click = QStringLiteral("non");
    writePage(1, {zone, picture(4, 2, solidBmp("r.bmp", Qt::red), QRect(0, 0, 40, 30))});
    startPreview();
    engine_->playPage();
    ASSERT_EQ(programsRun_.size(), 1);
    EXPECT_EQ(programsRun_[0], host(QStringLiteral("media/outil")) + QStringLiteral(" -x 1"));
    EXPECT_FALSE(engine_->pagePlay().runFinished);
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(canvasAt(10, 10), rgb(Qt::red));
    EXPECT_EQ(engine_->currentPage(), 1);

    // A program that is nowhere ends the column's display.
    zone.Destination = QStringLiteral("\\media\\absent");
    writePage(1, {zone, picture(4, 2, QStringLiteral("\\media\\r.bmp"), QRect(0, 0, 40, 30))});
    startPreview();
    engine_->playPage();
    EXPECT_EQ(programsRun_.size(), 1);
    EXPECT_FALSE(engine_->timer().isActive());
    EXPECT_EQ(canvasAt(10, 10), rgb(Qt::black));
}

TEST_F(ColumnPlayback, AMissingPageFileEndsTheApplication) {
    startPreview(7);
    engine_->playPage();
    EXPECT_TRUE(engine_->terminationRequested());
    ASSERT_EQ(prompter_.texts().size(), 1);
    EXPECT_EQ(prompter_.texts()[0], text(lang::PageFileMissing));
    EXPECT_FALSE(engine_->timer().isActive());
}

TEST_F(ColumnPlayback, RecordsOutOfTheGridOrOutOfOrderAreSurvived) {
    ElementRecord outRow = picture(62, 1, solidBmp("r.bmp", Qt::red), QRect(0, 0, 40, 30));
    ElementRecord outColumn = picture(4, 21, QStringLiteral("\\media\\r.bmp"), QRect(0, 0, 4, 3));
    ElementRecord negative = picture(-5, -7, QStringLiteral("\\media\\r.bmp"), QRect(0, 0, 4, 3));
    ElementRecord late = picture(5, 2, solidBmp("g.bmp", Qt::green), QRect(50, 0, 40, 30));
    ElementRecord early = picture(6, 1, solidBmp("y.bmp", Qt::yellow), QRect(100, 0, 40, 30));
    ElementRecord empty = picture(7, 1, QStringLiteral("\\media\\r.bmp"), QRect(-50, -50, 0, -9));
    writePage(1, {outRow, late, outColumn, early, negative, empty});
    startPreview();
    engine_->playPage();
    EXPECT_TRUE(runUntilIdle());
    EXPECT_EQ(canvasAt(60, 10), rgb(Qt::green));
    EXPECT_EQ(canvasAt(10, 10), rgb(Qt::black));
    EXPECT_TRUE(engine_->pagePlay().runFinished);
}

TEST_F(ColumnPlayback, TerminerFreesEverythingPagePlayStarted) {
    ElementRecord slow = picture(4, 1, solidBmp("r.bmp", Qt::red), QRect(0, 0, 40, 30));
    slow.Effet = text(221);
    slow.Vitesse = 1;
    writePage(1, {slow, picture(30, 1, QStringLiteral("un texte"), QRect(0, 0, 9, 9))});
    startPreview();
    engine_->playPage();
    EXPECT_TRUE(engine_->timer().isActive());
    engine_->stop();
    EXPECT_FALSE(engine_->timer().isActive());
    EXPECT_FALSE(engine_->pagePlay().elements.present(4, 1));
    EXPECT_FALSE(engine_->pagePlay().jou.isOpen());
}

}  // namespace
}  // namespace ztv::test
