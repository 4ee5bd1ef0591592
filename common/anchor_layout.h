// Where a control of a resizable dialog goes when the client area changes
// size: each corner keeps its distance to an anchor point, a pair of
// percentages of the client width and height.
#ifndef TAMBLE_ANCHOR_LAYOUT_H
#define TAMBLE_ANCHOR_LAYOUT_H

namespace tb {

struct Anchor {
  int x; // percent of the client width
  int y; // percent of the client height
  bool operator==(const Anchor &) const = default;
};

inline constexpr Anchor kTopLeft{0, 0};
inline constexpr Anchor kTopCentre{50, 0};
inline constexpr Anchor kTopRight{100, 0};
inline constexpr Anchor kMiddleLeft{0, 50};
inline constexpr Anchor kMiddleCentre{50, 50};
inline constexpr Anchor kMiddleRight{100, 50};
inline constexpr Anchor kBottomLeft{0, 100};
inline constexpr Anchor kBottomCentre{50, 100};
inline constexpr Anchor kBottomRight{100, 100};
// As the second anchor: the first one holds both corners (the control
// moves and keeps its size).
inline constexpr Anchor kAnchorNone{-1, -1};

struct LayoutRect {
  int left, top, right, bottom;
  bool operator==(const LayoutRect &) const = default;
};

// Truncated, as the controls were always placed.
inline int percentOf(int size, int percent) { return size * percent / 100; }

// One control's anchors and its margins to them.
class AnchoredControl {
public:
  // Measured from the control's rectangle in a client area of the given size.
  AnchoredControl(const LayoutRect &rect, int width, int height, Anchor first, Anchor second)
      : first_(first), second_(second == kAnchorNone ? first : second),
        left_(rect.left - percentOf(width, first_.x)), top_(rect.top - percentOf(height, first_.y)),
        right_(rect.right - percentOf(width, second_.x)),
        bottom_(rect.bottom - percentOf(height, second_.y)) {}

  // The control's rectangle in a client area of the given size.
  LayoutRect place(int width, int height) const {
    return {percentOf(width, first_.x) + left_, percentOf(height, first_.y) + top_,
            percentOf(width, second_.x) + right_, percentOf(height, second_.y) + bottom_};
  }

  Anchor first() const { return first_; }
  Anchor second() const { return second_; }

private:
  Anchor first_, second_;
  int left_, top_, right_, bottom_;
};

} // namespace tb

#endif
