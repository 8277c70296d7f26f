#include "player/transitions/EffectNames.h"
#include "tests/transitions/TransitionFixture.h"

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

// Where a uniform picture shows after `percent` of an effect over a black page: white where
// it is revealed.
QImage revealedAt(TransitionEngine& engine, const QString& effet, int percent) {
    QImage canvas(40, 40, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QImage white(40, 40, QImage::Format_RGB32);
    white.fill(Qt::white);
    TransitionState state =
        engine.start(effet, TransitionParams{0, percent, 100, 0}, canvas, white, QPoint(0, 0));
    engine.step(state, canvas, white, QPoint(0, 0));
    return canvas;
}

// A reversed effect runs the other way: a wipe up becomes a wipe down, an opening from one
// corner an opening from the opposite corner. Checked on what the two effects draw, so the
// test does not depend on how the pairs are stored.
TEST_F(EffectNamesTest, ReversedEffectsRunTheOtherWay) {
    const EffectNames& names = engine.names();
    struct Mirror {
        int line;
        bool horizontal;
        bool vertical;
    };
    const Mirror mirrors[] = {{221, false, true}, {222, true, false}, {223, false, true},
                              {224, true, false}, {229, true, true},  {231, true, true}};
    for (const Mirror& m : mirrors) {
        const QString reversed = names.inverse(line(m.line));
        ASSERT_NE(reversed, line(m.line)) << m.line;
        const QImage forward = revealedAt(engine, line(m.line), 30);
        const QImage backward = revealedAt(engine, reversed, 30);
        EXPECT_NE(forward, backward) << m.line;
        EXPECT_EQ(forward.mirrored(m.horizontal, m.vertical), backward) << m.line;
    }
}

// Reversing twice gives the effect back, except where a name has no partner: it reverses to
// the small-block dissolve. Rotation about the centre, the pulsed zoom and the flight from the
// bottom have no direction and stay themselves.
TEST_F(EffectNamesTest, ReversingTwiceGivesTheEffectBack) {
    const EffectNames& names = engine.names();
    int paired = 0;
    for (int n : EffectNames::listLines()) {
        const QString reversed = names.inverse(line(n));
        if (reversed == line(225) && n != 226) {
            continue;  // no partner
        }
        EXPECT_EQ(names.inverse(reversed), line(n)) << n;
        paired += reversed != line(n) ? 1 : 0;
    }
    EXPECT_EQ(paired, 48) << "24 pairs";
    for (int same : {262, 273, 298}) {
        EXPECT_EQ(names.inverse(line(same)), line(same)) << same;
    }
    EXPECT_EQ(names.inverse(line(221)), line(223));
    EXPECT_EQ(names.inverse(line(251)), line(225));
    EXPECT_EQ(names.inverse(line(125)), line(225));
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
