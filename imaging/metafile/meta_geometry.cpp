#include "imaging/metafile/meta_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumigram::meta {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kMaxCurveSteps = 256;

double Distance(TPointF a, TPointF b) {
  return std::hypot(b.X - a.X, b.Y - a.Y);
}

TPointF OnEllipse(const TBox& box, double angle) {
  const double cx = (box.Left + box.Right) / 2, cy = (box.Top + box.Bottom) / 2;
  const double rx = (box.Right - box.Left) / 2, ry = (box.Bottom - box.Top) / 2;
  return {cx + rx * std::cos(angle), cy + ry * std::sin(angle)};
}

}  // namespace

bool TXform::Finite() const {
  return std::isfinite(M11) && std::isfinite(M12) && std::isfinite(M21) && std::isfinite(M22) &&
         std::isfinite(Dx) && std::isfinite(Dy);
}

double TXform::ScaleX() const {
  return std::hypot(M11, M12);
}

double TXform::ScaleY() const {
  return std::hypot(M21, M22);
}

TXform Compose(const TXform& a, const TXform& b) {
  TXform c;
  c.M11 = a.M11 * b.M11 + a.M12 * b.M21;
  c.M12 = a.M11 * b.M12 + a.M12 * b.M22;
  c.M21 = a.M21 * b.M11 + a.M22 * b.M21;
  c.M22 = a.M21 * b.M12 + a.M22 * b.M22;
  c.Dx = a.Dx * b.M11 + a.Dy * b.M21 + b.Dx;
  c.Dy = a.Dx * b.M12 + a.Dy * b.M22 + b.Dy;
  return c;
}

TPointF TFlatPath::Device(TPointF p) const {
  const TPointF d = xf_.Apply(p);
  const auto hold = [](double v) { return std::isfinite(v) ? std::clamp(v, -kFar, kFar) : 0.0; };
  return {hold(d.X), hold(d.Y)};
}

void TFlatPath::Add(TPointF device) {
  current_ = device;
  if (count_ >= max_points_) return;
  ++count_;
  figures_.back().Points.push_back(device);
}

void TFlatPath::MoveTo(TPointF p) {
  if (open_ && figures_.back().Points.size() == 1) {
    figures_.back().Points.clear();
    --count_;
  } else {
    figures_.emplace_back();
  }
  open_ = true;
  Add(Device(p));
}

void TFlatPath::Open() {
  if (open_) return;
  figures_.emplace_back();
  open_ = true;
  Add(current_);
}

void TFlatPath::LineTo(TPointF p) {
  Open();
  Add(Device(p));
}

void TFlatPath::BezierTo(TPointF c1, TPointF c2, TPointF end) {
  Open();
  const TPointF p0 = current_, p1 = Device(c1), p2 = Device(c2), p3 = Device(end);
  const double length = Distance(p0, p1) + Distance(p1, p2) + Distance(p2, p3);
  const int steps = std::clamp(int(std::ceil(std::sqrt(length))), 1, kMaxCurveSteps);
  for (int i = 1; i <= steps; ++i) {
    const double t = double(i) / steps, u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    Add({a * p0.X + b * p1.X + c * p2.X + d * p3.X, a * p0.Y + b * p1.Y + c * p2.Y + d * p3.Y});
  }
}

void TFlatPath::Close() {
  if (!open_) return;
  TFigure& figure = figures_.back();
  figure.Closed = true;
  open_ = false;
  if (!figure.Points.empty()) current_ = figure.Points.front();
}

void TFlatPath::Arc(const TBox& box, double from, double sweep) {
  const TPointF start = OnEllipse(box, from);
  if (open_)
    LineTo(start);
  else
    MoveTo(start);
  // Pieces of at most 45 degrees, each one Bézier curve.
  const int pieces = std::clamp(int(std::ceil(std::abs(sweep) / (kPi / 4))), 1, 8);
  const double step = sweep / pieces;
  const double k = 4.0 / 3.0 * std::tan(step / 4);
  const double rx = (box.Right - box.Left) / 2, ry = (box.Bottom - box.Top) / 2;
  double angle = from;
  TPointF p0 = start;
  for (int i = 0; i < pieces; ++i) {
    const double next = angle + step;
    const TPointF p3 = OnEllipse(box, next);
    const TPointF c1{p0.X - k * rx * std::sin(angle), p0.Y + k * ry * std::cos(angle)};
    const TPointF c2{p3.X + k * rx * std::sin(next), p3.Y - k * ry * std::cos(next)};
    BezierTo(c1, c2, p3);
    angle = next;
    p0 = p3;
  }
}

double AngleOf(const TBox& box, TPointF p) {
  const double cx = (box.Left + box.Right) / 2, cy = (box.Top + box.Bottom) / 2;
  const double rx = (box.Right - box.Left) / 2, ry = (box.Bottom - box.Top) / 2;
  const double x = rx != 0 ? (p.X - cx) / rx : p.X - cx;
  const double y = ry != 0 ? (p.Y - cy) / ry : p.Y - cy;
  return (x == 0 && y == 0) ? 0 : std::atan2(y, x);
}

void AddRectangle(TFlatPath& path, const TBox& box) {
  path.MoveTo({box.Left, box.Top});
  path.LineTo({box.Right, box.Top});
  path.LineTo({box.Right, box.Bottom});
  path.LineTo({box.Left, box.Bottom});
  path.Close();
}

void AddEllipse(TFlatPath& path, const TBox& box) {
  path.Close();
  path.Arc(box, 0, 2 * kPi);
  path.Close();
}

void AddRoundRect(TFlatPath& path, const TBox& box, double cornerWidth, double cornerHeight) {
  const double rx = std::min(std::abs(cornerWidth), box.Right - box.Left) / 2;
  const double ry = std::min(std::abs(cornerHeight), box.Bottom - box.Top) / 2;
  if (!(rx > 0) || !(ry > 0)) {
    AddRectangle(path, box);
    return;
  }
  path.Close();
  const auto corner = [&](double cx, double cy, double from) {
    path.Arc({cx - rx, cy - ry, cx + rx, cy + ry}, from, kPi / 2);
  };
  corner(box.Right - rx, box.Top + ry, -kPi / 2);
  corner(box.Right - rx, box.Bottom - ry, 0);
  corner(box.Left + rx, box.Bottom - ry, kPi / 2);
  corner(box.Left + rx, box.Top + ry, kPi);
  path.Close();
}

}  // namespace lumigram::meta
