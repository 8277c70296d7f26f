// The handles' places and sizes, and the rectangles they leave when dropped.
#include "editor/position/HandleGeometry.h"

#include "common/platform/SafetyLimits.h"

#include <gtest/gtest.h>

namespace ztv::test {
namespace {

using editor::Handle;
using editor::resizedRect;

TEST(HandleGeometry, CornersKeepTheRatioSidesChangeOneSize) {
    const QRect element(100, 50, 200, 100);
    EXPECT_EQ(resizedRect(Handle::PDB, element, {249, 180}), QRect(100, 50, 153, 76));
    EXPECT_EQ(resizedRect(Handle::PCB, element, {249, 180}), QRect(100, 50, 200, 180 - 50 + 4));
    // Dragged 20 to the left from its place (L - 4): 20 wider, moved 20 left.
    EXPECT_EQ(resizedRect(Handle::PGH, element, {76, 26}), QRect(80, 30, 220, 110));
    EXPECT_EQ(resizedRect(Handle::PCG, element, {76, 0}), QRect(80, 50, 220, 100));
    EXPECT_EQ(resizedRect(Handle::PCH, element, {0, 36}), QRect(100, 40, 200, 110));
    EXPECT_EQ(resizedRect(Handle::PDH, element, {296, 10}), QRect(100, 14, 200, 100));
}

TEST(HandleGeometry, NoSizeEverFallsToZeroOrBelow) {
    const QRect element(100, 50, 200, 100);
    // Past the opposite edge: a size of 1.
    EXPECT_EQ(resizedRect(Handle::PCD, element, {20, 0}).width(), 1);
    EXPECT_EQ(resizedRect(Handle::PCG, element, {400, 0}).width(), 1);
    EXPECT_EQ(resizedRect(Handle::PCB, element, {0, -300}).height(), 1);
    EXPECT_EQ(resizedRect(Handle::PCH, element, {0, 400}).height(), 1);
    const QRect corner = resizedRect(Handle::PDB, element, {-500, -500});
    EXPECT_EQ(corner.width(), 1);
    EXPECT_GE(corner.height(), 1);
    // An element without width keeps its height at a corner.
    EXPECT_EQ(resizedRect(Handle::PDB, QRect(10, 10, 0, 80), {60, 0}), QRect(10, 10, 54, 80));
}

TEST(HandleGeometry, SmallElementsGetSmallHandlesJustOutside) {
    const QRect narrow(100, 50, 20, 60);
    EXPECT_EQ(editor::handleSize(narrow).size, 4);
    EXPECT_EQ(editor::handlePosition(Handle::PGH, narrow), QPoint(98, 48));
    EXPECT_EQ(editor::handlePosition(Handle::PDB, narrow), QPoint(118, 108));
    EXPECT_EQ(editor::handlePosition(Handle::PCD, narrow), QPoint(118, 78));
    const QRect wide(100, 50, 200, 100);
    EXPECT_EQ(editor::handleSize(wide).size, 8);
    EXPECT_EQ(editor::handlePosition(Handle::PCH, wide), QPoint(196, 46));
    EXPECT_EQ(editor::handlePosition(Handle::PGB, wide), QPoint(96, 146));
}

TEST(HandleGeometry, StoredRectanglesAreOnesThePlayerDraws) {
    const QRect absurd = editor::playableRect(QRect(-40, -30, 100000, -5));
    EXPECT_EQ(absurd.topLeft(), QPoint(-40, -30));
    EXPECT_TRUE(limits::pictureSizeAllowed(absurd.width(), absurd.height()));
    const QRect huge = editor::playableRect(QRect(0, 0, 16384, 16384));
    EXPECT_TRUE(limits::pictureSizeAllowed(huge.width(), huge.height()));
}

}  // namespace
}  // namespace ztv::test
