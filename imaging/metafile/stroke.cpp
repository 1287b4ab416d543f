#include "imaging/metafile/stroke.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace lumigram {

namespace {

// Exact products of two 33-bit line lengths.
__extension__ typedef __int128 TWide;

double SignedArea(const TContour& contour) {
  double area = 0;
  for (size_t i = 0; i < contour.size(); ++i) {
    const TPointF& a = contour[i];
    const TPointF& b = contour[(i + 1) % contour.size()];
    area += a.X * b.Y - b.X * a.Y;
  }
  return area;
}

// Every contour turns the same way, so overlaps add up instead of cancelling.
void AddTurningRight(std::vector<TContour>& contours, TContour contour) {
  if (SignedArea(contour) < 0) std::reverse(contour.begin(), contour.end());
  contours.push_back(std::move(contour));
}

void AddDisc(std::vector<TContour>& contours, TPointF centre, double radius) {
  const int segments = std::clamp(int(std::ceil(radius * 2)), 8, 64);
  TContour disc;
  disc.reserve(size_t(segments));
  for (int i = 0; i < segments; ++i) {
    const double angle = 2 * std::numbers::pi * i / segments;
    disc.push_back({centre.X + radius * std::cos(angle), centre.Y + radius * std::sin(angle)});
  }
  AddTurningRight(contours, std::move(disc));
}

// Whether the line bends at b enough for the gap between the two segments'
// quadrilaterals to show; flattened curves bend a little at every point.
bool Turns(TPointF a, TPointF b, TPointF c, double half) {
  const double x1 = b.X - a.X, y1 = b.Y - a.Y, x2 = c.X - b.X, y2 = c.Y - b.Y;
  const double angle = std::abs(std::atan2(x1 * y2 - y1 * x2, x1 * x2 + y1 * y2));
  return !(half * angle < 0.25);
}

}  // namespace

int64_t StepLine(TPoint a, TPoint b, const TRect& clip,
                 const std::function<void(int x, int y, int64_t step)>& visit) {
  if (clip.IsEmpty()) return 0;
  const int64_t dx = int64_t(b.X) - a.X;
  const int64_t dy = int64_t(b.Y) - a.Y;
  if (dx == 0 && dy == 0) return 0;
  // Step along the longer axis; the other follows, rounded to the nearest
  // pixel. Only steps landing inside the clip on the long axis are visited.
  const bool steep = std::abs(dy) > std::abs(dx);
  const int64_t a0 = steep ? a.Y : a.X;
  const int64_t b0 = steep ? a.X : a.Y;
  const int64_t da = steep ? dy : dx;
  const int64_t db = steep ? dx : dy;
  const int64_t lo = steep ? clip.Top : clip.Left;
  const int64_t hi = steep ? clip.Bottom : clip.Right;
  const int64_t length = std::abs(da);
  const int64_t direction = da > 0 ? 1 : -1;
  int64_t k0 = direction > 0 ? lo - a0 : a0 - (hi - 1);
  int64_t k1 = direction > 0 ? hi - 1 - a0 : a0 - lo;
  k0 = std::max<int64_t>(k0, 0);
  k1 = std::min<int64_t>(k1, length - 1);
  int64_t visited = 0;
  for (int64_t k = k0; k <= k1; ++k) {
    const TWide num = TWide(2) * k * db + length;
    TWide q = num / (2 * length);
    if (num % (2 * length) != 0 && num < 0) --q;
    const int64_t along = a0 + direction * k;
    const int64_t across = b0 + int64_t(q);
    const int64_t x = steep ? across : along;
    const int64_t y = steep ? along : across;
    ++visited;
    if (x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom)
      visit(int(x), int(y), k);
  }
  return visited;
}

std::vector<TContour> WideStroke(std::span<const TPointF> points, double width, TLineCap startCap,
                                 TLineCap endCap) {
  std::vector<TContour> contours;
  if (!(width > 0) || points.empty()) return contours;
  const double half = width / 2;
  // The points without repeats.
  std::vector<TPointF> line;
  line.reserve(points.size());
  for (const TPointF& p : points)
    if (line.empty() || !(p == line.back())) line.push_back(p);
  if (line.size() == 1) {
    if (startCap == TLineCap::Round || endCap == TLineCap::Round) AddDisc(contours, line[0], half);
    return contours;
  }
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    TPointF a = line[i], b = line[i + 1];
    const double dx = b.X - a.X, dy = b.Y - a.Y;
    const double length = std::hypot(dx, dy);
    if (!(length > 0) || !std::isfinite(length)) continue;
    const double ux = dx / length * half, uy = dy / length * half;
    if (i == 0 && startCap == TLineCap::Square) a = {a.X - ux, a.Y - uy};
    if (i + 2 == line.size() && endCap == TLineCap::Square) b = {b.X + ux, b.Y + uy};
    // The normal, half the width long.
    const double nx = -uy, ny = ux;
    AddTurningRight(
        contours,
        {{a.X + nx, a.Y + ny}, {b.X + nx, b.Y + ny}, {b.X - nx, b.Y - ny}, {a.X - nx, a.Y - ny}});
  }
  for (size_t i = 0; i < line.size(); ++i) {
    const bool first = i == 0, last = i + 1 == line.size();
    if ((first && startCap != TLineCap::Round) || (last && endCap != TLineCap::Round)) continue;
    if (!first && !last && !Turns(line[i - 1], line[i], line[i + 1], half)) continue;
    AddDisc(contours, line[i], half);
  }
  return contours;
}

}  // namespace lumigram
