// The text dialog on a page of a new project: what OK writes, what it refuses, the rectangles it
// measures and proposes, and a preview that is the player's own drawing of the stored record.
#include "common/formats/ColorText.h"
#include "common/formats/CommaText.h"
#include "editor/dialogs/CellDialogs.h"
#include "editor/dialogs/TextDialog.h"
#include "player/elements/TextLook.h"
#include "player/elements/TextRendering.h"
#include "tests/editor/ProjectFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace ztv::test {
namespace {

using editor::TextDialog;

class TextDialogTest : public ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        newProjectWithPages({QStringLiteral("Un")});
    }
    void TearDown() override {
        window().hide();
        session_.reset();
    }
    QList<ElementRecord> act() { return readPageRecords(window().storyboard().actPath()); }
    void setAct(const QList<ElementRecord>& records) {
        window().storyboard().closePage();
        ProjectWriter(workingDir()).writePageFile(1, records, QStringLiteral(".ACT"));
        ASSERT_TRUE(window().storyboard().openPage(1));
    }
    ElementRecord textRecord(int row, int column, QRect rect, const QString& fichier = "Avant") {
        ElementRecord r = makeRecord(row, column, fichier);
        r.Gauche = rect.x();
        r.Haut = rect.y();
        r.Largeur = rect.width();
        r.Hauteur = rect.height();
        return r;
    }
    std::unique_ptr<TextDialog> open(int column, int row) {
        auto& storyboard = window().storyboard();
        storyboard.setCurrentCell(column, row);
        auto dialog = std::make_unique<TextDialog>(
            state(), prompter_, storyboard, !storyboard.cellText(column, row).isEmpty(), &window());
        dialog->show();
        return dialog;
    }
    template <class W = QLineEdit>
    static W* control(QDialog& d, const char* name) {
        auto* w = d.findChild<W*>(QLatin1String(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    static QRect shownRect(QDialog& d) {
        const char* names[] = {"Edit2", "Edit3", "Edit4", "Edit5"};
        int v[4];
        for (int i = 0; i < 4; ++i) {
            v[i] = control(d, names[i])->text().toInt();
        }
        return QRect(v[0], v[1], v[2], v[3]);
    }
};

TEST_F(TextDialogTest, TypedLinesAreStoredQuotedMeasuredAndReloaded) {
    auto dialog = open(2, 30);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("T674"));
    control<QPlainTextEdit>(*dialog, "Memo1")->setPlainText("Bonjour\nle monde\n");
    control<QSpinBox>(*dialog, "SpinEdit1")->setValue(-3);
    control<QSpinBox>(*dialog, "SpinEdit2")->setValue(2);
    control(*dialog, "Editinter")->setText("4");
    const QSize measured = dialog->fields().measured(state().language);
    EXPECT_EQ(shownRect(*dialog), QRect(QPoint(2, 2), measured));
    EXPECT_FALSE(control(*dialog, "Edit4")->isEnabled());
    const QImage preview = dialog->previewImage();
    // The preview write puts the text into the page the player and the position editor read.
    ASSERT_TRUE(dialog->writePreview());
    const auto jou = readPageRecords(window().storyboard().jouPath());
    ASSERT_GT(dialog->previewedJouIndex(), 0);
    EXPECT_EQ(jou.value(dialog->previewedJouIndex() - 1).Fichier,
              QStringLiteral("Bonjour,\"le monde\""));
    EXPECT_TRUE(act().isEmpty());
    dialog->writeAndClose();
    ASSERT_EQ(dialog->result(), 6) << prompter_.texts().join(u'|').toStdString();
    const auto records = act();
    ASSERT_EQ(records.size(), 1);
    const ElementRecord& r = records[0];
    EXPECT_EQ(r.Fichier, QStringLiteral("Bonjour,\"le monde\""));
    EXPECT_EQ(dialog->edit()->cellText, r.Fichier);
    EXPECT_EQ(r.Transparent, QStringLiteral("T145,4,-3,2"));
    EXPECT_EQ(r.sensdegra, QStringLiteral("Arial,T130,10"));
    EXPECT_EQ(QRect(r.Gauche, r.Haut, r.Largeur, r.Hauteur), QRect(QPoint(2, 2), measured));
    EXPECT_EQ(r.Inverse, QStringLiteral("non"));
    EXPECT_TRUE(r.SurvolFichier.isEmpty());

    // What the author saw is what the player draws from the record.
    const TextLook look = readTextLook(r.sensdegra, r.Transparent, state().language);
    QImage page(r.Largeur, r.Hauteur, QImage::Format_RGB32);
    page.fill(Qt::white);
    EXPECT_EQ(preview, composeOver(page, renderText(readCommaText(r.Fichier), look, page.size(),
                                                    colourOfValue(std::uint32_t(r.Couleur)),
                                                    colourOfValue(std::uint32_t(r.Couldegra)))));

    window().storyboard().fill();
    auto again = open(2, 30);
    EXPECT_EQ(again->windowTitle(), QStringLiteral("T433"));
    EXPECT_EQ(control<QPlainTextEdit>(*again, "Memo1")->toPlainText(), "Bonjour\nle monde");
    EXPECT_EQ(control<QSpinBox>(*again, "SpinEdit1")->value(), -3);
    EXPECT_EQ(shownRect(*again), QRect(QPoint(2, 2), measured));
}

TEST_F(TextDialogTest, TextsThatCannotBeStoredAreRefusedAndNothingIsWritten) {
    const struct {
        QString typed;
        QString message;
    } cases[] = {
        {"", "T88"},
        {"\n", "T88"},
        {QString(124, u'a') + u' ' + QString(123, u'b'), "T929"},
        {"Ωmega", "T916 Ω (U+03A9)\nΩmega"},
    };
    for (const auto& c : cases) {
        auto dialog = open(1, 31);
        control<QPlainTextEdit>(*dialog, "Memo1")->setPlainText(c.typed);
        dialog->writeAndClose();
        EXPECT_NE(dialog->result(), 6);
        ASSERT_FALSE(prompter_.texts().isEmpty());
        EXPECT_EQ(prompter_.texts().last(), c.message);
        EXPECT_FALSE(dialog->writePreview());
        EXPECT_TRUE(act().isEmpty());
    }
}

TEST_F(TextDialogTest, FontAndColoursComeFromTheirDialogs) {
    auto dialog = open(1, 32);
    control<QPlainTextEdit>(*dialog, "Memo1")->setPlainText("Titre");
    control(*dialog, "Editinter")->setText("5");
    QFont chosen(QStringLiteral("Liberation Serif"), 20);
    chosen.setBold(true);
    chosen.setItalic(true);
    chosen.setUnderline(true);
    dialog->chooseFontFrom = [&](const QFont&) { return std::optional<QFont>(chosen); };
    dialog->chooseFont();
    EXPECT_EQ(control<QLabel>(*dialog, "Labstyle")->text(), QStringLiteral("T130"));
    EXPECT_EQ(control(*dialog, "Editinter")->text(), QStringLiteral("0"));
    const QColor colours[] = {Qt::white, Qt::blue, Qt::red};
    for (int swatch = 0; swatch < 3; ++swatch) {
        dialog->chooseColour = [&](const QColor&) {
            return std::optional<QColor>(colours[swatch]);
        };
        dialog->chooseSwatchColour(swatch);
    }
    control<QCheckBox>(*dialog, "CheckSurvol")->setChecked(true);
    control<QCheckBox>(*dialog, "CheckBox3")->setChecked(true);  // no action: nothing to reverse
    // White text shows on silver.
    EXPECT_EQ(dialog->previewImage().pixel(0, dialog->previewImage().height() - 1), 0xFFC0C0C0);
    dialog->writeAndClose();
    ASSERT_EQ(dialog->result(), 6);
    const ElementRecord r = act().value(0);
    EXPECT_EQ(r.sensdegra, QStringLiteral("\"Liberation Serif\",T130,20"));
    EXPECT_EQ(r.Couleur, 0xFFFFFF);
    EXPECT_EQ(r.Couldegra, 0xFF0000);
    EXPECT_EQ(r.SurvolFichier, colorToText(0x0000FF));
    EXPECT_EQ(r.Inverse, QStringLiteral("non"));
    EXPECT_EQ(state().rememberedFont.points, 20);
}

TEST_F(TextDialogTest, DisappearanceTakesTheRectangleOfTheRowsEarlierText) {
    setAct({textRecord(33, 2, QRect(10, 20, 300, 200)), textRecord(34, 7, QRect(5, 5, 50, 50))});
    auto dialog = open(5, 33);
    dialog->selectDisappearance(true);
    EXPECT_EQ(shownRect(*dialog), QRect(10, 20, 300, 200));
    EXPECT_TRUE(control(*dialog, "Edit4")->isEnabled());
    EXPECT_TRUE(control<QPushButton>(*dialog, "Button1")->isHidden());
    dialog->writeAndClose();
    ASSERT_EQ(dialog->result(), 6);
    EXPECT_EQ(act().last().Fichier, QStringLiteral("T122"));
    EXPECT_EQ(dialog->edit()->cellText, QStringLiteral("T122"));
    // Only later elements in its row: the proposal is the fallback rectangle.
    auto before = open(2, 34);
    before->selectDisappearance(true);
    EXPECT_EQ(shownRect(*before), QRect(2, 2, 100, 100));
}

TEST_F(TextDialogTest, SavingATextMovesTheNextDisappearanceOfItsRow) {
    setAct({textRecord(35, 4, QRect(1, 1, 1, 1), QStringLiteral("T122")),
            textRecord(36, 4, QRect(1, 1, 1, 1), QStringLiteral("T122"))});
    auto dialog = open(2, 35);
    control<QPlainTextEdit>(*dialog, "Memo1")->setPlainText("Suite");
    control(*dialog, "Edit2")->setText("40");
    dialog->writeAndClose();
    ASSERT_EQ(dialog->result(), 6);
    const auto records = act();
    const ElementRecord& saved = records.last();
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(QRect(records[0].Gauche, records[0].Haut, records[0].Largeur, records[0].Hauteur),
              QRect(saved.Gauche, saved.Haut, saved.Largeur, saved.Hauteur));
    EXPECT_EQ(records[1].Gauche, 1);
}

TEST_F(TextDialogTest, EveryTextRowOpensTheDialogWithItsHelpPage) {
    for (int row : {30, 49}) {
        EXPECT_TRUE(editor::rowHasDialog(row));
    }
    EXPECT_TRUE(open(1, 30)->helpPath().endsWith(QStringLiteral("texte.html")));
}

}  // namespace
}  // namespace ztv::test
