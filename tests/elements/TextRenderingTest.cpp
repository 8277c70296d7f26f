// The text element's rendering, checked by the extents of the pixels it covers.
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/Fonts.h"
#include "player/elements/TextLook.h"
#include "player/elements/TextRendering.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

namespace ztv {
namespace {

class TextRendering : public ::testing::Test {
  protected:
    TextRendering() { french.load(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"); }

    TextLook look(const QString& align, int spacing = 0, int dx = 0, int dy = 0) const {
        const QString layout =
            QStringLiteral("%1,%2,%3,%4").arg(align).arg(spacing).arg(dx).arg(dy);
        return readTextLook(QStringLiteral("\"Liberation Sans\",gras,20"), layout, french);
    }
    // The box of the pixels where `wanted` holds.
    template <class F>
    static QRect extent(const QImage& img, F wanted) {
        QRect box;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                if (wanted(img.pixel(x, y))) {
                    box |= QRect(x, y, 1, 1);
                }
            }
        }
        return box;
    }
    static QRect covered(const QImage& img) {
        return extent(img, [](QRgb p) { return qAlpha(p) > 0; });
    }

    LanguageFile french;
    const QSize size{200, 80};
};

TEST_F(TextRendering, LinesLieAtTheSideTheirAlignmentNames) {
    const QStringList lines{QStringLiteral("HH")};
    const QRect left =
        covered(renderText(lines, look(french.text(lang::AlignLeft)), size, Qt::red, Qt::black));
    const QRect right =
        covered(renderText(lines, look(french.text(lang::AlignRight)), size, Qt::red, Qt::black));
    const QRect centre =
        covered(renderText(lines, look(QStringLiteral("autre")), size, Qt::red, Qt::black));
    ASSERT_FALSE(left.isEmpty());
    EXPECT_LE(left.left(), 4);
    EXPECT_GT(left.right(), 20);
    EXPECT_GE(right.right(), size.width() - 5);
    EXPECT_EQ(right.width(), left.width());
    EXPECT_LE(std::abs(centre.left() - (size.width() - 1 - centre.right())), 3);
    EXPECT_LT(left.top(), 10) << "the first line starts at the top";
}

TEST_F(TextRendering, TheShadowLiesAtItsOffsetAndTheTextOverIt) {
    const QStringList lines{QStringLiteral("HH")};
    const QString leftName = french.text(lang::AlignLeft);
    const auto red = [](QRgb p) { return qRed(p) > 200; };
    const auto blue = [](QRgb p) { return qBlue(p) > 200; };
    const QRect plain = extent(renderText(lines, look(leftName), size, Qt::red, Qt::black), red);
    const QImage both = renderText(lines, look(leftName, 0, -2, 3), size, Qt::red, Qt::blue);
    const QRect text = extent(both, red);
    const QRect shadow = extent(both, blue);
    EXPECT_EQ(text.topLeft(), plain.topLeft() + QPoint(2, 0));
    EXPECT_EQ(shadow.left(), plain.left());
    EXPECT_EQ(shadow.bottom(), plain.bottom() + 3);
}

TEST_F(TextRendering, LinesFollowEachOtherByTheirHeightAndTheSpacing) {
    const TextLook spaced = look(french.text(lang::AlignLeft), 4);
    const QSize tall(200, 300);
    const QRect one = covered(renderText({"H"}, spaced, tall, Qt::red, Qt::black));
    const QRect three = covered(renderText({"H", "H", "H"}, spaced, tall, Qt::red, Qt::black));
    EXPECT_EQ(three.bottom() - one.bottom(), 2 * (QFontMetrics(spaced.font).height() + 4));
}

TEST_F(TextRendering, OddFontAndLayoutListsGiveSoundValues) {
    EXPECT_EQ(readTextLook("Arial,normal,0", "", french).font.pixelSize(), 1);
    EXPECT_EQ(readTextLook("Arial,normal,-7", "", french).font.pixelSize(), 1);
    EXPECT_EQ(readTextLook("Arial,normal,99999", "", french).font.pixelSize(), 1333);
    EXPECT_EQ(readTextLook("Arial,normal,12", "", french).font.pixelSize(), 16);
    const TextLook odd = readTextLook("Nowhere,\"no such style\"", "x,y,-5,99999999999", french);
    EXPECT_EQ(odd.font.pixelSize(), 13) << "10 points when the size is missing";
    EXPECT_FALSE(odd.font.bold());
    EXPECT_EQ(odd.align, TextAlign::Centre);
    EXPECT_EQ(odd.spacing, 0);
    EXPECT_EQ(odd.shadow, QPoint(-5, 20000));
    const TextLook styled = readTextLook("Arial,\"gras souligné\",12", "", french);
    EXPECT_TRUE(styled.font.bold() && styled.font.underline() && !styled.font.italic());
    // A long line in a missing font draws without trouble.
    const QImage drawn = renderText({QString(249, u'W')}, odd, {50, 20}, Qt::red, Qt::black);
    EXPECT_EQ(drawn.size(), QSize(50, 20));
}

TEST_F(TextRendering, KeyingOutLeavesCoveredPixelsVisibleEvenWhenTheyAreBlue) {
    QImage rendering(2, 1, QImage::Format_ARGB32_Premultiplied);
    rendering.setPixel(0, 0, 0);
    rendering.setPixel(1, 0, 0xFF0000FF);
    QImage composed(2, 1, QImage::Format_RGB32);
    composed.fill(kTextKey);
    keyOutUncovered(composed, rendering);
    EXPECT_EQ(composed.pixel(0, 0), kTextKey);
    EXPECT_NE(composed.pixel(1, 0), kTextKey);
}

// Windows names resolve to families of the same metrics, or the closest installed ones.
TEST_F(TextRendering, TheMeasuredSizeCountsTheShadowOnEveryLineAndTheSpacingBetween) {
    const TextLook shadowed = look(QStringLiteral("gauche"), 4, -3, 2);
    const QFontMetrics metrics(shadowed.font);
    const QStringList lines{QStringLiteral("Un"), QStringLiteral("Deux mots"),
                            QStringLiteral("Trois")};
    const QSize size = measureText(lines, shadowed);
    EXPECT_EQ(size.height(), 3 * (metrics.height() + 2) + 2 * 4);
    EXPECT_EQ(size.width(), metrics.horizontalAdvance(lines[1]) + 3);
    // What is measured is what the rendering needs: nothing of the text falls off it.
    const QImage drawn = renderText(lines, shadowed, size, Qt::black, Qt::red);
    const QRect inside = covered(drawn);
    EXPECT_GE(inside.top(), 0);
    EXPECT_LT(inside.bottom(), size.height());
    EXPECT_EQ(measureText({}, shadowed), QSize(0, 0));
}

TEST_F(TextRendering, StylesRoundTripThroughTheirLinesAndThreeAttributesHaveNone) {
    for (int line = lang::FontStyleNormal; line <= lang::FontStyleUnderlineStrikeOut; ++line) {
        QFont font;
        applyStyleNamed(font, french.text(line), french);
        EXPECT_EQ(styleLineOf(font), line);
    }
    QFont three;
    three.setBold(true);
    three.setItalic(true);
    three.setUnderline(true);
    EXPECT_EQ(styleLineOf(three), lang::FontStyleNormal);
    applyStyleNamed(three, QStringLiteral("souligné gras"), french);
    EXPECT_FALSE(three.bold() || three.italic() || three.underline() || three.strikeOut());
}

TEST(PageFonts, WindowsNamesResolveToInstalledFamiliesAtNinetySixDotsPerInch) {
    const auto family = [](const char* name) { return QFontInfo(QFont(name)).family(); };
    EXPECT_EQ(family("Arial"), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(family("Times New Roman"), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(family("Courier New"), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(family("Calibri"), QStringLiteral("Carlito"));
    EXPECT_EQ(family("Cambria"), QStringLiteral("Caladea"));
    EXPECT_EQ(family("Verdana"), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(family("Comic Sans MS"), QStringLiteral("Comic Neue"));
    EXPECT_EQ(pointsToPixels(12), 16);
    EXPECT_EQ(pointsToPixels(10), 13);
    EXPECT_EQ(pointsToPixels(0), 1);
}

}  // namespace
}  // namespace ztv
