#pragma once
// Pens on pixels: one-pixel lines stepped from pixel to pixel, and wide pens
// turned into outlines that a polygon fill paints.

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "imaging/metafile/polygon_fill.h"
#include "util/geometry.h"

namespace lumigram {

enum class TLineCap {
  Round,   // a half disc beyond the end point; also what a round joint needs
  Square,  // the line goes on half its width beyond the end point
  Flat,    // the line stops at the end point
};

// Visits the pixels of the line from a to b that lie inside clip, leaving out
// b itself as a pen's line does; step counts the pixels from a, for dash
// patterns. Only the steps inside the clip are visited, however long the
// line. Returns the number of steps visited.
int64_t StepLine(TPoint a, TPoint b, const TRect& clip,
                 const std::function<void(int x, int y, int64_t step)>& visit);

// The outline of a pen `width` wide along the open line through the points,
// with round joints: a quadrilateral along each segment and a disc at each
// inner point. All contours turn the same way, so the winding rule fills
// their union. Coincident points are skipped; a single point gives a disc
// when its cap is round.
std::vector<TContour> WideStroke(std::span<const TPointF> points, double width, TLineCap startCap,
                                 TLineCap endCap);

}  // namespace lumigram
