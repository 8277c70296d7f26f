// The position editor's previews of characters, animations, panoramas and films: each plays on
// the page, Esc and a refused close stop it, and the page and the handles come back after.
#include "common/platform/Clock.h"
#include "editor/position/FrameList.h"
#include "tests/editor/PositionFixture.h"
#include "tests/support/PictureMakers.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

namespace ztv::test {
namespace {

using editor::FrameCutter;
using editor::Handle;
using editor::PositionEditor;

constexpr QRgb kYellow = 0xFFFFFF00u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
const QList<QRgb> kFrameColours{kRed, kGreen, kYellow};

// A strip of solid frames of the size, one colour each.
QImage solidStrip(const QList<QRgb>& colours, QSize frame) {
    QImage strip(frame.width() * int(colours.size()), frame.height(), QImage::Format_RGB32);
    for (int i = 0; i < colours.size(); ++i) {
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                strip.setPixel(frame.width() * i + x, y, colours[i]);
            }
        }
    }
    return strip;
}

class PositionPreviewTest : public PositionFixture {
  protected:
    void SetUp() override {
        PositionFixture::SetUp();
        QDir().mkpath(media());
    }
    QString media() const { return dir_.path() + QStringLiteral("/media"); }
    // A file under media, and its stored path.
    QString file(const QString& name, const QByteArray& bytes) {
        const QString host = media() + u'/' + name;
        EXPECT_TRUE(writeFileAtomically(host, bytes));
        return state().drives.toWindows(host).mid(2);
    }
    // A blue page behind the element.
    ElementRecord page() { return plain(3, 1, {0, 0, 640, 480}, kBlue); }
    // A character or animation of three 20 x 10 frames (red, green, yellow) at (100, 100).
    ElementRecord sprite(int row) {
        ElementRecord r =
            makeRecord(row, 1, file("strip.bmp", makeBmp(solidStrip(kFrameColours, {20, 10}))));
        place(r, {100, 100, 20, 10});
        r.Couleur = 3;
        r.Transparent = state().text(200);
        r.Vitesse = 100;
        return r;
    }
    // One tick of the preview clock, every step due.
    void tick() {
        clock_->advance(20000);
        editor_->previewTick();
    }
    void runOut() {
        for (int i = 0; i < 1000 && editor_->previewing(); ++i) {
            tick();
        }
        ASSERT_FALSE(editor_->previewing());
    }
    // The share of the area's pixels, on a grid of five, that have the colour.
    double share(QRect area, QRgb colour) const {
        int count = 0;
        int all = 0;
        for (int x = area.left(); x <= area.right(); x += 5) {
            for (int y = area.top(); y <= area.bottom(); y += 5) {
                count += pixel({x, y}) == colour;
                ++all;
            }
        }
        return count / double(all);
    }
    // The preview has ended: the page as it was, the element and its handles back.
    void expectRestored(QPoint inside) {
        EXPECT_FALSE(editor_->previewing());
        EXPECT_EQ(pixel(inside), kBlue);
        EXPECT_TRUE(editor_->overlay()->isVisible());
        EXPECT_TRUE(editor_->handle(Handle::PDB)->isVisible());
        EXPECT_TRUE(editor_->positionsPalette());
    }
};

TEST_F(PositionPreviewTest, StripsAreCutIntoFramesAndCharactersLaidOverTheirBackground) {
    const QImage strip = solidStrip({kRed, kGreen, kWhite, kYellow, kBlue}, {20, 10});
    const FrameCutter cutter(state().language, prompter_, QStringLiteral("\\a\\strip.bmp"));
    const editor::FrameList frames = cutter.cut(strip, 5, {20, 10}, kWhite);
    ASSERT_EQ(frames.count(), 5);
    EXPECT_EQ(frames.frames[3].size(), QSize(20, 10));
    EXPECT_EQ(frames.frames[3].pixel(19, 9) | 0xFF000000u, kYellow);
    // The mask colour leaves the target as it was.
    QImage target(20, 10, QImage::Format_RGB32);
    target.fill(kBlue);
    frames.draw(target, {0, 0}, 2);
    EXPECT_EQ(target.pixel(5, 5) | 0xFF000000u, kBlue);
    frames.draw(target, {0, 0}, 1);
    EXPECT_EQ(target.pixel(5, 5) | 0xFF000000u, kGreen);

    // A strip holding three frames of the five asked: each missing frame is told, the rest cut.
    const qsizetype before = asked().size();
    EXPECT_EQ(cutter.cut(strip.copy(0, 0, 60, 10), 5, {20, 10}, std::nullopt).count(), 3);
    EXPECT_EQ(asked().mid(before), QStringList(2, QStringLiteral("T2 \\a\\strip.bmp T48")));

    // Over the background: the white of each frame shows the page beneath the element.
    QImage onPage = strip;
    QImage pageUnder(100, 100, QImage::Format_RGB32);
    pageUnder.fill(kBlue);
    pageUnder.setPixel(31, 41, kGreen);
    cutter.composeOverBackground(onPage, 5, QRect(30, 40, 20, 10), qRgb(255, 255, 255), pageUnder);
    EXPECT_EQ(onPage.pixel(45, 5) | 0xFF000000u, kBlue) << "frame 2 was white";
    EXPECT_EQ(onPage.pixel(41, 1) | 0xFF000000u, kGreen);
    EXPECT_EQ(onPage.pixel(65, 5) | 0xFF000000u, kYellow);
    cutter.composeOverBackground(onPage, 6, QRect(30, 40, 20, 10), kWhite, pageUnder);
    EXPECT_EQ(asked().last(), QStringLiteral("T47"));
}

TEST_F(PositionPreviewTest, ASilentCharacterLoopsThenShowsItsEndPoseAndEscEndsIt) {
    ElementRecord character = sprite(24);
    character.style = state().text(195);
    character.Couldegra = 2;
    character.size = 2;  // the last frame
    setPage({page(), character});
    PositionEditor& e = open(jouIndex(24, 1), true);
    ASSERT_TRUE(e.previewing());
    EXPECT_EQ(pixel({105, 105}), kBlue);
    tick();
    EXPECT_EQ(pixel({105, 105}), kGreen);
    // Frames 1 2 0 1 2, then the second loop is done: the end pose.
    QList<QRgb> shown;
    for (int i = 0; i < 5; ++i) {
        tick();
        shown.append(pixel({105, 105}));
    }
    EXPECT_EQ(shown, (QList<QRgb>{kYellow, kRed, kGreen, kYellow, kYellow}));
    EXPECT_TRUE(e.previewing());
    tick();
    expectRestored({105, 105});
    EXPECT_TRUE(
        e.positionsPalette()->findChild<QPushButton*>(QStringLiteral("Beffet"))->isEnabled());

    character.Couldegra = 50;
    setPage({page(), character});
    PositionEditor& again = open(jouIndex(24, 1), true);
    tick();
    QTest::keyClick(&again, Qt::Key_Escape);
    EXPECT_TRUE(again.isVisible()) << "Esc stops the preview, not the editor";
    tick();
    expectRestored({105, 105});
}

TEST_F(PositionPreviewTest, ASpeakingCharacterMovesWhileItsSoundPlaysAndCannotBeClosedMeanwhile) {
    ElementRecord character = sprite(24);
    character.style = state().text(194);
    character.sensdegra = file("voix.wav", makeWav(100));
    character.size = 1;  // the first frame
    setPage({page(), character});
    PositionEditor& e = open(jouIndex(24, 1), true);
    EXPECT_EQ(media_->calls(), (QStringList{"open voix.wav", "play voix.wav 0 0"}));
    for (int i = 0; i < 4; ++i) {
        tick();
    }
    EXPECT_EQ(pixel({105, 105}), kGreen) << "frames 1 2 0 1 while the sound plays";
    e.reject();
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(media_->calls().last(), QStringLiteral("close voix.wav"));
    tick();
    EXPECT_EQ(pixel({105, 105}), kRed) << "the end pose once the sound has stopped";
    tick();
    expectRestored({105, 105});
    EXPECT_EQ(state().mediaDevice, 0);

    // A sound that plays to its end ends the preview the same way.
    open(jouIndex(24, 1), true);
    media_->finish(state().mediaDevice);
    runOut();
    expectRestored({105, 105});

    character.sensdegra = QStringLiteral("\\ailleurs\\muet.wav");
    setPage({page(), character});
    open(jouIndex(24, 1), true);
    EXPECT_EQ(asked().last(), QStringLiteral("Perso posi2 T43 /ailleurs/muet.wav T44"));
    runOut();
    expectRestored({105, 105});
}

TEST_F(PositionPreviewTest, AnAnimationStepsTowardsItsArrivalAndEndsAtTheLastPosition) {
    ElementRecord animation = sprite(26);
    animation.sensdegra = QStringLiteral("202");  // 4 steps of (25, 12): the last at (200, 148)
    animation.style = QStringLiteral("150");
    animation.Couldegra = 4;
    animation.size = 2;
    setPage({page(), animation});
    PositionEditor& e = open(jouIndex(26, 1), true);
    tick();
    EXPECT_EQ(pixel({105, 105}), kRed);
    tick();
    EXPECT_EQ(pixel({105, 105}), kBlue) << "the page comes back behind the sprite";
    EXPECT_EQ(pixel({130, 117}), kGreen);
    tick();
    tick();
    EXPECT_EQ(pixel({180, 141}), kRed);
    tick();
    EXPECT_EQ(pixel({180, 141}), kBlue);
    EXPECT_EQ(pixel({200, 148}), kYellow) << "the last frame at P(4)";
    EXPECT_EQ(pixel({220, 158}), kBlue) << "P(4) falls short of the arrival";
    EXPECT_TRUE(e.previewing());
    tick();
    expectRestored({205, 153});

    // Nothing as the end pose; a close while it runs jumps to the end.
    animation.size = 3;
    setPage({page(), animation});
    PositionEditor& again = open(jouIndex(26, 1), true);
    tick();
    tick();
    again.reject();
    EXPECT_TRUE(again.isVisible());
    tick();
    EXPECT_EQ(pixel({130, 117}), kBlue);
    EXPECT_EQ(pixel({205, 153}), kBlue);
    tick();
    expectRestored({105, 105});
    again.reject();
    EXPECT_FALSE(again.isVisible());
}

TEST_F(PositionPreviewTest, PicturesAndBackgroundsAppearAtThePlayersPace) {
    const QRect cases[] = {{100, 100, 100, 100}, {0, 0, 640, 480}};
    for (const QRect& rect : cases) {
        const int row = rect.width() == 640 ? 3 : 4;
        ElementRecord r = plain(row, 1, rect, kRed);
        r.Effet = state().text(225);
        r.EffetPas = 10;
        r.EffetFin = 100;
        setPage(row == 3 ? QList<ElementRecord>{r} : QList<ElementRecord>{page(), r});
        PositionEditor& e = open(jouIndex(row, 1), true);
        // A millisecond at a time for six ticks of the player: six steps of ten percent.
        for (int ms = 0; ms < 6 * 16; ++ms) {
            clock_->advance(1);
            e.previewTick();
        }
        EXPECT_GT(share(rect, kRed), 0.0) << row;
        EXPECT_LT(share(rect, kRed), 1.0) << row;
        runOut();
        EXPECT_TRUE(e.overlay()->isVisible()) << row;
    }
}

TEST_F(PositionPreviewTest, APanoramaComesInByItsEffectAtItsOwnPace) {
    QImage red(300, 200, QImage::Format_RGB32);
    red.fill(kRed);
    ElementRecord panorama = makeRecord(25, 1, file("vue.bmp", makeBmp(red)));
    place(panorama, {100, 100, 300, 200});
    panorama.Effet = state().text(225);
    panorama.Transparent = state().text(200);
    panorama.Vitesse = 20;  // 2 percent a step
    setPage({page(), panorama});
    PositionEditor& e = open(jouIndex(25, 1), true);
    const auto redShare = [this] { return share({100, 100, 300, 200}, kRed); };
    EXPECT_EQ(redShare(), 0.0);
    for (int i = 0; i < 25; ++i) {
        tick();
    }
    EXPECT_GT(redShare(), 0.0);
    EXPECT_LT(redShare(), 1.0);
    runOut();
    expectRestored({150, 150});
    EXPECT_TRUE(
        e.positionsPalette()->findChild<QPushButton*>(QStringLiteral("Beffet"))->isEnabled());
}

TEST_F(PositionPreviewTest, AFilmPlaysInAPanelOverItsRectangleUntilItsEndOrEsc) {
    // In the second column, so that the page behind it is drawn before it comes.
    ElementRecord film = makeRecord(2, 2, file("film.avi", QByteArray("x")));
    place(film, {40, 30, 160, 120});
    setPage({page(), film});
    PositionEditor& e = open(jouIndex(2, 2), true);
    EXPECT_EQ(media_->calls(), (QStringList{"open film.avi", "play film.avi 0 0"}));
    auto* panel = e.findChild<QWidget*>(QStringLiteral("Panel1"));
    ASSERT_TRUE(panel);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry(), QRect(40, 30, 160, 120));
    EXPECT_EQ(media_->videoWindow(state().mediaDevice), QRect(40, 30, 160, 120));
    tick();
    EXPECT_TRUE(e.previewing());
    e.reject();
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(media_->calls().last(), QStringLiteral("close film.avi"));
    tick();
    expectRestored({50, 50});
    EXPECT_FALSE(e.findChild<QWidget*>(QStringLiteral("Panel1")));

    open(jouIndex(2, 2), true);
    media_->finish(state().mediaDevice);
    tick();
    expectRestored({50, 50});
    EXPECT_EQ(state().mediaDevice, 0);

    film.Fichier = QStringLiteral("\\ailleurs\\film.avi");
    setPage({page(), film});
    open(jouIndex(2, 2), true);
    EXPECT_EQ(asked().last(), QStringLiteral("video1 posi T43 /ailleurs/film.avi T44"));
    tick();
    expectRestored({50, 50});
}

}  // namespace
}  // namespace ztv::test
