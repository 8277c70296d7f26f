// What the long-text dialog edits, to and from the record a long text's cell keeps.
#include "common/formats/ElementRecord.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "editor/document/LongTextFields.h"

#include <gtest/gtest.h>

namespace ztv::test {
namespace {

using editor::LongTextFields;

class LongTextFieldsTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(french.load(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc")); }
    LanguageFile french;
};

TEST_F(LongTextFieldsTest, TheRecordKeepsTheFieldsAndFixedValuesForTheRest) {
    // A record that held something else before: its effect, action and hover go.
    ElementRecord r;
    r.Effet = QStringLiteral("Volet");
    r.Acte = QStringLiteral("Aller");
    r.Destination = QStringLiteral("3");
    r.SurvolFichier = QStringLiteral("\\survol.bmp");
    r.SurvolAction = 1;
    r.Attente = 2.5;
    r.EffetFin = 100;
    LongTextFields fields;
    fields.fichier = QStringLiteral("\\textes\\Lisez-moi.RTF");
    fields.border = false;
    fields.rect = QRect(10, 20, 300, 200);
    fields.text = QColor(1, 2, 3);
    fields.background = QColor(200, 100, 50);
    fields.font.name = QStringLiteral("Times New Roman");
    fields.font.points = 14;
    fields.font.styleLine = lang::FontStyleBoldItalic;
    fields.toRecord(r, french);

    EXPECT_EQ(r.Fichier, fields.fichier);
    EXPECT_EQ(r.Vitesse, 0);
    EXPECT_EQ(QRect(r.Gauche, r.Haut, r.Largeur, r.Hauteur), fields.rect);
    EXPECT_EQ(r.Couleur, 0x030201);
    EXPECT_EQ(r.Couldegra, 0x3264C8);
    EXPECT_EQ(r.sensdegra, fields.font.name);
    EXPECT_EQ(r.style, french.text(lang::FontStyleBoldItalic));
    EXPECT_EQ(r.size, 14);
    for (const QString* empty :
         {&r.Effet, &r.Acte, &r.Destination, &r.Destin2, &r.Transparent, &r.SurvolFichier}) {
        EXPECT_TRUE(empty->isEmpty()) << empty->toStdString();
    }
    EXPECT_EQ(r.Attente, 0.0);
    EXPECT_EQ(r.Click, QStringLiteral("non"));
    EXPECT_EQ(r.IntegrFond, QStringLiteral("non"));
    EXPECT_EQ(r.Inverse, QStringLiteral("non"));
    EXPECT_EQ(r.DisparAuto, QStringLiteral("oui"));
    for (int zero : {r.EffetPas, r.EffetDepart, r.EffetFin, r.SurvolAction, r.SurvolPage,
                     r.SurvolColonne, r.SurvolRetablir}) {
        EXPECT_EQ(zero, 0);
    }
    EXPECT_EQ(fields.cellText(), QStringLiteral("Lisez-moi.RTF"));

    const LongTextFields back = LongTextFields::fromRecord(r, french);
    EXPECT_EQ(back.fichier, fields.fichier);
    EXPECT_EQ(back.border, fields.border);
    EXPECT_EQ(back.rect, fields.rect);
    EXPECT_EQ(back.text, fields.text);
    EXPECT_EQ(back.background, fields.background);
    EXPECT_EQ(back.font.name, fields.font.name);
    EXPECT_EQ(back.font.points, 14);
    EXPECT_EQ(back.font.styleLine, lang::FontStyleBoldItalic);
}

// Styles of three or four attributes have no line of their own; sizes that are no sensible
// number keep the font's size.
TEST_F(LongTextFieldsTest, FontsWithoutALineOfTheirOwnAreReadBackSoundly) {
    QFont chosen(QStringLiteral("Arial"));
    chosen.setPointSize(12);
    chosen.setBold(true);
    chosen.setItalic(true);
    chosen.setUnderline(true);
    LongTextFields fields;
    fields.fichier = QStringLiteral("\\a.txt");
    fields.font.set(chosen);
    ElementRecord r;
    fields.toRecord(r, french);
    EXPECT_EQ(r.style, french.text(lang::FontStyleNormal));
    const LongTextFields back = LongTextFields::fromRecord(r, french);
    EXPECT_EQ(back.font.styleLine, lang::FontStyleNormal);

    for (int size : {0, -5, 100000}) {
        r.size = size;
        r.style = QStringLiteral("gras inventé");
        const LongTextFields odd = LongTextFields::fromRecord(r, french);
        EXPECT_EQ(odd.font.points, 10) << size;
        EXPECT_EQ(odd.font.styleLine, lang::FontStyleNormal) << size;
    }
}

}  // namespace
}  // namespace ztv::test
