// The panorama on a played page: its centred first view, its scrolling by the quarters of its
// rectangle, the 360-degree turn and its own transition stepping, checked by the canvas's pixels.
#include "common/formats/LangLines.h"
#include "tests/engine/PagePlayFixture.h"

namespace ztv::test {
namespace {

constexpr QRect kView(100, 50, 300, 300);
// Clicks on the edges between the quarters: the quarter line belongs to the top band, the middle
// of the width to the left half.
const QPoint kLeft(250, 200), kRight(251, 200), kUp(250, 125), kDown(250, 275);

class PanoramaElement : public PagePlayFixture {
  protected:
    // Every pixel names its picture column and row, so the view tells where it stands.
    QString namedPicture(QSize size) const {
        QImage img(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                img.setPixel(x, y, qRgb(x & 255, (x >> 8) | ((y >> 8) << 4), y & 255));
            }
        }
        img.save(host(QStringLiteral("media/p.bmp")), "BMP");
        return QStringLiteral("\\media\\p.bmp");
    }
    static QPoint named(QRgb c) {
        return {qRed(c) + 256 * (qGreen(c) & 15), qBlue(c) + 256 * (qGreen(c) >> 4)};
    }
    ElementRecord panorama(bool fullTurn, int stepPercent = 50, QSize size = {1000, 400}) const {
        ElementRecord r = picture(25, 1, namedPicture(size), kView);
        r.style = QString::number(size.width());
        r.Destin2 = QString::number(size.height());
        r.sensdegra = ouiNon(fullTurn);
        r.Couleur = stepPercent;
        r.Couldegra = 50;
        return r;
    }
    void play(const QList<ElementRecord>& records) {
        writePage(1, records);
        startPreview();
        engine_->playPage();
        ASSERT_TRUE(runUntilIdle());
    }
    // The picture point shown at a point of the view.
    QPoint shownAt(int x, int y) const {
        return named(engine_->canvas().pixel(kView.left() + x, kView.top() + y));
    }
    // The picture columns the view shows, left to right.
    QList<int> shownColumns() const {
        QList<int> columns;
        for (int x = 0; x < kView.width(); ++x) {
            columns.append(shownAt(x, 150).x());
        }
        return columns;
    }
    static QList<int> columnsFrom(int first, int pictureWidth) {
        QList<int> columns;
        for (int x = 0; x < kView.width(); ++x) {
            columns.append((first + x) % pictureWidth);
        }
        return columns;
    }
};

TEST_F(PanoramaElement, TheFirstViewIsCentredOnThePicture) {
    play({panorama(false)});
    EXPECT_EQ(shownAt(0, 0), QPoint(350, 50));
    EXPECT_EQ(shownAt(299, 299), QPoint(649, 349));
    EXPECT_TRUE(engine_->pagePlay().elements.present(25, 1)) << "it stays for its clicks";
}

TEST_F(PanoramaElement, ClicksOnTheQuartersScrollTheView) {
    struct Case {
        bool fullTurn;
        QList<QPoint> clicks;
        int firstColumn;
        int topRow;
    };
    const QList<Case> cases{
        {false, {kLeft, kLeft, kLeft}, 0, 50},
        {false, {kRight, kRight, kRight}, 700, 50},
        {true, {kRight, kRight, kRight}, 800, 50},  // 800 to 999, then 0 to 99
        {true, {kRight, kRight, kRight, kRight}, 950, 50},
        {true, {kRight, kRight, kRight, kRight, kRight}, 100, 50},
        {true, {kLeft, kLeft, kLeft}, 900, 50},  // the view starts left of the picture
        {true, {kLeft, kLeft, kLeft, kLeft, kLeft, kLeft, kLeft, kLeft}, 150, 50},
        {false, {kUp}, 350, 0},
        {false, {kDown, kDown}, 350, 100},
        {true, {kLeft, kLeft, kLeft, kDown}, 900, 100},
    };
    for (const Case& c : cases) {
        play({panorama(c.fullTurn)});
        for (const QPoint& click : c.clicks) {
            engine_->mouseDown(click);
            EXPECT_FALSE(engine_->pagePlay().busy);
        }
        EXPECT_EQ(shownColumns(), columnsFrom(c.firstColumn, 1000))
            << "360: " << c.fullTurn << ", clicks: " << c.clicks.size();
        EXPECT_EQ(shownAt(0, 0).y(), c.topRow);
    }
}

TEST_F(PanoramaElement, ScrollingKeepsToWhatThePictureAndTheViewAllow) {
    struct Case {
        QSize picture;
        int stepPercent;
        QPoint click;
        int firstColumn;
        int lastShown;  // the last view column that shows the picture
    };
    const QList<Case> cases{
        {{1000, 400}, 250, kRight, 650, 299},  // at most one view a click
        {{1000, 400}, -50, kRight, 350, 299},  // never backwards
        {{200, 400}, 50, kRight, 0, 199},      // narrower than the view: at the left, still
        {{200, 400}, 50, kLeft, 0, 199},
    };
    for (const Case& c : cases) {
        play({panorama(true, c.stepPercent, c.picture)});
        engine_->mouseDown(c.click);
        EXPECT_EQ(shownAt(0, 150).x(), c.firstColumn) << c.stepPercent;
        EXPECT_EQ(shownAt(c.lastShown, 150).x(), c.firstColumn + c.lastShown);
        if (c.lastShown < kView.width() - 1) {
            EXPECT_EQ(engine_->canvas().pixel(kView.left() + c.lastShown + 1, 200) & 0xffffff, 0u)
                << "beside the picture";
        }
    }
}

TEST_F(PanoramaElement, OnlyTheFirstViewJoinsTheBackground) {
    ElementRecord r = panorama(false);
    r.IntegrFond = ouiNon(true);
    play({r});
    engine_->mouseDown(kRight);
    EXPECT_EQ(shownAt(0, 0).x(), 500);
    EXPECT_EQ(named(engine_->background().pixel(kView.topLeft())), QPoint(350, 50));
}

// Step 3 reaches 99 in 33 steps, draws 100 as a step of its own, then the whole view.
TEST_F(PanoramaElement, ItsTransitionTakesOneStepMoreThanItsCourse) {
    ElementRecord r = panorama(false);
    r.Effet = text(222);  // a wipe from the left edge
    r.Vitesse = 30;
    writePage(1, {r});
    startPreview();
    engine_->playPage();
    int steps = 1;
    while (shownAt(299, 150).x() != 649 && steps < 100) {
        tick();
        ++steps;
    }
    EXPECT_EQ(steps, 34);
    tick();
    EXPECT_TRUE(engine_->pagePlay().rows[25].shown) << "the final view is a step of its own";
    tick();
    EXPECT_FALSE(engine_->pagePlay().rows[25].shown);
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(shownColumns(), columnsFrom(350, 1000));
}

TEST_F(PanoramaElement, AClickDuringTheRunScrollsAndTheRunGoesOn) {
    ElementRecord r = panorama(false);
    r.Effet = text(222);
    r.Vitesse = 10;
    ElementRecord next = picture(4, 2, solidBmp("r.bmp", Qt::red), QRect(500, 50, 40, 30));
    writePage(1, {r, next});
    startPreview();
    engine_->playPage();
    tick();
    engine_->mouseDown(kRight);
    EXPECT_TRUE(engine_->timer().isActive());
    EXPECT_FALSE(engine_->pagePlay().runFinished);
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(canvasAt(510, 60), rgb(Qt::red)) << "the next column came";
    EXPECT_TRUE(engine_->pagePlay().runFinished);
}

TEST_F(PanoramaElement, APanoramaWithoutItsPictureDrawsNothingAndTakesClicksQuietly) {
    ElementRecord r = panorama(false);
    r.Fichier = QStringLiteral("\\media\\none.bmp");
    ElementRecord next = picture(4, 2, solidBmp("r.bmp", Qt::red), QRect(500, 50, 40, 30));
    play({r, next});
    const QRgb untouched = canvasAt(50, 400);
    EXPECT_EQ(canvasAt(250, 200), untouched);
    EXPECT_EQ(canvasAt(510, 60), rgb(Qt::red));
    engine_->mouseDown(kRight);
    EXPECT_FALSE(engine_->pagePlay().busy);
    EXPECT_EQ(canvasAt(250, 200), untouched);
}

}  // namespace
}  // namespace ztv::test
