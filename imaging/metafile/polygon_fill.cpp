#include "imaging/metafile/polygon_fill.h"

#include <algorithm>
#include <cmath>

namespace lumigram {

namespace {

// Far beyond any picture, near enough that pixel arithmetic stays exact.
constexpr double kFar = 1e9;

struct TEdge {
  double Top = 0, Bottom = 0;  // Top < Bottom
  double X = 0;                // x at Top
  double Slope = 0;            // dx / dy
  int Direction = 0;           // +1 downwards, -1 upwards
};

double Bounded(double v) {
  return std::clamp(v, -kFar, kFar);
}

std::vector<TEdge> EdgesOf(std::span<const TContour> contours) {
  std::vector<TEdge> edges;
  for (const TContour& contour : contours) {
    const size_t n = contour.size();
    if (n < 2) continue;
    for (size_t i = 0; i < n; ++i) {
      TPointF a = contour[i], b = contour[(i + 1) % n];
      if (!std::isfinite(a.X) || !std::isfinite(a.Y) || !std::isfinite(b.X) || !std::isfinite(b.Y))
        continue;
      a = {Bounded(a.X), Bounded(a.Y)};
      b = {Bounded(b.X), Bounded(b.Y)};
      if (a.Y == b.Y) continue;
      TEdge edge;
      edge.Direction = b.Y > a.Y ? 1 : -1;
      if (edge.Direction < 0) std::swap(a, b);
      edge.Top = a.Y;
      edge.Bottom = b.Y;
      edge.X = a.X;
      edge.Slope = (b.X - a.X) / (b.Y - a.Y);
      edges.push_back(edge);
    }
  }
  std::sort(edges.begin(), edges.end(),
            [](const TEdge& a, const TEdge& b) { return a.Top < b.Top; });
  return edges;
}

// The first pixel whose centre lies at or right of x, held to [lo, hi].
int PixelFrom(double x, int lo, int hi) {
  return int(std::clamp(std::ceil(x - 0.5), double(lo), double(hi)));
}

// The first row whose centre lies at or below y, held to [lo, hi].
int RowFrom(double y, int lo, int hi) {
  return int(std::clamp(std::ceil(y - 0.5), double(lo), double(hi)));
}

}  // namespace

int64_t ScanPolygon(std::span<const TContour> contours, TFillRule rule, const TRect& clip,
                    const TSpanSink& sink, int64_t workLimit) {
  if (clip.IsEmpty()) return 0;
  const std::vector<TEdge> edges = EdgesOf(contours);
  if (edges.empty()) return 0;
  double bottom = edges.front().Bottom;
  for (const TEdge& e : edges) bottom = std::max(bottom, e.Bottom);
  const int lastRow = RowFrom(bottom, clip.Top, clip.Bottom);  // exclusive
  int64_t work = 0;
  size_t next = 0;  // the first edge not yet active
  std::vector<const TEdge*> active;
  std::vector<std::pair<double, int>> crossings;
  int y = RowFrom(edges.front().Top, clip.Top, clip.Bottom);
  while (y < lastRow) {
    const double centre = y + 0.5;
    while (next < edges.size() && edges[next].Top <= centre) active.push_back(&edges[next++]);
    std::erase_if(active, [&](const TEdge* e) { return e->Bottom <= centre; });
    if (active.empty()) {
      if (next >= edges.size()) break;
      // Nothing on this row: jump to the next edge's first row.
      y = std::max(y + 1, RowFrom(edges[next].Top, clip.Top, clip.Bottom));
      continue;
    }
    crossings.clear();
    for (const TEdge* e : active)
      crossings.push_back({e->X + (centre - e->Top) * e->Slope, e->Direction});
    std::sort(crossings.begin(), crossings.end());
    work += 1 + int64_t(crossings.size());
    int winding = 0;
    for (size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += rule == TFillRule::EvenOdd ? 1 : crossings[i].second;
      const bool inside = rule == TFillRule::EvenOdd ? (winding & 1) != 0 : winding != 0;
      if (!inside) continue;
      const int left = PixelFrom(crossings[i].first, clip.Left, clip.Right);
      const int right = PixelFrom(crossings[i + 1].first, clip.Left, clip.Right);
      if (left < right) {
        sink(y, left, right);
        work += right - left;
      }
    }
    if (work > workLimit) break;
    ++y;
  }
  return work;
}

void FillPolygon(TCanvas& canvas, std::span<const TContour> contours, TFillRule rule) {
  TBitmap& bitmap = canvas.Bitmap();
  const TColor colour = canvas.BrushColor();
  ScanPolygon(contours, rule, canvas.ClipRect(), [&](int y, int left, int right) {
    uint8_t* p = bitmap.ScanLine(y) + 3 * int64_t(left);
    for (int x = left; x < right; ++x, p += 3) PutColour(p, colour);
  });
}

}  // namespace lumigram
