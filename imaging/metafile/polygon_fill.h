#pragma once
// Filling polygons of one or more contours, row by row. A pixel belongs to the
// polygon when its centre (x + 0.5, y + 0.5) does, by the even-odd or the
// winding rule, so the square (0, 0)-(10, 10) covers the pixels 0 to 9 in
// both directions. Contours close by themselves; coordinates may be anything,
// only rows and columns inside the clip are visited.

#include <cstdint>
#include <functional>
#include <limits>
#include <span>
#include <vector>

#include "imaging/bitmap/canvas.h"

namespace lumigram {

struct TPointF {
  double X = 0;
  double Y = 0;
  friend bool operator==(const TPointF&, const TPointF&) = default;
};

using TContour = std::vector<TPointF>;

enum class TFillRule {
  EvenOdd,  // inside where a ray crosses the outline an odd number of times
  Winding,  // inside where the outline winds around the point at all
};

// Receives the pixels [left, right) of row y.
using TSpanSink = std::function<void(int y, int left, int right)>;

// Reports the covered runs inside clip, top row first. Returns the work done
// (rows visited, edges crossed and pixels reported); stops once it passes
// workLimit, so a hostile outline cannot keep it busy for long.
int64_t ScanPolygon(std::span<const TContour> contours, TFillRule rule, const TRect& clip,
                    const TSpanSink& sink, int64_t workLimit = std::numeric_limits<int64_t>::max());

// Fills with the canvas's brush colour inside its clipping rectangle.
void FillPolygon(TCanvas& canvas, std::span<const TContour> contours, TFillRule rule);

}  // namespace lumigram
