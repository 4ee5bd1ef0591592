// Where the companion opens beside its editor, and the offset it keeps.
#include "companion_placement.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using tb::ScreenPoint;
using tb::WindowOffset;

TEST(CompanionPlacement, TheKeptOffsetReadsAsTwoIntegersOrNone) {
  EXPECT_EQ(tb::parseWindowOffset("-20:30"), (WindowOffset{-20, 30}));
  EXPECT_EQ(tb::parseWindowOffset(" 5: 6"), (WindowOffset{5, 6}));
  EXPECT_EQ(tb::parseWindowOffset("7:8junk"), (WindowOffset{7, 8}));
  for (const char *bad : {"", "12", "12:", "x:1", "1;2", ":3"})
    EXPECT_TRUE(tb::parseWindowOffset(bad).none()) << bad;
  EXPECT_EQ(tb::formatWindowOffset({-20, 30}), "-20:30");
  EXPECT_EQ(tb::parseWindowOffset(tb::formatWindowOffset({-7, 0})), (WindowOffset{-7, 0}));
}

TEST(CompanionPlacement, BesideTheEditorAndOnTheScreen) {
  // 20 pixels to the left of the editor and 30 down.
  EXPECT_EQ(tb::placeBesideEditor({300, 200}, {-20, 30}, 400, 250, 1280, 1024),
            (ScreenPoint{280, 230}));
  // Held on the screen at every edge.
  EXPECT_EQ(tb::placeBesideEditor({10, 10}, {-50, -50}, 400, 250, 1280, 1024), (ScreenPoint{0, 0}));
  EXPECT_EQ(tb::placeBesideEditor({1200, 1000}, {10, 10}, 400, 250, 1280, 1024),
            (ScreenPoint{880, 774}));
  // A window larger than the screen goes to 0.
  EXPECT_EQ(tb::placeBesideEditor({100, 100}, {5, 5}, 2000, 2000, 1280, 1024), (ScreenPoint{0, 0}));
  // No overflow from a far-away editor and offset.
  EXPECT_EQ(tb::placeBesideEditor({INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MIN}, 10, 10, 100, 100),
            (ScreenPoint{90, 0}));
}

} // namespace
