// The position editor on a page of a new project: what the page shows, moving, resizing and
// picking elements, what each change writes into the page files, and closing.
#include "common/platform/FileIo.h"
#include "common/platform/SafetyLimits.h"
#include "editor/dialogs/ImageDialog.h"
#include "editor/document/Storyboard.h"
#include "editor/document/UndoSnapshot.h"
#include "editor/position/PositionEditor.h"
#include "tests/editor/PositionFixture.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace ztv::test {
namespace {

using editor::Handle;
using editor::PositionEditor;
using editor::PositionPalette;
using PositionEditorTest = PositionFixture;

TEST_F(PositionEditorTest, FirstMovePutsTheCornerUnderThePointerThenTheCentreFollows) {
    setPage({plain(4, 1, {100, 100, 200, 100}, kRed)});
    PositionEditor& e = open(jouIndex(4, 1));
    QWidget* overlay = e.overlay();
    ASSERT_TRUE(overlay->isVisible());
    EXPECT_EQ(e.elementRect(), QRect(100, 100, 200, 100));

    mouse(overlay, QEvent::MouseButtonPress, {10, 10});
    mouse(overlay, QEvent::MouseMove, {50, 40});
    EXPECT_EQ(e.elementRect().topLeft(), QPoint(150, 140));
    mouse(overlay, QEvent::MouseMove, {120, 60});  // the pointer at (270, 200) on the page
    EXPECT_EQ(e.elementRect().center(), QRect(170, 150, 200, 100).center());
    EXPECT_EQ(e.elementRect().topLeft(), QPoint(170, 150));
    mouse(overlay, QEvent::MouseButtonRelease, {100, 50});

    const ElementRecord saved = jou().at(jouIndex(4, 1) - 1);
    EXPECT_EQ(QRect(saved.Gauche, saved.Haut, saved.Largeur, saved.Hauteur),
              QRect(170, 150, 200, 100));
    EXPECT_TRUE(e.handle(Handle::PDB)->isVisible());
    // The .ACT file waits for the author's word.
    EXPECT_EQ(act().at(0).Gauche, 100);
}

TEST_F(PositionEditorTest, HandlesResizeAndKindsThatCannotBeResizedSaySo) {
    ElementRecord text = makeRecord(30, 1, QStringLiteral("Bonjour"));
    text.Effet = state().text(220);
    text.sensdegra = QStringLiteral("Arial,%1,12").arg(state().text(130));
    text.Transparent = QStringLiteral("%1,0,0,0").arg(state().text(145));
    place(text, {10, 10, 120, 30});
    // Only what is on the page when the edited element comes can be picked: column 1 here.
    setPage({plain(4, 2, {100, 50, 200, 100}, kRed), text, plain(3, 1, {0, 0, 640, 480}, kBlue)});
    PositionEditor& e = open(jouIndex(4, 2));
    ASSERT_TRUE(e.pressHandle(Handle::PDB));
    e.dropHandle(Handle::PDB, {249, 180});
    EXPECT_EQ(e.elementRect(), QRect(100, 50, 153, 76));
    ASSERT_TRUE(e.pressHandle(Handle::PCB));
    e.dropHandle(Handle::PCB, {0, 180});
    EXPECT_EQ(e.elementRect(), QRect(100, 50, 153, 180 - 50 + 4));
    const ElementRecord saved = jou().at(jouIndex(4, 2) - 1);
    EXPECT_EQ(QRect(saved.Gauche, saved.Haut, saved.Largeur, saved.Hauteur), e.elementRect());

    // A handle dragged by the mouse drops where its corner was let go.
    QWidget* right = e.handle(Handle::PCD);
    mouse(right, QEvent::MouseButtonPress, {1, 1});
    mouse(right, QEvent::MouseMove, {41, 1});
    mouse(right, QEvent::MouseButtonRelease, {41, 1});
    EXPECT_EQ(e.elementRect().width(), 153 + 40);

    // A text keeps the size its font gives it; the background neither moves nor changes size.
    mouse(e.page(), QEvent::MouseButtonPress, {20, 20});
    ASSERT_EQ(e.editedRow(), 30);
    EXPECT_FALSE(e.pressHandle(Handle::PDB));
    EXPECT_EQ(asked().last(), state().text(118));
    mouse(e.page(), QEvent::MouseButtonPress, {600, 400});
    ASSERT_EQ(e.editedRow(), 3);
    mouse(e.overlay(), QEvent::MouseButtonPress, {5, 5});
    EXPECT_EQ(asked().last(), state().text(66));
    EXPECT_FALSE(e.busy());
}

TEST_F(PositionEditorTest, SmallElementsGetSmallHandlesAndTheHighestRowIsPicked) {
    ElementRecord text = makeRecord(35, 1, QStringLiteral("Haut"));
    text.Effet = state().text(220);
    text.sensdegra = QStringLiteral("Arial,%1,10").arg(state().text(130));
    text.Transparent = QStringLiteral("%1,0,0,0").arg(state().text(145));
    place(text, {200, 200, 80, 20});
    setPage(
        {plain(4, 2, {500, 10, 20, 60}, kGreen), plain(10, 1, {150, 150, 200, 150}, kRed), text});
    PositionEditor& e = open(jouIndex(4, 2));
    EXPECT_EQ(e.handle(Handle::PGH)->geometry(), QRect(498, 8, 4, 4));
    EXPECT_EQ(e.handle(Handle::PDB)->geometry(), QRect(518, 68, 4, 4));

    mouse(e.page(), QEvent::MouseButtonPress, {210, 205});
    EXPECT_EQ(e.editedRow(), 35);
    EXPECT_EQ(e.editedIndex(), jouIndex(35, 1));
    mouse(e.page(), QEvent::MouseButtonPress, {160, 160});
    EXPECT_EQ(e.editedRow(), 10);
    // Away from every element the handles come back on the same element.
    mouse(e.page(), QEvent::MouseButtonPress, {630, 470});
    EXPECT_EQ(e.editedRow(), 10);
    EXPECT_TRUE(e.handle(Handle::PGH)->isVisible());
}

TEST_F(PositionEditorTest, ArrowKeysMoveOnePixelAndSaveEachTime) {
    setPage({plain(4, 1, {100, 100, 50, 50}, kRed)});
    PositionEditor& e = open(jouIndex(4, 1));
    for (int i = 1; i <= 5; ++i) {
        QTest::keyClick(&e, Qt::Key_Right);
        EXPECT_EQ(jou().at(0).Gauche, 100 + i);
    }
    QTest::keyClick(&e, Qt::Key_Up);
    EXPECT_EQ(jou().at(0).Haut, 99);
    EXPECT_EQ(e.elementRect(), QRect(105, 99, 50, 50));
    // Numbers typed in the palette go in with "Modifier"; a word is refused.
    auto* left = e.positionsPalette()->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    left->setText(QStringLiteral("abc"));
    e.positionsPalette()->findChild<QPushButton*>(QStringLiteral("BApplic"))->click();
    EXPECT_EQ(asked().last(), state().text(841).arg(QStringLiteral("abc")));
    EXPECT_EQ(jou().at(0).Gauche, 105);
}

TEST_F(PositionEditorTest, CancelKeepsTheActFileAndMakesTheJouFileFromIt) {
    setPage({plain(4, 1, {100, 100, 50, 50}, kRed), plain(5, 2, {10, 10, 30, 30}, kBlue)});
    const QByteArray actBefore = readBytes(window().storyboard().actPath());
    const QByteArray jouBefore = readBytes(window().storyboard().jouPath());
    PositionEditor& e = open(jouIndex(4, 1));
    QTest::keyClick(&e, Qt::Key_Down);
    ASSERT_NE(readBytes(window().storyboard().jouPath()), jouBefore);
    prompter_.answer(Prompter::Cancel);
    QTest::keyClick(&e, Qt::Key_Escape);
    EXPECT_FALSE(e.isVisible());
    EXPECT_EQ(asked().last(), state().text(113));
    EXPECT_FALSE(e.positionsChanged());
    EXPECT_EQ(readBytes(window().storyboard().actPath()), actBefore);
    EXPECT_EQ(readBytes(window().storyboard().jouPath()), jouBefore);
}

TEST_F(PositionEditorTest, ClosingAsksOnlyWhenSomethingChanged) {
    setPage({plain(4, 1, {100, 100, 50, 50}, kRed)});
    const auto apply = [](PositionEditor& e) {
        e.positionsPalette()->findChild<QPushButton*>(QStringLiteral("BApplic"))->click();
    };
    const struct {
        const char* what;
        std::function<void(PositionEditor&)> act;
        bool asks;
    } cases[] = {
        {"nothing done", [](PositionEditor&) {}, false},
        {"the palette applied as it stands", apply, false},
        {"moved and moved back",
         [](PositionEditor& e) {
             QTest::keyClick(&e, Qt::Key_Right);
             QTest::keyClick(&e, Qt::Key_Left);
         },
         false},
        {"moved", [](PositionEditor& e) { QTest::keyClick(&e, Qt::Key_Right); }, true},
    };
    for (const auto& c : cases) {
        PositionEditor& e = open(jouIndex(4, 1));
        c.act(e);
        const qsizetype before = asked().size();
        prompter_.answer(Prompter::Cancel);
        e.reject();
        EXPECT_EQ(asked().size() > before, c.asks) << c.what;
        EXPECT_FALSE(e.positionsChanged()) << c.what;
    }
}

TEST_F(PositionEditorTest, OkCopiesThePositionsIntoTheActFileAfterTheUndoSnapshot) {
    setPage({plain(4, 1, {100, 100, 50, 50}, kRed)});
    const QByteArray actBefore = readBytes(window().storyboard().actPath());
    bool kept = false;
    state().positionsKept = [&kept] { kept = true; };
    PositionEditor& e = open(jouIndex(4, 1));
    QTest::keyClick(&e, Qt::Key_Left);
    prompter_.answer(Prompter::Ok);
    e.reject();
    EXPECT_TRUE(kept);
    EXPECT_TRUE(e.positionsChanged());
    EXPECT_EQ(act().at(0).Gauche, 99);
    EXPECT_EQ(jou().at(0).Gauche, 99);
    EXPECT_EQ(readBytes(editor::undoSnapshotPath(workingDir())), actBefore);
    EXPECT_EQ(window().storyboard().defaultRect(4), QRect(99, 100, 50, 50));
}

TEST_F(PositionEditorTest, AnElementGoneAtAColumnChangeLeavesTheBackgroundCopy) {
    ElementRecord joined = plain(4, 1, {100, 100, 100, 100}, kBlue);
    joined.IntegrFond = QStringLiteral("oui");
    ElementRecord leaving = plain(5, 1, {100, 100, 100, 100}, kRed);
    leaving.DisparAuto = QStringLiteral("oui");
    setPage({plain(3, 1, {0, 0, 640, 480}, kGreen), joined, leaving,
             plain(6, 1, {400, 300, 40, 40}, kGreen), plain(7, 2, {400, 300, 40, 40}, kGreen)});
    open(jouIndex(6, 1));
    EXPECT_EQ(pixel({150, 150}), kRed);
    open(jouIndex(7, 2));
    EXPECT_EQ(pixel({150, 150}), kBlue);
    EXPECT_EQ(pixel({50, 50}), kGreen);
    // The edited element is not on the page itself: it is the overlay.
    EXPECT_EQ(editor_->overlay()->geometry(), QRect(400, 300, 40, 40));
}

TEST_F(PositionEditorTest, BadRecordsShowWhatCanBeShownAndSaveOnlyPlayableRectangles) {
    ElementRecord missing = makeRecord(4, 1, QStringLiteral("\\nulle\\part.jpg"));
    missing.Effet = state().text(220);
    place(missing, {10, 10, 100, 100});
    ElementRecord absurd = plain(5, 1, {-50, -60, 100000, 100000}, kRed);
    ElementRecord negative = plain(6, 1, {30, 30, -20, 40}, kBlue);
    ElementRecord far = plain(8, 1, {0, 0, 16000, 10}, kBlue);
    far.Gauche = 2147483000;
    far.Haut = -2147483000;
    setPage({missing, absurd, negative, plain(7, 1, {300, 300, 50, 50}, kGreen), far});

    PositionEditor& beyond = open(5000);
    EXPECT_FALSE(beyond.overlay()->isVisible());
    EXPECT_EQ(pixel({320, 320}), kGreen);
    beyond.reject();

    PositionEditor& e = open(jouIndex(5, 1));
    EXPECT_TRUE(e.overlay()->isVisible());
    QTest::keyClick(&e, Qt::Key_Right);
    const ElementRecord saved = jou().at(jouIndex(5, 1) - 1);
    EXPECT_EQ(saved.Gauche, -49);
    EXPECT_TRUE(limits::pictureSizeAllowed(saved.Largeur, saved.Hauteur));
    open(jouIndex(4, 1));
    EXPECT_TRUE(asked().join(u'|').contains(QStringLiteral("part.jpg")));
    open(jouIndex(6, 1));
    EXPECT_TRUE(editor_->overlay()->isVisible());
    // Coordinates beyond any screen come back within reach instead of overflowing.
    PositionEditor& beyondReach = open(jouIndex(8, 1));
    QTest::keyClick(&beyondReach, Qt::Key_Left);
    const ElementRecord moved = jou().at(jouIndex(8, 1) - 1);
    EXPECT_EQ(QPoint(moved.Gauche, moved.Haut), QPoint(editor::kFarthest - 1, -editor::kFarthest));
}

TEST_F(PositionEditorTest, PreviewPlaysTheAppearanceThenGivesTheHandlesBack) {
    ElementRecord wipe = plain(4, 1, {100, 100, 100, 100}, kRed);
    wipe.Effet = state().text(225);
    wipe.EffetPas = 10;
    wipe.EffetFin = 100;
    setPage({plain(3, 1, {0, 0, 640, 480}, kBlue), wipe});
    PositionEditor& e = open(jouIndex(4, 1), true);
    ASSERT_TRUE(e.previewing());
    EXPECT_FALSE(e.overlay()->isVisible());
    EXPECT_FALSE(e.positionsPalette());
    // Closing during the preview stops it instead.
    e.reject();
    EXPECT_TRUE(e.isVisible());
    for (int i = 0; i < 200 && e.previewing(); ++i) {
        playerTick(e);
    }
    EXPECT_FALSE(e.previewing());
    EXPECT_TRUE(e.overlay()->isVisible());
    EXPECT_TRUE(e.handle(Handle::PGH)->isVisible());
    EXPECT_EQ(pixel({150, 150}), kBlue);  // the page as it was before the element came
    e.reject();
    EXPECT_FALSE(e.isVisible());
}

TEST_F(PositionEditorTest, AnAnimationKeepsItsFirstPositionAndItsArrival) {
    ElementRecord animation = makeRecord(26, 1, QStringLiteral("\\anim\\strip.bmp"));
    animation.sensdegra = QStringLiteral("300");
    animation.style = QStringLiteral("200");
    animation.Couldegra = 5;
    place(animation, {10, 20, 40, 30});
    ElementRecord gone = makeRecord(26, 2, state().text(122));
    place(gone, {1, 1, 1, 1});
    setPage({animation, gone});
    PositionEditor& e = open(jouIndex(26, 1));
    PositionPalette* palette = e.positionsPalette();
    EXPECT_EQ(palette->findChild<QLineEdit*>(QStringLiteral("Edit5"))->text(),
              QStringLiteral("300"));
    EXPECT_FALSE(e.pressHandle(Handle::PDB));
    EXPECT_EQ(asked().last(), state().text(119));

    palette->findChild<QPushButton*>(QStringLiteral("BVoirArrivee"))->click();
    EXPECT_EQ(e.elementRect(), QRect(300, 200, 40, 30));
    QTest::keyClick(&e, Qt::Key_Right);
    ElementRecord saved = jou().at(jouIndex(26, 1) - 1);
    EXPECT_EQ(QPoint(saved.Gauche, saved.Haut), QPoint(10, 20));
    EXPECT_EQ(saved.sensdegra, QStringLiteral("301"));
    EXPECT_EQ(saved.Couldegra, 5);
    // The disappearance that follows covers the animation where it arrives.
    const ElementRecord after = jou().at(jouIndex(26, 2) - 1);
    EXPECT_EQ(QRect(after.Gauche, after.Haut, after.Largeur, after.Hauteur),
              QRect(301, 200, 40, 30));
    EXPECT_EQ(e.elementRect().topLeft(), QPoint(301, 200));

    e.positionsPalette()->findChild<QPushButton*>(QStringLiteral("BVoirArrivee"))->click();
    EXPECT_EQ(e.elementRect().topLeft(), QPoint(10, 20));
    QTest::keyClick(&e, Qt::Key_Down);
    saved = jou().at(jouIndex(26, 1) - 1);
    EXPECT_EQ(QPoint(saved.Gauche, saved.Haut), QPoint(10, 21));
    EXPECT_EQ(saved.sensdegra, QStringLiteral("301"));
    EXPECT_EQ(saved.style, QStringLiteral("200"));
}

TEST_F(PositionEditorTest, ThePositionCommandStartsFromTheCellAndKeptPositionsCanBeUndone) {
    setPage({plain(4, 1, {100, 100, 50, 50}, kRed), plain(6, 2, {10, 10, 30, 30}, kBlue)});
    window().storyboard().setCurrentCell(3, 8);  // an empty cell after both: message 456
    window().runCommand(editor::Command::Position);
    EXPECT_EQ(asked().last(), state().text(456));
    window().storyboard().setCurrentCell(1, 4);
    int edited = 0;
    onDialog([&edited](QDialog& d) {
        d.show();
        edited = static_cast<PositionEditor&>(d).editedRow();
        QTest::keyClick(&d, Qt::Key_Down);
        d.reject();
    });
    prompter_.answer(Prompter::Ok);
    window().runCommand(editor::Command::Position);
    EXPECT_EQ(edited, 4);
    EXPECT_EQ(act().at(0).Haut, 101);
    EXPECT_TRUE(window().isCommandEnabled(editor::Command::Undo));
}

TEST_F(PositionEditorTest, TheImageDialogPlacesByEyeAndReloadsWhatWasKept) {
    setPage({plain(4, 1, {100, 100, 50, 50}, kRed)});
    auto& storyboard = window().storyboard();
    storyboard.setCurrentCell(1, 4);
    editor::ImageDialog dialog(state(), prompter_, storyboard, true, &window());
    dialog.show();
    onDialog([this](QDialog& d) {
        d.show();
        QTest::keyClick(&d, Qt::Key_Right);
        prompter_.answer(Prompter::Ok);
        d.reject();
    });
    dialog.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    EXPECT_TRUE(dialogsShown.contains(QStringLiteral("TForm200")));
    EXPECT_EQ(act().at(0).Gauche, 101);
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("Edit2"))->text(), QStringLiteral("101"));

    // "Prévisualiser" opens the same editor with the appearance playing; dropped changes leave
    // the page as it was.
    onDialog([this](QDialog& d) {
        d.show();
        auto& e = static_cast<PositionEditor&>(d);
        EXPECT_TRUE(e.previewing());
        while (e.previewing()) {
            playerTick(e);
        }
        QTest::keyClick(&d, Qt::Key_Down);
        prompter_.answer(Prompter::Cancel);
        d.reject();
    });
    dialog.findChild<QPushButton*>(QStringLiteral("BVisualis"))->click();
    EXPECT_EQ(act().at(0).Haut, 100);
    EXPECT_EQ(jou().at(0).Haut, 100);
}

}  // namespace
}  // namespace ztv::test
