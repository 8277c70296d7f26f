#include "common/formats/ColorText.h"
#include "common/formats/CommaText.h"

#include <gtest/gtest.h>

namespace ztv {
namespace {

TEST(CommaText, BlanksQuotesAndEmptyItemsSplitAsStored) {
    EXPECT_EQ(readCommaText(QStringLiteral("Arial,gras italique,12")),
              (QStringList{"Arial", "gras", "italique", "12"}));
    EXPECT_EQ(readCommaText(QStringLiteral("\"Times New Roman\",\"gras italique\",12")),
              (QStringList{"Times New Roman", "gras italique", "12"}));
    EXPECT_EQ(readCommaText(QStringLiteral("\"say \"\"hi\"\"\",b")),
              (QStringList{"say \"hi\"", "b"}));
    EXPECT_EQ(readCommaText(QStringLiteral("  a ,, b\t,c")), (QStringList{"a", "", "b", "c"}));
    EXPECT_EQ(readCommaText(QStringLiteral("a,")), (QStringList{"a"}));
    EXPECT_EQ(readCommaText(QStringLiteral("\"open")), (QStringList{"open"}));
    EXPECT_EQ(readCommaText(QStringLiteral("a") + QChar(0) + QStringLiteral("b,c")),
              (QStringList{"a"}));
    EXPECT_TRUE(readCommaText(QString()).isEmpty());
    EXPECT_EQ(readCommaText(QString(249, u'x')).size(), 1);
}

TEST(CommaText, WrittenListsReadBackAsTheSameItems) {
    const QStringList items{"Arial", "Times New Roman", "", "say \"hi\"", "a,b", "tab\there"};
    EXPECT_EQ(writeCommaText({"Arial", "gras italique"}),
              QStringLiteral("Arial,\"gras italique\""));
    EXPECT_EQ(readCommaText(writeCommaText(items)), items);
}

TEST(ColorText, NamesHexadecimalAndDecimalValuesAreColours) {
    EXPECT_EQ(colorFromText(QStringLiteral("clRed")), 0x0000FFu);
    EXPECT_EQ(colorFromText(QStringLiteral("$00FF0000")), 0xFF0000u);
    EXPECT_EQ(colorFromText(QStringLiteral("32768")), 0x008000u);
    EXPECT_EQ(colorFromText(QStringLiteral("-16777201")), std::uint32_t(-16777201));
    EXPECT_FALSE(colorFromText(QStringLiteral("red")));
    EXPECT_FALSE(colorFromText(QStringLiteral("99999999999")));
    EXPECT_FALSE(colorFromText(QString()));
}

}  // namespace
}  // namespace ztv
