#include "anchor_layout.h"

#include <gtest/gtest.h>

namespace {

using tb::AnchoredControl;
using tb::LayoutRect;

constexpr LayoutRect kControl{10, 20, 110, 60};

TEST(AnchorLayout, ControlsFollowTheirAnchorsWhenTheClientGrows) {
  // A client of 300 x 200 growing by 40 x 30.
  AnchoredControl stretched(kControl, 300, 200, tb::kTopLeft, tb::kBottomRight);
  EXPECT_EQ(stretched.place(340, 230), (LayoutRect{10, 20, 150, 90}));

  AnchoredControl corner(kControl, 300, 200, tb::kBottomRight, tb::kAnchorNone);
  EXPECT_EQ(corner.second(), tb::kBottomRight);
  EXPECT_EQ(corner.place(340, 230), (LayoutRect{50, 50, 150, 90}));

  AnchoredControl centred(kControl, 300, 200, tb::kMiddleCentre, tb::kAnchorNone);
  EXPECT_EQ(centred.place(340, 230), (LayoutRect{30, 35, 130, 75}));

  // Two anchors on one axis: the left edge keeps to the centre, the right
  // one to the right side; vertically the control only moves with the top.
  AnchoredControl half(kControl, 300, 200, tb::kTopCentre, tb::kTopRight);
  EXPECT_EQ(half.place(340, 230), (LayoutRect{30, 20, 150, 60}));
}

TEST(AnchorLayout, TheSizeAtRegistrationGivesBackTheSameRectangle) {
  for (tb::Anchor anchor : {tb::kTopLeft, tb::kMiddleCentre, tb::kBottomCentre, tb::kMiddleRight}) {
    AnchoredControl control(kControl, 301, 199, anchor, tb::kBottomRight);
    EXPECT_EQ(control.place(301, 199), kControl);
  }
}

TEST(AnchorLayout, PercentagesAreTruncatedForEachSizeOnItsOwn) {
  // Half of 99 is 49 and half of 100 is 50: one pixel more width moves a
  // centred control by one pixel, the next pixel by none.
  AnchoredControl centred(kControl, 99, 99, tb::kMiddleCentre, tb::kAnchorNone);
  EXPECT_EQ(centred.place(100, 99).left, kControl.left + 1);
  EXPECT_EQ(centred.place(101, 99).left, kControl.left + 1);
  EXPECT_EQ(centred.place(102, 99).left, kControl.left + 2);
  // A third of 10 is 3, of 20 is 6.
  AnchoredControl third(kControl, 10, 10, tb::Anchor{33, 33}, tb::kAnchorNone);
  EXPECT_EQ(third.place(20, 20), (LayoutRect{13, 23, 113, 63}));
}

TEST(AnchorLayout, AShrinkingClientMovesControlsBack) {
  AnchoredControl corner(kControl, 300, 200, tb::kBottomRight, tb::kAnchorNone);
  EXPECT_EQ(corner.place(260, 170), (LayoutRect{-30, -10, 70, 30}));
}

} // namespace
