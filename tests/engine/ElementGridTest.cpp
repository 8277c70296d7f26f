// The grid that owns the page's elements: an element asks to go and the grid frees it once the
// element's own call has returned, even when the call clears the whole page.
#include "player/engine/ElementGrid.h"

#include <gtest/gtest.h>
#include <functional>

namespace ztv {
namespace {

class Probe : public Element {
  public:
    Probe(int& alive, std::function<void()> onStep = {}) : alive_(alive), onStep_(onStep) {
        ++alive_;
    }
    ~Probe() override { --alive_; }
    void step() override {
        if (onStep_) {
            onStep_();
        }
        stepped = true;  // after onStep: the element must still be there
    }
    void askToGo() { requestFree(); }

    bool stepped = false;

  private:
    int& alive_;
    std::function<void()> onStep_;
};

TEST(ElementGrid, AnElementThatAsksToGoIsFreedAfterItsCall) {
    int alive = 0;
    ElementGrid grid;
    grid.put(4, 1, std::make_unique<Probe>(alive));
    grid.with(4, 1, [](Element& el) { el.step(); });
    EXPECT_TRUE(grid.present(4, 1));
    grid.with(4, 1, [](Element& el) { static_cast<Probe&>(el).askToGo(); });
    EXPECT_FALSE(grid.present(4, 1));
    EXPECT_EQ(alive, 0);
}

TEST(ElementGrid, ClearingThePageDuringACallWaitsForTheCallToReturn) {
    int alive = 0;
    ElementGrid grid;
    bool aliveDuringCall = false;
    grid.put(4, 1, std::make_unique<Probe>(alive, [&] {
                 grid.freeAll();
                 aliveDuringCall = alive == 2;
             }));
    grid.put(30, 2, std::make_unique<Probe>(alive));
    grid.with(4, 1, [](Element& el) { el.step(); });
    EXPECT_TRUE(aliveDuringCall) << "freed, but not destroyed while the call runs";
    EXPECT_FALSE(grid.present(4, 1));
    EXPECT_FALSE(grid.present(30, 2));
    EXPECT_EQ(alive, 0);
}

TEST(ElementGrid, CellsOutsideTheGridHoldNothing) {
    int alive = 0;
    ElementGrid grid;
    grid.put(62, 1, std::make_unique<Probe>(alive));
    grid.put(4, 21, std::make_unique<Probe>(alive));
    grid.put(0, 0, std::make_unique<Probe>(alive));
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(grid.at(62, 1), nullptr);
    grid.with(-1, 5, [](Element&) { FAIL(); });
}

}  // namespace
}  // namespace ztv
