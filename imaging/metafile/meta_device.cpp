#include "imaging/metafile/meta_device.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumigram::meta {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// Segments of a wide line filled at a time, to keep the outline small.
constexpr size_t kStrokeChunk = 4096;

// The dashes of styled one-pixel pens, as lengths on and off.
std::span<const int> DashesOf(int style) {
  static constexpr int kDash[] = {18, 6};
  static constexpr int kDot[] = {3, 3};
  static constexpr int kDashDot[] = {9, 6, 3, 6};
  static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
  switch (style) {
    case 1:
      return kDash;
    case 2:
      return kDot;
    case 3:
      return kDashDot;
    case 4:
      return kDashDotDot;
    default:
      return {};
  }
}

// Whether step k of a dashed line is on.
bool DashOn(std::span<const int> dashes, int64_t k) {
  int period = 0;
  for (int d : dashes) period += d;
  int64_t at = k % period;
  for (size_t i = 0; i < dashes.size(); ++i) {
    if (at < dashes[i]) return i % 2 == 0;
    at -= dashes[i];
  }
  return true;
}

// Where the shape of a box is built: in device space (ToSpace maps the
// logical radial points there) or in logical space (ToSpace is the identity).
struct TSpace {
  TXform ToSpace;
  double ScaleX = 1, ScaleY = 1;
  bool Flipped = false;  // space and device turn opposite ways
};

}  // namespace

double TMetaDevice::PenWidth() {
  if (!(state_.Pen.Width > 0)) return 1;
  const double w = state_.Pen.Width * std::sqrt(std::abs(ToDevice().Determinant()));
  return std::isfinite(w) ? std::clamp(w, 1.0, 1e5) : 1.0;
}

TPaint TMetaDevice::PenPaint() const {
  TPaint paint;
  paint.Color = state_.Pen.Color;
  paint.Rop2 = state_.Rop2;
  return paint;
}

bool TMetaDevice::BrushPaint(TPaint& paint) const {
  const TMetaBrush& brush = state_.Brush;
  paint = TPaint{};
  paint.Color = brush.Color;
  paint.Rop2 = state_.Rop2;
  switch (brush.Style) {
    case kBrushSolid:
      return true;
    case kBrushHatched:
      paint.Kind = TPaintKind::Hatch;
      paint.Hatch = brush.Hatch;
      paint.OpaqueBack = state_.BkMode == kOpaque;
      paint.Back = state_.BkColor;
      return true;
    case kBrushPattern:
      paint.Kind = TPaintKind::Pattern;
      paint.Pattern = brush.Pattern;
      return true;
    default:
      return false;
  }
}

void TMetaDevice::FillFigures(const std::vector<TFigure>& figures, const TPaint& paint) {
  if (!target_) {
    for (const TFigure& f : figures)
      for (const TPointF& p : f.Points) Include(p, 0);
    return;
  }
  std::vector<TContour> contours;
  int64_t points = 0;
  for (const TFigure& f : figures) {
    contours.push_back(f.Points);
    points += int64_t(f.Points.size());
  }
  if (!Charge(points)) return;
  const TRect clip = ClipRect();
  const TFillRule rule = state_.PolyFillMode == 2 ? TFillRule::Winding : TFillRule::EvenOdd;
  Charge(ScanPolygon(
      contours, rule, clip,
      [&](int y, int left, int right) { PaintSpan(*target_, y, left, right, paint); },
      setup_.WorkLimit - spent_));
}

void TMetaDevice::StrokeFigures(const std::vector<TFigure>& figures) {
  if (state_.Pen.Style == kPenNull || OutOfWork()) return;
  const double width = PenWidth();
  if (!target_) {
    for (const TFigure& f : figures)
      for (const TPointF& p : f.Points) Include(p, width / 2);
    return;
  }
  const TRect clip = ClipRect();
  const TPaint paint = PenPaint();
  if (width < 1.5) {
    const std::span<const int> dashes = DashesOf(state_.Pen.Style);
    const bool gapsPainted = state_.BkMode == kOpaque;
    TPaint gap = paint;
    gap.Color = state_.BkColor;
    int64_t along = 0;  // dashes run on from segment to segment
    for (const TFigure& f : figures) {
      const size_t n = f.Points.size();
      const size_t segments = f.Closed && n > 2 ? n : n - (n > 0);
      for (size_t i = 0; i < segments; ++i) {
        const TPointF& pa = f.Points[i];
        const TPointF& pb = f.Points[(i + 1) % n];
        const TPoint a{PixelOf(pa.X), PixelOf(pa.Y)}, b{PixelOf(pb.X), PixelOf(pb.Y)};
        const int64_t visited = StepLine(a, b, clip, [&](int x, int y, int64_t k) {
          if (dashes.empty() || DashOn(dashes, along + k))
            PaintSpan(*target_, y, x, x + 1, paint);
          else if (gapsPainted)
            PaintSpan(*target_, y, x, x + 1, gap);
        });
        along += std::max(std::abs(int64_t(b.X) - a.X), std::abs(int64_t(b.Y) - a.Y));
        if (!Charge(visited + 1)) return;
      }
    }
    return;
  }
  for (const TFigure& f : figures) {
    // Centred on the pixels the points name.
    std::vector<TPointF> line;
    line.reserve(f.Points.size() + 1);
    for (const TPointF& p : f.Points) line.push_back({p.X + 0.5, p.Y + 0.5});
    if (f.Closed && line.size() > 2) line.push_back(line.front());
    const TLineCap cap = f.Closed ? TLineCap::Round : state_.Pen.Cap;
    for (size_t start = 0; start < line.size(); start += kStrokeChunk) {
      const size_t end = std::min(line.size(), start + kStrokeChunk + 1);
      const bool first = start == 0, last = end == line.size();
      const std::vector<TContour> outline =
          WideStroke(std::span(line).subspan(start, end - start), width,
                     first ? cap : TLineCap::Round, last ? cap : TLineCap::Flat);
      int64_t points = 0;
      for (const TContour& c : outline) points += int64_t(c.size());
      if (!Charge(points)) return;
      Charge(ScanPolygon(
          outline, TFillRule::Winding, clip,
          [&](int y, int left, int right) { PaintSpan(*target_, y, left, right, paint); },
          setup_.WorkLimit - spent_));
      if (last) break;
    }
  }
}

void TMetaDevice::AddToPath(std::vector<TFigure>& figures, bool continuing) {
  for (TFigure& f : figures) {
    if (f.Points.empty()) continue;
    if (continuing && !path_break_ && !path_.empty() && !path_.back().Closed &&
        !path_.back().Points.empty() && path_.back().Points.back() == f.Points.front()) {
      std::vector<TPointF>& points = path_.back().Points;
      if (points.size() + f.Points.size() <= kMaxPathPoints)
        points.insert(points.end(), f.Points.begin() + 1, f.Points.end());
    } else {
      path_.push_back(std::move(f));
    }
    path_break_ = false;
  }
}

void TMetaDevice::Render(TShape& shape) {
  if (OutOfWork()) return;
  if (path_open_) {
    AddToPath(shape.Fill.empty() ? shape.Stroke : shape.Fill, false);
    return;
  }
  TPaint brush;
  if (!shape.Fill.empty() && BrushPaint(brush)) FillFigures(shape.Fill, brush);
  StrokeFigures(shape.Stroke);
}

template <typename Build>
void TMetaDevice::BoxShape(const TBox& logical, bool filled, Build build) {
  if (OutOfWork()) return;
  const TXform& xf = ToDevice();
  TShape shape;
  if (xf.AxisAligned()) {
    // In device space, where the outline runs along the box's inner pixels
    // as Windows draws it: right and bottom one pixel in.
    const TSpace space{xf, std::abs(xf.M11), std::abs(xf.M22), false};
    const auto hold = [](TPointF p) {
      return TPointF{std::clamp(p.X, -kFar, kFar), std::clamp(p.Y, -kFar, kFar)};
    };
    const TBox box = NormalisedBox(hold(xf.Apply({logical.Left, logical.Top})),
                                   hold(xf.Apply({logical.Right, logical.Bottom})));
    TBox inner = box;
    inner.Right = std::max(inner.Left, inner.Right - 1);
    inner.Bottom = std::max(inner.Top, inner.Bottom - 1);
    const double width = PenWidth();
    if (state_.Pen.Style == kPenInsideFrame && width > 1) {
      const double inset = std::min(
          {(width - 1) / 2, (inner.Right - inner.Left) / 2, (inner.Bottom - inner.Top) / 2});
      inner = {inner.Left + inset, inner.Top + inset, inner.Right - inset, inner.Bottom - inset};
    }
    if (filled) {
      TFlatPath fill = NewPath(TXform{});
      build(fill, box, space);
      shape.Fill = std::move(fill.Figures());
    }
    TFlatPath stroke = NewPath(TXform{});
    build(stroke, inner, space);
    shape.Stroke = std::move(stroke.Figures());
  } else {
    const TSpace space{TXform{}, 1, 1, xf.Determinant() < 0};
    TFlatPath path = NewPath(xf);
    build(path, NormalisedBox({logical.Left, logical.Top}, {logical.Right, logical.Bottom}), space);
    shape.Stroke = path.Figures();
    if (filled) shape.Fill = std::move(path.Figures());
  }
  Render(shape);
}

void TMetaDevice::Rectangle(const TBox& box) {
  BoxShape(box, true, [](TFlatPath& path, const TBox& b, const TSpace&) { AddRectangle(path, b); });
}

void TMetaDevice::Ellipse(const TBox& box) {
  BoxShape(box, true, [](TFlatPath& path, const TBox& b, const TSpace&) { AddEllipse(path, b); });
}

void TMetaDevice::RoundRect(const TBox& box, double cornerWidth, double cornerHeight) {
  BoxShape(box, true, [&](TFlatPath& path, const TBox& b, const TSpace& space) {
    AddRoundRect(path, b, cornerWidth * space.ScaleX, cornerHeight * space.ScaleY);
  });
}

void TMetaDevice::ArcShape(TArcKind kind, const TBox& box, TPointF start, TPointF end) {
  const bool clockwise = state_.Clockwise;
  BoxShape(box, kind != TArcKind::Arc, [&](TFlatPath& path, const TBox& b, const TSpace& space) {
    const double from = AngleOf(b, space.ToSpace.Apply(start));
    const double to = AngleOf(b, space.ToSpace.Apply(end));
    // With y downwards, growing angles turn clockwise; equal ends make a
    // whole ellipse.
    double sweep = 0;
    if (clockwise != space.Flipped) {
      sweep = to - from;
      while (sweep <= 0) sweep += kTwoPi;
    } else {
      sweep = from - to;
      while (sweep <= 0) sweep += kTwoPi;
      sweep = -sweep;
    }
    if (kind == TArcKind::Pie) path.MoveTo({(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2});
    path.Arc(b, from, sweep);
    if (kind != TArcKind::Arc) path.Close();
  });
}

void TMetaDevice::Lines(std::span<const TPointF> points, bool continuing) {
  if (points.size() < 2 || OutOfWork()) return;
  TFlatPath path = NewPath(ToDevice());
  path.MoveTo(points[0]);
  for (size_t i = 1; i < points.size(); ++i) path.LineTo(points[i]);
  TShape shape;
  shape.Stroke = std::move(path.Figures());
  if (path_open_)
    AddToPath(shape.Stroke, continuing);
  else
    Render(shape);
}

void TMetaDevice::Curve(std::span<const TPointF> points, bool continuing) {
  if (points.size() < 4 || OutOfWork()) return;
  TFlatPath path = NewPath(ToDevice());
  path.MoveTo(points[0]);
  for (size_t i = 1; i + 2 < points.size(); i += 3)
    path.BezierTo(points[i], points[i + 1], points[i + 2]);
  TShape shape;
  shape.Stroke = std::move(path.Figures());
  if (path_open_)
    AddToPath(shape.Stroke, continuing);
  else
    Render(shape);
}

void TMetaDevice::MoveTo(TPointF p) {
  state_.Position = p;
  path_break_ = true;
}

void TMetaDevice::LineTo(TPointF p) {
  const TPointF line[] = {state_.Position, p};
  state_.Position = p;
  Lines(line, true);
}

void TMetaDevice::Polyline(std::span<const TPointF> points) {
  Lines(points, false);
}

void TMetaDevice::PolylineTo(std::span<const TPointF> points) {
  if (points.empty()) return;
  std::vector<TPointF> line;
  line.reserve(points.size() + 1);
  line.push_back(state_.Position);
  line.insert(line.end(), points.begin(), points.end());
  state_.Position = points.back();
  Lines(line, true);
}

void TMetaDevice::PolyBezier(std::span<const TPointF> points) {
  Curve(points, false);
}

void TMetaDevice::PolyBezierTo(std::span<const TPointF> points) {
  if (points.size() < 3) return;
  std::vector<TPointF> curve;
  curve.reserve(points.size() + 1);
  curve.push_back(state_.Position);
  curve.insert(curve.end(), points.begin(), points.end());
  state_.Position = points[points.size() - points.size() % 3 - 1];
  Curve(curve, true);
}

void TMetaDevice::Polygon(std::span<const TPointF> points) {
  const std::vector<TPointF> polygon(points.begin(), points.end());
  PolyPolygon(std::span(&polygon, 1));
}

void TMetaDevice::PolyPolygon(std::span<const std::vector<TPointF>> polygons) {
  if (OutOfWork()) return;
  TFlatPath path = NewPath(ToDevice());
  for (const std::vector<TPointF>& polygon : polygons) {
    if (polygon.size() < 2) continue;
    path.MoveTo(polygon[0]);
    for (size_t i = 1; i < polygon.size(); ++i) path.LineTo(polygon[i]);
    path.Close();
  }
  TShape shape;
  shape.Stroke = path.Figures();
  shape.Fill = std::move(path.Figures());
  Render(shape);
}

void TMetaDevice::PolyPolyline(std::span<const std::vector<TPointF>> lines) {
  for (const std::vector<TPointF>& line : lines) Lines(line, false);
}

void TMetaDevice::SetPixel(TPointF p, TColor colour) {
  if (path_open_ || OutOfWork()) return;
  const TPointF d = ToDevice().Apply(p);
  if (!target_) {
    Include(d, 0.5);
    return;
  }
  const int x = PixelOf(d.X), y = PixelOf(d.Y);
  if (ClipRect().Contains(x, y)) target_->SetPixel(x, y, colour);
  Charge(1);
}

}  // namespace lumigram::meta
