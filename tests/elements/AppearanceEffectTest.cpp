// The effect an appearance runs when the page asks for the next one reversed: reversed once, the
// no-effect name leaves the request for the next appearance, and without a reversal role (the
// editor's previews) nothing is reversed.
#include "player/elements/Appearance.h"
#include "player/elements/EffectReversal.h"
#include "tests/transitions/TransitionFixture.h"

namespace ztv::test {
namespace {

class Reversal final : public EffectReversal {
  public:
    bool nextEffectReversed() const override { return asked; }
    void clearEffectReversal() override { asked = false; }
    bool asked = false;
};

using AppearanceEffect = TransitionTest;

TEST_F(AppearanceEffect, TheReversalIsUsedByTheFirstAppearanceThatHasAnEffect) {
    struct Case {
        bool asked;
        int effectLine;
        int runsLine;
        bool stillAsked;
    };
    const Case cases[] = {{false, 221, 221, false},
                          {true, 221, 223, false},
                          {true, 220, 220, true},
                          {true, 262, 262, false}};
    for (const Case& c : cases) {
        Reversal reversal;
        reversal.asked = c.asked;
        EXPECT_EQ(appearanceEffect(engine, &reversal, line(c.effectLine)), line(c.runsLine))
            << c.effectLine;
        EXPECT_EQ(reversal.asked, c.stillAsked) << c.effectLine;
    }
    EXPECT_EQ(appearanceEffect(engine, nullptr, line(221)), line(221));
}

}  // namespace
}  // namespace ztv::test
