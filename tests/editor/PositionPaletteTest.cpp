// The "Positions" palette's options per kind: what each writes into the record, and a text's
// look, which sizes the text again.
#include "common/formats/CommaText.h"
#include "common/formats/LangLines.h"
#include "common/platform/Fonts.h"
#include "editor/position/PositionPalette.h"
#include "player/elements/TextLook.h"
#include "player/elements/TextRendering.h"
#include "tests/editor/PositionFixture.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace ztv::test {
namespace {

using editor::PositionPalette;

class PositionPaletteTest : public PositionFixture {
  protected:
    ElementRecord text(int row, const QString& lines) {
        ElementRecord r = makeRecord(row, 1, lines);
        r.Effet = state().text(220);
        r.Vitesse = 100;
        r.sensdegra = QStringLiteral("Arial,%1,12").arg(state().text(130));
        r.Transparent = QStringLiteral("%1,0,0,0").arg(state().text(147));
        r.Couleur = 0x0000FF;  // red
        place(r, {10, 10, 100, 30});
        return r;
    }
    PositionPalette& palette() { return *editor_->positionsPalette(); }
    template <class W>
    W* control(const char* name) {
        W* w = palette().findChild<W*>(QLatin1String(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    void click(QWidget* w) { mouse(w, QEvent::MouseButtonRelease, {2, 2}); }
    void apply() { control<QPushButton>("BApplic")->click(); }
    ElementRecord saved(int row) { return jou().at(jouIndex(row, 1) - 1); }
    QSize measured(const ElementRecord& r) {
        return measureText(readCommaText(r.Fichier),
                           readTextLook(r.sensdegra, r.Transparent, state().language));
    }
};

TEST_F(PositionPaletteTest, ANewFontSizesTheTextAgainAndTheDialogsStartFromIt) {
    setPage({text(30, QStringLiteral("Bonjour,\"le monde\""))});
    open(jouIndex(30, 1));
    EXPECT_EQ(control<QLabel>("Labfont")->text(), QStringLiteral("Arial"));
    EXPECT_EQ(control<QLabel>("Labtaill")->text(), QStringLiteral("12"));
    int startPoints = 0;
    onDialog([&startPoints](QDialog& d) {
        startPoints = static_cast<QFontDialog&>(d).currentFont().pointSize();
        QFont chosen(QStringLiteral("Liberation Sans"), 24);
        chosen.setBold(true);
        chosen.setUnderline(true);
        static_cast<QFontDialog&>(d).setCurrentFont(chosen);
        d.setResult(QDialog::Accepted);
    });
    click(control<QLabel>("Labstyle"));
    EXPECT_EQ(startPoints, 12);  // the dialog starts from the text's font

    const ElementRecord r = saved(30);
    EXPECT_EQ(readCommaText(r.sensdegra), (QStringList{QStringLiteral("Liberation Sans"),
                                                       state().text(136), QStringLiteral("24")}));
    // Two lines of 24 points: the size the player's measuring gives, far from the old one.
    const QSize size = measured(r);
    EXPECT_EQ(QSize(r.Largeur, r.Hauteur), size);
    EXPECT_GT(size.height(), 2 * pointsToPixels(24));
    EXPECT_EQ(control<QLineEdit>("Edit3")->text(), QString::number(size.width()));
    EXPECT_EQ(control<QLineEdit>("Edit4")->text(), QString::number(size.height()));
    EXPECT_EQ(editor_->elementRect().size(), size);
    const editor::RememberedFont& remembered = state().rememberedFont;
    EXPECT_EQ(remembered.name, QStringLiteral("Liberation Sans"));
    EXPECT_EQ(remembered.points, 24);
    EXPECT_EQ(remembered.styleLine, lang::FontStyleBoldUnderline);

    // A cancelled font dialog changes nothing.
    EXPECT_EQ(control<QLabel>("Labfont")->text(), QStringLiteral("Liberation Sans"));
    const QByteArray before = readBytes(window().storyboard().jouPath());
    click(control<QLabel>("Labfont"));
    EXPECT_EQ(readBytes(window().storyboard().jouPath()), before);
}

TEST_F(PositionPaletteTest, TheLayoutAndColoursWrittenAreWhatThePlayerReads) {
    setPage({plain(3, 1, {0, 0, 640, 480}, kBlue), text(31, QStringLiteral("Un,Deux,Trois"))});
    open(jouIndex(31, 1));
    control<QComboBox>("ComboBox8")->setCurrentIndex(1);  // right
    control<QSpinBox>("SpinEdit3")->setValue(3);
    control<QSpinBox>("SpinEdit4")->setValue(2);
    // The spacing, once typed, sizes and saves the text with the rest of the look.
    QLineEdit* spacing = control<QLineEdit>("Editinter");
    spacing->selectAll();
    QTest::keyClicks(spacing, QStringLiteral("4"));
    QTest::keyClick(spacing, Qt::Key_Return);

    ElementRecord r = saved(31);
    const TextLook look = readTextLook(r.sensdegra, r.Transparent, state().language);
    EXPECT_EQ(look.align, TextAlign::Right);
    EXPECT_EQ(look.spacing, 4);
    EXPECT_EQ(look.shadow, QPoint(3, 2));
    const int line = QFontMetrics(look.font).height();
    EXPECT_EQ(r.Hauteur, 3 * (line + 2) + 2 * 4);
    EXPECT_EQ(QSize(r.Largeur, r.Hauteur), measured(r));

    // A colour chosen is stored and the page drawn again with it.
    onDialog([](QDialog& d) {
        static_cast<QColorDialog&>(d).setCurrentColor(QColor(0, 255, 0));
        d.setResult(QDialog::Accepted);
    });
    click(control<QFrame>("PaintBox1"));
    r = saved(31);
    EXPECT_EQ(r.Couleur, 0x00FF00);
    EXPECT_EQ(state().rememberedColours[0], QColor(0, 255, 0));
    EXPECT_EQ(readTextLook(r.sensdegra, r.Transparent, state().language).spacing, 4);
}

TEST_F(PositionPaletteTest, BandsAndStretchingFollowTheEffectAndAreStoredInSize) {
    ElementRecord picture = plain(4, 1, {100, 100, 50, 50}, kRed);
    picture.Effet = state().text(239);
    picture.size = 5;
    ElementRecord panorama = plain(25, 1, {300, 300, 50, 50}, kGreen);
    panorama.Effet = state().text(264);
    setPage({picture, panorama});
    open(jouIndex(4, 1));
    QLineEdit* bands = control<QLineEdit>("Edit8");
    EXPECT_FALSE(bands->isHidden());
    EXPECT_EQ(bands->text(), QStringLiteral("5"));
    bands->setText(QStringLiteral("7"));
    apply();
    EXPECT_EQ(saved(4).size, 7);

    // A word is refused before anything is written.
    control<QLineEdit>("Edit8")->setText(QStringLiteral("sept"));
    apply();
    EXPECT_EQ(asked().last(), state().text(841).arg(QStringLiteral("sept")));
    EXPECT_EQ(saved(4).size, 7);

    auto* effect = control<QComboBox>("ComboBox1");
    effect->setCurrentText(state().text(221));
    QCheckBox* stretch = control<QCheckBox>("CheckBox1");
    EXPECT_TRUE(control<QLineEdit>("Edit8")->isHidden());
    EXPECT_FALSE(stretch->isHidden());
    stretch->setChecked(false);
    apply();
    EXPECT_EQ(saved(4).Effet, state().text(221));
    EXPECT_EQ(saved(4).size, 0);
    control<QCheckBox>("CheckBox1")->setChecked(true);
    apply();
    EXPECT_EQ(saved(4).size, 1);
    control<QComboBox>("ComboBox1")->setCurrentText(state().text(220));
    apply();
    EXPECT_EQ(saved(4).size, 0);

    // A panorama's turns, with their own caption; it has no appearance mode.
    open(jouIndex(25, 1));
    EXPECT_TRUE(control<QComboBox>("ComboBox5")->isHidden());
    EXPECT_EQ(control<QLineEdit>("Edit8")->text(), QStringLiteral("2"));
    control<QLineEdit>("Edit8")->setText(QStringLiteral("3"));
    apply();
    EXPECT_EQ(saved(25).size, 3);
    EXPECT_EQ(saved(25).Effet, state().text(264));
}

TEST_F(PositionPaletteTest, KindsWithoutAPreviewShowTheirRectangleOnly) {
    ElementRecord zone = plain(50, 1, {40, 40, 80, 60}, kGreen);
    zone.Fichier = QStringLiteral("zone");
    setPage({plain(4, 1, {10, 10, 100, 100}, kRed), zone});
    open(jouIndex(50, 1));
    EXPECT_TRUE(control<QPushButton>("Beffet")->isHidden());
    open(jouIndex(4, 1));
    EXPECT_FALSE(control<QPushButton>("Beffet")->isHidden());
    EXPECT_TRUE(control<QPushButton>("Beffet")->isEnabled());
}

TEST_F(PositionPaletteTest, ACharacterSpeaksOrLoopsAndEndsOnAPose) {
    ElementRecord character = makeRecord(24, 1, QStringLiteral("\\nulle\\perso.gif"));
    character.style = state().text(194);
    character.Couleur = 4;
    character.Vitesse = 50;
    place(character, {10, 10, 40, 40});
    setPage({character});
    open(jouIndex(24, 1));
    QSpinBox* loops = control<QSpinBox>("SpinEdit1");
    EXPECT_TRUE(loops->isHidden());
    EXPECT_TRUE(control<QLineEdit>("Edit8")->isHidden());
    control<QComboBox>("ComboBox3")->setCurrentIndex(1);
    EXPECT_FALSE(loops->isHidden());
    loops->setValue(6);
    control<QComboBox>("ComboBox7")->setCurrentIndex(2);
    apply();
    const ElementRecord r = saved(24);
    EXPECT_EQ(r.style, state().text(195));
    EXPECT_EQ(r.Couldegra, 6);
    EXPECT_EQ(r.size, 2);
    EXPECT_EQ(r.Couleur, 4);
    EXPECT_EQ(r.Vitesse, 50);
}

}  // namespace
}  // namespace ztv::test
