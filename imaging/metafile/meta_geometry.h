#pragma once
// Geometry for playing metafiles: the affine transforms Windows records, and
// figures of device points built from lines, ellipse arcs and Bézier curves.
// Curves are transformed before they are flattened (an affine map keeps a
// Bézier curve one), so a rotated or sheared ellipse stays smooth.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "imaging/metafile/polygon_fill.h"

namespace lumigram::meta {

// Device coordinates are held within this distance of the origin: far
// outside any picture, small enough for exact pixel arithmetic.
inline constexpr double kFar = 1e7;

// x' = x M11 + y M21 + Dx, y' = x M12 + y M22 + Dy, as Windows' XFORM.
struct TXform {
  double M11 = 1, M12 = 0, M21 = 0, M22 = 1, Dx = 0, Dy = 0;

  TPointF Apply(TPointF p) const {
    return {p.X * M11 + p.Y * M21 + Dx, p.X * M12 + p.Y * M22 + Dy};
  }
  double Determinant() const { return M11 * M22 - M12 * M21; }
  bool AxisAligned() const { return M12 == 0 && M21 == 0; }
  bool Finite() const;
  // How far one logical unit reaches along x and along y.
  double ScaleX() const;
  double ScaleY() const;
};

// first applied, then second.
TXform Compose(const TXform& first, const TXform& second);

struct TBox {
  double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// The pixel a device coordinate falls in, held near the picture.
inline int PixelOf(double v) {
  return int(std::floor(std::clamp(v, -kFar, kFar) + 0.5));
}

inline TBox NormalisedBox(TPointF a, TPointF b) {
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

inline TRect PixelRect(const TBox& box) {
  return {PixelOf(box.Left), PixelOf(box.Top), PixelOf(box.Right), PixelOf(box.Bottom)};
}

struct TFigure {
  std::vector<TPointF> Points;  // device coordinates
  bool Closed = false;
};

// Collects figures in device coordinates from points in the coordinates of
// its transform. At most maxPoints points are kept; the rest are dropped.
class TFlatPath {
 public:
  TFlatPath(const TXform& toDevice, size_t maxPoints) : xf_(toDevice), max_points_(maxPoints) {}

  void MoveTo(TPointF p);
  // From the current point, which is the device origin before any MoveTo.
  void LineTo(TPointF p);
  void BezierTo(TPointF c1, TPointF c2, TPointF end);
  // Closes the current figure; the next line starts a new one at its start.
  void Close();

  // The arc of the ellipse inscribed in box from the parametric angle `from`
  // over `sweep` radians (positive turns clockwise with y downwards); a line
  // leads to its start from the current point unless it starts a figure.
  void Arc(const TBox& box, double from, double sweep);

  std::vector<TFigure>& Figures() { return figures_; }
  size_t PointCount() const { return count_; }

 private:
  void Open();
  void Add(TPointF device);
  TPointF Device(TPointF p) const;

  TXform xf_;
  size_t max_points_;
  size_t count_ = 0;
  std::vector<TFigure> figures_;
  bool open_ = false;  // the last figure takes more points
  TPointF current_;    // device
};

// The parametric angle on the box's ellipse of the ray from its centre
// through p.
double AngleOf(const TBox& box, TPointF p);

void AddRectangle(TFlatPath& path, const TBox& box);
void AddEllipse(TFlatPath& path, const TBox& box);
// Corners rounded by an ellipse of the given width and height.
void AddRoundRect(TFlatPath& path, const TBox& box, double cornerWidth, double cornerHeight);

}  // namespace lumigram::meta
