#include "tools/content/art.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "imaging/metafile/stroke.h"

namespace lumigram::content {

namespace {

constexpr double kPi = std::numbers::pi;

TPointF Rotate(double x, double y, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return {x * c - y * s, x * s + y * c};
}

}  // namespace

TColor Blend(TColor a, TColor b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  TColor out = 0;
  for (int c = 0; c < 3; ++c) {
    const double value = ChannelOf(a, c) * (1 - t) + ChannelOf(b, c) * t;
    out |= TColor(std::lround(value)) << (8 * c);
  }
  return out;
}

TContour EllipseContour(double cx, double cy, double rx, double ry, double angle, int steps) {
  TContour points;
  for (int i = 0; i < steps; ++i) {
    const double t = 2 * kPi * i / steps;
    const TPointF p = Rotate(rx * std::cos(t), ry * std::sin(t), angle);
    points.push_back({cx + p.X, cy + p.Y});
  }
  return points;
}

TContour StarContour(double cx, double cy, double outer, double inner, int points,
                     double rotation) {
  TContour contour;
  for (int i = 0; i < 2 * points; ++i) {
    const double r = i % 2 ? inner : outer;
    const double t = rotation - kPi / 2 + kPi * i / points;
    contour.push_back({cx + r * std::cos(t), cy + r * std::sin(t)});
  }
  return contour;
}

TContour HeartContour(double cx, double cy, double width, double angle) {
  // The classic heart curve is 34 units wide; its middle sits near y = 2.5.
  const double unit = width / 34.0;
  TContour contour;
  for (int i = 0; i < 120; ++i) {
    const double t = 2 * kPi * i / 120;
    const double x = 16 * std::pow(std::sin(t), 3);
    const double y = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
    const TPointF p = Rotate(x * unit, -(y - 2.5) * unit, angle);
    contour.push_back({cx + p.X, cy + p.Y});
  }
  return contour;
}

TArtboard::TArtboard(int width, int height, int scale, TColor background)
    : width_(width), height_(height), scale_(scale), canvas_(board_) {
  board_.SetSize(width * scale, height * scale, background);
}

void TArtboard::VerticalGradient(double y0, double y1, TColor top, TColor bottom) {
  const int from = std::max(0, int(std::lround(y0 * scale_)));
  const int to = std::min(board_.Height(), int(std::lround(y1 * scale_)));
  for (int y = from; y < to; ++y) {
    canvas_.SetBrushColor(Blend(top, bottom, double(y - from) / std::max(1, to - from - 1)));
    canvas_.FillRect({0, y, board_.Width(), y + 1});
  }
}

void TArtboard::RadialGlow(double cx, double cy, double radius, TColor centre, TColor edge) {
  // Rings from the outside in, each a little nearer the centre colour.
  const int steps = std::max(2, int(radius * scale_ / 2));
  for (int i = 0; i < steps; ++i) {
    const double t = double(i) / (steps - 1);
    Disc(cx, cy, radius * (1 - t) + 0.01, Blend(edge, centre, t));
  }
}

void TArtboard::Disc(double cx, double cy, double radius, TColor colour) {
  Ellipse(cx, cy, radius, radius, colour);
}

void TArtboard::Ellipse(double cx, double cy, double rx, double ry, TColor colour, double angle) {
  Polygon(EllipseContour(cx, cy, rx, ry, angle, 160), colour);
}

void TArtboard::Polygon(const TContour& points, TColor colour) {
  Polygons({points}, colour);
}

void TArtboard::Polygons(const std::vector<TContour>& contours, TColor colour) {
  std::vector<TContour> fine;
  for (const TContour& contour : contours) {
    TContour scaled;
    for (const TPointF& p : contour) scaled.push_back(Fine(p.X, p.Y));
    fine.push_back(std::move(scaled));
  }
  canvas_.SetBrushColor(colour);
  FillPolygon(canvas_, fine, TFillRule::Winding);
}

void TArtboard::Line(const std::vector<TPointF>& points, double width, TColor colour) {
  std::vector<TPointF> fine;
  for (const TPointF& p : points) fine.push_back(Fine(p.X, p.Y));
  canvas_.SetBrushColor(colour);
  FillPolygon(canvas_, WideStroke(fine, width * scale_, TLineCap::Round, TLineCap::Round),
              TFillRule::Winding);
}

void TArtboard::Ring(double cx, double cy, double radius, double width, TColor colour) {
  TContour outer = EllipseContour(cx, cy, radius + width / 2, radius + width / 2, 0, 160);
  TContour inner = EllipseContour(cx, cy, radius - width / 2, radius - width / 2, 0, 160);
  std::reverse(inner.begin(), inner.end());
  Polygons({outer, inner}, colour);
}

void TArtboard::Star(double cx, double cy, double outer, double inner, int points, double rotation,
                     TColor colour) {
  Polygon(StarContour(cx, cy, outer, inner, points, rotation), colour);
}

void TArtboard::Heart(double cx, double cy, double width, TColor colour, double angle) {
  Polygon(HeartContour(cx, cy, width, angle), colour);
}

TBitmap TArtboard::Shrink() const {
  TBitmap out;
  out.SetSize(width_, height_);
  TCanvas canvas(out);
  canvas.StretchDraw(BoundsOf(out), board_, TStretchMode::Smooth);
  return out;
}

void DrawArgb(TBitmap& bitmap, int x, int y, const TArgbPicture& picture) {
  for (int row = 0; row < picture.Height; ++row)
    for (int column = 0; column < picture.Width; ++column) {
      const uint32_t argb = picture.Pixels[size_t(row) * picture.Width + column];
      const TColor under = bitmap.GetPixel(x + column, y + row);
      if (under == TBitmap::kNoPixel) continue;
      const TColor colour = RGB(int(argb >> 16), int(argb >> 8), int(argb));
      bitmap.SetPixel(x + column, y + row, Blend(under, colour, (argb >> 24) / 255.0));
    }
}

}  // namespace lumigram::content
