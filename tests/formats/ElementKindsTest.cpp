// The rows of the storyboard and the kinds they hold, as the record format lists them: 1 sound,
// 2 video, 3 background, 4 to 23 pictures, 24 character, 25 panorama, 26 to 29 animations,
// 30 to 49 texts, 50 to 59 click zones, 60 keyword list, 61 long text.
#include "common/formats/ElementKinds.h"

#include <gtest/gtest.h>
#include <map>

namespace ztv {
namespace {

using K = ElementKind;

TEST(ElementKinds, EveryRowHoldsTheKindTheFormatGivesIt) {
    const std::map<K, int> rowsOfKind = {{K::Sound, 1},       {K::Video, 1},     {K::Background, 1},
                                         {K::Picture, 20},    {K::Character, 1}, {K::Panorama, 1},
                                         {K::Animation, 4},   {K::Text, 20},     {K::ClickZone, 10},
                                         {K::KeywordList, 1}, {K::LongText, 1}};
    std::map<K, int> counted;
    for (int row = 1; row <= 61; ++row) {
        ++counted[kindOfRow(row)];
    }
    EXPECT_EQ(counted, rowsOfKind);
    const std::pair<int, K> edges[] = {{1, K::Sound},      {2, K::Video},        {3, K::Background},
                                       {4, K::Picture},    {23, K::Picture},     {24, K::Character},
                                       {25, K::Panorama},  {26, K::Animation},   {29, K::Animation},
                                       {30, K::Text},      {49, K::Text},        {50, K::ClickZone},
                                       {59, K::ClickZone}, {60, K::KeywordList}, {61, K::LongText}};
    for (const auto& [row, kind] : edges) {
        EXPECT_EQ(kindOfRow(row), kind) << "row " << row;
    }
    for (int outside : {-1, 0, 62, 1000}) {
        EXPECT_EQ(kindOfRow(outside), K::None) << outside;
        EXPECT_FALSE(factsOfRow(outside).visual);
    }
}

// The page play steps and clears rows 3 to 49; hover looks change on pictures (3 to 23) and
// texts (30 to 49); sounds, videos and click zones never draw.
TEST(ElementKinds, FactsFollowWhatThePlayerDoesWithEachRow) {
    for (int row = 1; row <= 61; ++row) {
        const KindFacts& facts = factsOfRow(row);
        EXPECT_EQ(facts.visual, row >= 3 && row <= 49) << row;
        EXPECT_EQ(facts.hoverLook, (row >= 3 && row <= 23) || (row >= 30 && row <= 49)) << row;
        EXPECT_EQ(facts.fileInFichier, row < 30 || row == 61) << row;
        EXPECT_EQ(isPictureKind(kindOfRow(row)), row >= 3 && row <= 29) << row;
        EXPECT_EQ(facts.disappearanceAtRect, row == 2 || (row >= 24 && row <= 49)) << row;
    }
    EXPECT_TRUE(factsOf(K::Picture).transition);
    EXPECT_TRUE(factsOf(K::Text).transition);
    EXPECT_TRUE(factsOf(K::Panorama).transition);
    EXPECT_FALSE(factsOf(K::Character).transition);
    EXPECT_FALSE(factsOf(K::ClickZone).transition);
    EXPECT_EQ(firstRowOf(K::KeywordList), 60);
    EXPECT_EQ(firstRowOf(K::Background), 3);
}

}  // namespace
}  // namespace ztv
