#pragma once
// Points and rectangles in pixels. A rectangle's right and bottom edges lie
// just outside it: (0, 0, 2, 2) covers four pixels.

#include <algorithm>
#include <cstdint>

namespace lumigram {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  // 64 bits: Right - Left of any two ints fits.
  int64_t Width() const { return int64_t(Right) - Left; }
  int64_t Height() const { return int64_t(Bottom) - Top; }
  // True when it covers no pixel; inverted rectangles count as empty.
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// The common part of two rectangles; empty rectangles stay empty.
inline TRect Intersect(const TRect& a, const TRect& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
}

}  // namespace lumigram
