#include "player/elements/EffectNames.h"
#include "tests/player/TransitionFixture.h"

namespace ztv::test {
namespace {

using EffectNamesTest = TransitionTest;

TEST_F(EffectNamesTest, LinesNameTheirEffectsExactly) {
    const EffectNames& names = engine.names();
    const std::pair<int, int> expected[] = {{220, 1},  {125, 1},  {221, 2},  {224, 6},  {225, 5},
                                            {226, 25}, {228, 27}, {229, 7},  {232, 10}, {246, 24},
                                            {247, 28}, {256, 37}, {258, 39}, {262, 40}, {279, 57},
                                            {296, 58}, {298, 60}};
    for (const auto& [line, effect] : expected) {
        EXPECT_EQ(names.number(lang.text(line)), effect) << "line " << line;
    }
    EXPECT_EQ(names.number(lang.text(221).toUpper()), kEffectUnknown) << "case counts";
    EXPECT_EQ(names.number(lang.text(221) + " "), kEffectUnknown);
    EXPECT_EQ(names.number(lang.text(259)), kEffectUnknown) << "editor-only preview line";
    EXPECT_EQ(names.number(QString()), kEffectUnknown);
}

TEST_F(EffectNamesTest, EffectListCoversEveryEffectOnce) {
    const auto lines = EffectNames::listLines();
    ASSERT_EQ(lines.size(), 60u);
    EXPECT_EQ(lines[0], 220);
    EXPECT_EQ(lines[38], 258);
    EXPECT_EQ(lines[39], 262);
    EXPECT_EQ(lines[57], 296);
    std::vector<int> effects;
    for (int line : lines) {
        effects.push_back(EffectNames::numberOfLine(line));
    }
    std::sort(effects.begin(), effects.end());
    for (int i = 0; i < 60; ++i) {
        EXPECT_EQ(effects[i], i + 1);
    }
}

TEST_F(EffectNamesTest, MissingLanguageFileMatchesNoName) {
    LanguageFile missing;
    missing.load("/nonexistent/rlang.asc");
    const EffectNames names(missing);
    EXPECT_EQ(names.number(QString()), kEffectUnknown);
    EXPECT_EQ(names.number(lang.text(221)), kEffectUnknown);
}

TEST_F(EffectNamesTest, UnknownNameShowsLine40AtLookUpAndAtTheFirstStep) {
    TransitionState state = engine.start("Tourbillon", params(0, 10, 100), canvas, picture, at);
    EXPECT_EQ(state.effect, kEffectUnknown);
    ASSERT_EQ(prompter.texts(), QStringList{line(lang::UnknownEffect)});
    EXPECT_FALSE(state.finished);
    engine.step(state, canvas, picture, at);
    EXPECT_TRUE(state.finished);
    EXPECT_EQ(prompter.texts().size(), 2);
    EXPECT_EQ(canvas, makeCanvas(100, 80)) << "the element never appears";
}

TEST_F(EffectNamesTest, InversePairsGoBothWays) {
    const EffectNames& names = engine.names();
    const std::pair<int, int> pairs[] = {{221, 223}, {222, 224}, {225, 226}, {227, 228}, {229, 230},
                                         {231, 232}, {233, 234}, {235, 236}, {237, 238}, {239, 240},
                                         {241, 242}, {243, 244}, {245, 246}, {247, 248}, {249, 250},
                                         {263, 266}, {264, 265}, {267, 268}, {269, 270}, {271, 272},
                                         {274, 277}, {275, 276}, {278, 279}, {296, 297}};
    for (const auto& [a, b] : pairs) {
        EXPECT_EQ(names.inverse(line(a)), line(b)) << a;
        EXPECT_EQ(names.inverse(line(b)), line(a)) << b;
    }
    for (int same : {262, 273, 298}) {
        EXPECT_EQ(names.inverse(line(same)), line(same));
    }
    for (int other : {125, 251, 252, 258}) {
        EXPECT_EQ(names.inverse(line(other)), line(225)) << other;
    }
    EXPECT_EQ(names.inverse("Tourbillon"), line(225));
}

TEST_F(EffectNamesTest, InversionIsAskedOnceAndNeverForNoEffect) {
    bool effetInverse = true;
    QString effet = line(220);
    engine.applyInverse(effet, effetInverse);
    EXPECT_EQ(effet, line(220));
    EXPECT_TRUE(effetInverse) << "kept for the next element that has an effect";

    effet = line(221);
    engine.applyInverse(effet, effetInverse);
    EXPECT_EQ(effet, line(223));
    EXPECT_FALSE(effetInverse);
    engine.applyInverse(effet, effetInverse);
    EXPECT_EQ(effet, line(223));
}

TEST_F(EffectNamesTest, InvertedUpwardWipeRevealsFromTheTop) {
    QString effet = line(221);
    bool effetInverse = true;
    engine.applyInverse(effet, effetInverse);
    TransitionState state = engine.start(effet, params(0, 30, 100), canvas, picture, at);
    engine.step(state, canvas, picture, at);
    const QImage now = shown();
    EXPECT_EQ(now.copy(0, 0, 60, 12), picture.copy(0, 0, 60, 12));
    EXPECT_EQ(now.pixel(0, 12), kBackground);
    EXPECT_EQ(now.pixel(59, 39), kBackground);
}

}  // namespace
}  // namespace ztv::test
