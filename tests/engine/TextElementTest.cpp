// The text cell on a played page: composed over the page without fringes, kept in Fond, its
// hover colour, and its disappearance, checked by the canvas's pixels.
#include "common/formats/LangLines.h"
#include "common/formats/YesNo.h"
#include "tests/engine/PagePlayFixture.h"
#include "tests/support/ProjectWriter.h"

namespace ztv::test {
namespace {

std::int32_t storedColour(QColor c) {
    return std::int32_t(c.red() | (c.green() << 8) | (c.blue() << 16));
}

const QRect kRect(100, 100, 200, 60);

class TextElement : public PagePlayFixture {
  protected:
    ElementRecord plainBackground(QColor colour) const {
        ElementRecord r = picture(3, 1, text(lang::MarkerPlainBackground), QRect(0, 0, 640, 480));
        r.Couleur = storedColour(colour);
        return r;
    }
    ElementRecord textCell(int column, const QString& effet = QString()) const {
        ElementRecord r = picture(30, column, QStringLiteral("HELLO,\"big world\""), kRect);
        r.sensdegra = QStringLiteral("\"Liberation Sans\",gras,20");
        r.Transparent = text(lang::AlignLeft) + QStringLiteral(",0,0,0");
        r.Couleur = storedColour(Qt::red);
        r.Couldegra = storedColour(Qt::black);
        if (!effet.isEmpty()) {
            r.Effet = effet;
            r.EffetPas = 10;
        }
        return r;
    }
    void play() {
        startPreview();
        engine_->playPage();
        ASSERT_TRUE(runUntilIdle());
    }
    QRgb fondAt(int x, int y) const { return engine_->background().pixel(x, y) & 0xffffff; }

    // Counts of the rectangle's pixels: those in `colour`, and those bluer than `limit`.
    struct Census {
        int of = 0;
        int bluer = 0;
    };
    static Census census(const QImage& img, QRgb colour, int limit) {
        Census c;
        for (int y = kRect.top(); y <= kRect.bottom(); ++y) {
            for (int x = kRect.left(); x <= kRect.right(); ++x) {
                const QRgb p = img.pixel(x, y) & 0xffffff;
                c.of += p == colour ? 1 : 0;
                c.bluer += qBlue(p) > limit ? 1 : 0;
            }
        }
        return c;
    }
};

// Red text on a yellow page: no pixel may be bluer than both, whatever effect brought it in.
TEST_F(TextElement, NoBlueFringeAroundTheTextOnTheCanvasOrInFond) {
    for (int effet : {lang::EffectNone, 221, 262, 274, 298}) {
        SCOPED_TRACE(effet);
        ElementRecord t = textCell(2, text(effet));
        t.IntegrFond = ouiNon(true);
        t.size = 1;  // one turn
        writePage(1, {plainBackground(Qt::yellow), t});
        play();
        const Census shown = census(engine_->canvas(), rgb(Qt::red), 0);
        EXPECT_GT(shown.of, 100);
        EXPECT_EQ(shown.bluer, 0);
        const Census kept = census(engine_->background(), rgb(Qt::red), 0);
        EXPECT_EQ(kept.of, shown.of) << "the text went into Fond";
        EXPECT_EQ(kept.bluer, 0);
        EXPECT_EQ(canvasAt(kRect.right(), kRect.bottom()), rgb(Qt::yellow));
        EXPECT_TRUE(prompter_.texts().isEmpty());
    }
}

TEST_F(TextElement, WithoutIntegrFondTheBackgroundStaysClean) {
    writePage(1, {plainBackground(Qt::yellow), textCell(2)});
    play();
    EXPECT_GT(census(engine_->canvas(), rgb(Qt::red), 0).of, 100);
    EXPECT_EQ(census(engine_->background(), rgb(Qt::yellow), 255).of,
              kRect.width() * kRect.height());
    EXPECT_FALSE(engine_->pagePlay().elements.present(30, 2)) << "freed once shown";
}

TEST_F(TextElement, TheHoverColourComesOnEnteringAndGoesOnLeaving) {
    ElementRecord t = textCell(2);
    t.SurvolFichier = QStringLiteral("clLime");
    t.SurvolRetablir = 1;
    t.Acte = text(lang::ActionGoToColumn);
    t.Destination = QStringLiteral("1");
    t.Click = QStringLiteral("oui");
    writePage(1, {plainBackground(Qt::yellow), t});
    play();
    ASSERT_TRUE(engine_->pagePlay().elements.present(30, 2)) << "kept for its hover look";
    const QImage before = engine_->canvas().copy(kRect);
    const int red = census(engine_->canvas(), rgb(Qt::red), 255).of;

    engine_->hoverAt(kRect.center());
    EXPECT_EQ(census(engine_->canvas(), rgb(Qt::green), 255).of, red);
    EXPECT_EQ(census(engine_->canvas(), rgb(Qt::red), 255).of, 0) << "no red left at the edges";

    engine_->hoverAt(QPoint(600, 400));
    EXPECT_EQ(engine_->canvas().copy(kRect), before);
}

TEST_F(TextElement, TheDisappearanceMarkerBringsThePageBackThroughItsTransition) {
    ElementRecord gone = textCell(3, text(221));
    gone.Fichier = text(lang::MarkerDisappear);
    writePage(1, {plainBackground(Qt::yellow), textCell(2), gone});
    startPreview();
    engine_->playPage();
    int most = 0;
    bool partly = false;
    for (int i = 0; i < 100000 && engine_->timer().isActive(); ++i) {
        tick();
        const int red = census(engine_->canvas(), rgb(Qt::red), 255).of;
        partly = partly || (red > 0 && red < most);
        most = std::max(most, red);
    }
    EXPECT_GT(most, 100);
    EXPECT_TRUE(partly) << "the wipe passes through a partial state";
    EXPECT_EQ(census(engine_->canvas(), rgb(Qt::yellow), 255).of, kRect.width() * kRect.height());
    EXPECT_TRUE(prompter_.texts().isEmpty());
}

// A full-screen project renders at the design size and stretches, so the text keeps its place
// in the rectangle on any screen.
TEST_F(TextElement, OnAStretchedDisplayTheTextGrowsWithThePage) {
    const auto redRows = [](const QImage& img, const QRect& area) {
        int top = area.bottom();
        int bottom = area.top();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if ((img.pixel(x, y) & 0xffffff) == 0xff0000) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        return bottom - top + 1;
    };
    writePage(1, {plainBackground(Qt::yellow), textCell(2)});
    play();
    const int designRows = redRows(engine_->canvas(), kRect);

    QStringList settings = settingsLines();
    settings[11] = QStringLiteral("oui");
    writeSettings(settings);
    screen_ = QSize(1280, 1024);  // 640 x 480 shown on 1280 x 960: twice as large
    play();
    const QRect scaled(kRect.topLeft() * 2, kRect.size() * 2);
    EXPECT_NEAR(redRows(engine_->canvas(), scaled), 2 * designRows, 3);
}

TEST_F(TextElement, ABackgroundMarkerOrAnEmptyRectangleShowsNothing) {
    ElementRecord marker = textCell(2);
    marker.Fichier = text(lang::MarkerBackgroundDisappear);
    ElementRecord empty = textCell(2);
    empty.Ligne = 31;
    empty.Largeur = 0;
    writePage(1, {plainBackground(Qt::yellow), marker, empty});
    play();
    EXPECT_EQ(census(engine_->canvas(), rgb(Qt::yellow), 255).of, kRect.width() * kRect.height());
}

}  // namespace
}  // namespace ztv::test
