// The animation on a played page: the sprite's straight way, its frames and end poses, the
// display's stretch and mask, and clicks that follow it, checked by the canvas's pixels.
#include "common/formats/LangLines.h"
#include "tests/engine/PagePlayFixture.h"

#include <QPainter>

namespace ztv::test {
namespace {

const QList<QColor> kFrameColours{Qt::red, Qt::blue, Qt::yellow};

class AnimationElement : public PagePlayFixture {
  protected:
    // A strip of frames of one colour each.
    QString strip(int frames, QSize frame) const {
        QImage img(frame.width() * frames, frame.height(), QImage::Format_RGB32);
        for (int i = 0; i < frames; ++i) {
            QPainter(&img).fillRect(QRect(QPoint(frame.width() * i, 0), frame), kFrameColours[i]);
        }
        img.save(host(QStringLiteral("media/s.bmp")), "BMP");
        return QStringLiteral("\\media\\s.bmp");
    }
    ElementRecord animation(QPoint from, QPoint to, int steps, int frames = 1,
                            QSize size = {10, 10}) const {
        ElementRecord r = picture(26, 1, strip(frames, size), QRect(from, size));
        r.Couleur = frames;
        r.sensdegra = QString::number(to.x());
        r.style = QString::number(to.y());
        r.Couldegra = steps;
        return r;
    }
    ElementRecord greenPage() const {
        return picture(3, 1, solidBmp("g.bmp", Qt::green, {640, 480}), QRect(0, 0, 640, 480));
    }
    void start(const QList<ElementRecord>& records, QSize screen = {1280, 1024}) {
        writePage(1, records);
        screen_ = screen;
        startPreview();
        engine_->playPage();
    }
    // The top-left corner of the colour's pixels, or (-1, -1).
    QPoint cornerOf(QColor colour) const {
        const QImage& canvas = engine_->canvas();
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                if (canvasAt(x, y) == rgb(colour)) {
                    return {x, y};
                }
            }
        }
        return {-1, -1};
    }
    // Where the sprite (of any frame colour) is drawn, step after step, until it is freed.
    QList<QPoint> run() {
        QList<QPoint> seen;
        for (int i = 0; i < 50 && engine_->pagePlay().elements.present(26, 1); ++i) {
            QPoint at(-1, -1);
            for (const QColor& c : kFrameColours) {
                at = at == QPoint(-1, -1) ? cornerOf(c) : at;
            }
            seen.append(at);
            tick();
        }
        return seen;
    }
};

TEST_F(AnimationElement, TheSpriteMovesInRoundedStepsThenShowsItsEndImage) {
    start({greenPage(), animation({0, 0}, {100, 50}, 4)});
    EXPECT_EQ(run(), (QList<QPoint>{{0, 0}, {25, 12}, {50, 25}, {75, 38}, {100, 50}, {100, 50}}));
    EXPECT_EQ(canvasAt(5, 5), rgb(Qt::green)) << "the page under the way is back";
    EXPECT_EQ(canvasAt(105, 55), rgb(Qt::red));
    ASSERT_TRUE(runUntilIdle());
    EXPECT_TRUE(engine_->pagePlay().runFinished);
}

TEST_F(AnimationElement, NoStepsCountAsOne) {
    start({greenPage(), animation({0, 0}, {100, 50}, 0)});
    EXPECT_EQ(run(), (QList<QPoint>{{0, 0}, {100, 50}, {100, 50}}));
}

TEST_F(AnimationElement, FramesCycleOnTheWayAndTheEndPoseChoosesTheLastImage) {
    struct Case {
        int stripFrames;  // what the strip holds; `Couleur` asks for three
        int pose;
        QList<QColor> drawn;  // at the five positions, then at the end
    };
    const QList<Case> cases{
        {3, 0, {Qt::red, Qt::blue, Qt::yellow, Qt::red, Qt::blue, Qt::yellow}},
        {3, 1, {Qt::red, Qt::blue, Qt::yellow, Qt::red, Qt::blue, Qt::red}},
        {3, 2, {Qt::red, Qt::blue, Qt::yellow, Qt::red, Qt::blue, Qt::yellow}},
        {3, 3, {Qt::red, Qt::blue, Qt::yellow, Qt::red, Qt::blue, Qt::green}},
        {2, 0, {Qt::red, Qt::blue, Qt::red, Qt::blue, Qt::red, Qt::blue}},  // loops over two
    };
    for (const Case& c : cases) {
        ElementRecord r = animation({0, 0}, {100, 100}, 4, c.stripFrames);
        r.Couleur = 3;
        r.size = c.pose;
        start({greenPage(), r});
        QList<QColor> drawn;
        for (int k = 0; k <= 5; ++k) {
            const QPoint at = k < 5 ? QPoint(25 * k, 25 * k) : QPoint(100, 100);
            drawn.append(QColor(canvasAt(at.x() + 5, at.y() + 5)));
            tick();
        }
        EXPECT_EQ(drawn, c.drawn) << "pose " << c.pose << ", frames " << c.stripFrames;
    }
}

TEST_F(AnimationElement, TheArrivalIsStretchedWithTheDisplay) {
    QStringList settings = settingsLines();
    settings[11] = QStringLiteral("oui");
    writeSettings(settings);
    start({animation({0, 0}, {320, 240}, 2)}, {1024, 1024});
    run();
    EXPECT_EQ(engine_->pagePlay().rows[26].rect, QRect(512, 384, 16, 16));
    EXPECT_EQ(canvasAt(520, 390), rgb(Qt::red));
}

// The page lies at (192, 144) on the mask; the sprite comes in from its left and ends past
// its right edge.
TEST_F(AnimationElement, OnAMaskedDisplayTheSpriteShowsOnlyOnThePage) {
    QStringList settings = settingsLines();
    settings[14] = QStringLiteral("oui");
    writeSettings(settings);
    start({greenPage(), animation({-50, 100}, {600, 100}, 2, 1, {80, 20})}, {1024, 1024});
    const QRgb mask = canvasAt(10, 10);
    EXPECT_EQ(canvasAt(150, 250), mask);
    EXPECT_EQ(canvasAt(195, 250), rgb(Qt::red));
    ASSERT_TRUE(runUntilIdle());
    EXPECT_EQ(canvasAt(830, 250), rgb(Qt::red));
    EXPECT_EQ(canvasAt(835, 250), mask) << "the end image too";
}

TEST_F(AnimationElement, AClickFollowsTheSprite) {
    ElementRecord r = animation({0, 0}, {200, 0}, 2);
    r.Vitesse = 10;  // 100 ms a step
    r.Acte = text(lang::ActionGoToPage);
    r.Destination = QStringLiteral("2");
    r.Click = QStringLiteral("oui");
    writePage(2, {greenPage()});
    start({r});
    tick();
    clock_.advance(100);
    tick();
    ASSERT_EQ(engine_->pagePlay().rows[26].rect.topLeft(), QPoint(100, 0));
    engine_->mouseDown(QPoint(5, 5));
    EXPECT_EQ(engine_->currentPage(), 1) << "it has left its first position";
    engine_->mouseDown(QPoint(105, 5));
    EXPECT_EQ(engine_->currentPage(), 2);
}

TEST_F(AnimationElement, TheSpeedSetsTheWaitBetweenSteps) {
    const QList<std::pair<int, qint64>> cases{{100, 1}, {10, 100}, {0, 10000}, {-3, 10000}};
    for (const auto& [vitesse, waitMs] : cases) {
        ElementRecord r = animation({0, 0}, {100, 0}, 1);
        r.Vitesse = vitesse;
        start({r});
        const qint64 shown = engine_->clock().nowMs();
        while (canvasAt(5, 5) == rgb(Qt::red) && engine_->clock().nowMs() - shown < 20000) {
            tick();
        }
        const qint64 waited = engine_->clock().nowMs() - shown;
        EXPECT_GE(waited, waitMs) << vitesse;
        EXPECT_LT(waited, waitMs + 32) << vitesse;
    }
}

TEST_F(AnimationElement, AnAnimationWithoutItsPictureEndsItsColumnAtOnce) {
    ElementRecord r = animation({0, 0}, {100, 0}, 4);
    r.Fichier = QStringLiteral("\\media\\none.bmp");
    start({greenPage(), r});
    ASSERT_TRUE(runUntilIdle(5));
    EXPECT_TRUE(engine_->pagePlay().runFinished);
    EXPECT_FALSE(engine_->pagePlay().elements.present(26, 1));
    EXPECT_EQ(canvasAt(5, 5), rgb(Qt::green));
}

}  // namespace
}  // namespace ztv::test
