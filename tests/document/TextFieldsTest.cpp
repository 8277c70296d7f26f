// A text cell's fields and the record they make: the lines as quoted comma text, the font and
// layout lists the player reads, the size it draws them in, and what cannot be stored.
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "editor/document/TextFields.h"
#include "player/elements/TextLook.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

namespace ztv::editor {
namespace {

class TextFieldsTest : public ::testing::Test {
  protected:
    TextFieldsTest() { french.load(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"); }

    ElementRecord stored(const TextFields& fields) const {
        ElementRecord r;
        fields.applyTo(r, french);
        return r;
    }

    LanguageFile french;
};

TEST_F(TextFieldsTest, LinesAreStoredQuotedWhereNeededAndReadBackAsTheSameLines) {
    const struct {
        QStringList lines;
        QString fichier;
    } cases[] = {
        {{"Bonjour", "le monde"}, R"(Bonjour,"le monde")"},
        {{"un,deux", R"(dit "oui")"}, R"("un,deux","dit ""oui""")"},
        {{"avant", "", "après"}, R"(avant,"",après)"},
        {{"  retrait", "tab\there"}, "\"  retrait\",\"tab\there\""},
    };
    for (const auto& c : cases) {
        TextFields fields;
        fields.lines = c.lines;
        const ElementRecord r = stored(fields);
        EXPECT_EQ(r.Fichier, c.fichier);
        EXPECT_EQ(TextFields::fromRecord(r, french).lines, c.lines) << c.fichier.toStdString();
    }
}

TEST_F(TextFieldsTest, LookAndColoursSurviveTheRecord) {
    TextFields fields;
    fields.lines = {QStringLiteral("x")};
    fields.font.set(QStringLiteral("Liberation Serif"), QStringLiteral("18"),
                    french.text(lang::FontStyleBoldItalic), french);
    fields.alignLine = lang::AlignRight;
    fields.spacing = -7;
    fields.shadow = QPoint(-99, 99);
    fields.colour = QColor(10, 20, 30);
    fields.shadowColour = QColor(200, 100, 0);
    fields.hoverColour = QColor(Qt::yellow);
    const ElementRecord r = stored(fields);
    EXPECT_EQ(r.sensdegra, QStringLiteral("\"Liberation Serif\",\"gras italique\",18"));
    EXPECT_EQ(r.Transparent, QStringLiteral("droite,-7,-99,99"));
    EXPECT_LE(r.Transparent.size(), 30);
    EXPECT_EQ(r.Couleur, 0x1E140A);
    EXPECT_EQ(r.SurvolFichier, QStringLiteral("clYellow"));
    EXPECT_TRUE(r.style.isEmpty());
    const TextFields back = TextFields::fromRecord(r, french);
    EXPECT_EQ(back.font.name, fields.font.name);
    EXPECT_EQ(back.font.points, 18);
    EXPECT_EQ(back.font.styleLine, lang::FontStyleBoldItalic);
    EXPECT_EQ(back.alignLine, lang::AlignRight);
    EXPECT_EQ(back.spacing, -7);
    EXPECT_EQ(back.shadow, fields.shadow);
    EXPECT_EQ(back.colour, fields.colour);
    EXPECT_EQ(back.shadowColour, fields.shadowColour);
    EXPECT_EQ(back.hoverColour, fields.hoverColour);
    EXPECT_FALSE(TextFields::fromRecord(ElementRecord{}, french).hoverColour);
}

// Three or four of the attributes have no style line: they are stored as line 130 and read back
// without style, as the player draws them.
TEST_F(TextFieldsTest, StylesAreStoredByTheirLine) {
    const struct {
        bool bold, italic, underline, strikeOut;
        int line;
    } cases[] = {
        {false, false, false, false, lang::FontStyleNormal},
        {true, false, false, false, lang::FontStyleBold},
        {true, true, false, false, lang::FontStyleBoldItalic},
        {false, true, true, false, lang::FontStyleItalicUnderline},
        {false, false, true, true, lang::FontStyleUnderlineStrikeOut},
        {true, true, true, false, lang::FontStyleNormal},
        {true, true, true, true, lang::FontStyleNormal},
    };
    for (const auto& c : cases) {
        QFont chosen(QStringLiteral("Liberation Sans"), 12);
        chosen.setBold(c.bold);
        chosen.setItalic(c.italic);
        chosen.setUnderline(c.underline);
        chosen.setStrikeOut(c.strikeOut);
        TextFields fields;
        fields.lines = {QStringLiteral("x")};
        fields.font.set(chosen);
        const ElementRecord r = stored(fields);
        EXPECT_EQ(r.sensdegra.section(u',', 1, 1).remove(u'"'), french.text(c.line)) << c.line;
        const QFont drawn = fields.look(french).font;
        const bool named = c.line != lang::FontStyleNormal;
        EXPECT_EQ(drawn.bold(), named && c.bold) << c.line;
        EXPECT_EQ(drawn.underline(), named && c.underline) << c.line;
    }
}

// Height: every line's height plus the shadow's vertical offset, with the spacing between lines;
// width: the widest line plus the shadow's horizontal offset.
TEST_F(TextFieldsTest, MeasuredSizeCountsShadowAndSpacing) {
    TextFields fields;
    // A font and size whose lines are 16 pixels high.
    const auto sixteenHigh = [&] {
        for (const char* name : {"Liberation Sans", "Liberation Serif", "DejaVu Sans", "Carlito"}) {
            for (int points = 6; points <= 20; ++points) {
                fields.font.name = QLatin1String(name);
                fields.font.points = points;
                if (QFontMetrics(fields.look(french).font).height() == 16) {
                    return true;
                }
            }
        }
        return false;
    };
    ASSERT_TRUE(sixteenHigh());
    const QFontMetrics metrics(fields.look(french).font);
    fields.lines = {QStringLiteral("Un"), QStringLiteral("Deux mots"), QStringLiteral("Trois")};
    const int widest = metrics.horizontalAdvance(QStringLiteral("Deux mots"));
    const struct {
        QPoint shadow;
        int spacing;
        QSize size;
    } cases[] = {
        {{-3, 2}, 4, {widest + 3, 62}},
        {{3, -2}, 4, {widest + 3, 62}},
        {{0, 0}, 0, {widest, 48}},
        {{0, 0}, -2, {widest, 44}},
    };
    for (const auto& c : cases) {
        fields.shadow = c.shadow;
        fields.spacing = c.spacing;
        EXPECT_EQ(fields.measured(french), c.size);
        EXPECT_EQ(fields.rendering(french, Qt::black).size(), c.size);
    }
}

TEST_F(TextFieldsTest, TextsThatCannotBeStoredAreRefused) {
    using R = TextFields::Refusal;
    const struct {
        QStringList lines;
        R refusal;
    } cases[] = {
        {{}, R::Empty},
        {{""}, R::Empty},
        {{"", ""}, R::Empty},
        {{QString(249, u'é')}, R::None},
        {{QString(250, u'a')}, R::TooLong},
        // 248 characters with a blank: the quotes make 250.
        {{QString(124, u'a') + u' ' + QString(123, u'b')}, R::TooLong},
        {{QString(123, u'a') + u' ' + QString(123, u'b')}, R::None},
        {{QString(200, u'a'), QString(48, u'b')}, R::None},
        {{QString(200, u'a'), QString(47, u'b') + u','}, R::TooLong},
        {{"Ωmega"}, R::UnstorableCharacter},
    };
    for (const auto& c : cases) {
        TextFields fields;
        fields.lines = c.lines;
        EXPECT_EQ(fields.refusal(), c.refusal) << c.lines.join(u'|').left(20).toStdString();
    }
    TextFields greek;
    greek.lines = {QStringLiteral("ok"), QStringLiteral("αβ")};
    EXPECT_EQ(greek.unstorableCharacter(), QStringLiteral("α"));
}

}  // namespace
}  // namespace ztv::editor
