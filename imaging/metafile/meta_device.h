#pragma once
// The device a metafile plays on: a device context with its mapping from
// logical coordinates to the picture's pixels, its selected objects, clip
// rectangle, path and saved states, and the drawing operations both metafile
// formats share. It can also only measure: then nothing is drawn and the
// device collects the bounds of what would be.
//
// All drawing is bounded: points are held near the picture, curves have a
// step limit, and every operation charges its pixel work to a budget. Once
// the budget is spent the device draws nothing more and OutOfWork() says so.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "imaging/bitmap/bitmap.h"
#include "imaging/metafile/meta_dc.h"
#include "imaging/metafile/meta_geometry.h"
#include "imaging/metafile/meta_paint.h"
#include "imaging/text/text.h"

namespace lumigram::meta {

struct TDeviceSetup {
  // From the reference device (what the records call device units) to the
  // picture's pixels.
  TXform Base;
  // Reference device units per millimetre, for the metric and English map
  // modes.
  double UnitsPerMm = 96 / 25.4;
  int MapMode = kMmText;
  TPointF WindowOrg{0, 0}, WindowExt{1, 1}, ViewportOrg{0, 0}, ViewportExt{1, 1};
  int64_t WorkLimit = 0;
};

enum class TArcKind { Arc, Chord, Pie };

// EXTTEXTOUT options.
inline constexpr int kTextOpaque = 2;
inline constexpr int kTextClipped = 4;

struct TTextRun {
  // The characters, each drawable on its own (UTF-8 or 8-bit in the font's
  // character set), and the logical advance after each one, if given.
  std::vector<std::string> Pieces;
  std::vector<double> Advances;
  TTextEncoding Encoding = TTextEncoding::FontCharset;
  int Options = 0;
  std::optional<TBox> Rect;  // logical; for kTextOpaque and kTextClipped
};

class TMetaDevice {
 public:
  static constexpr int kMaxSavedStates = 1000;
  static constexpr size_t kMaxPathPoints = size_t(1) << 21;

  // target null: measure only.
  TMetaDevice(TBitmap* target, const TDeviceSetup& setup);

  TDcState& State() { return state_; }

  // Mapping. Zero extents are refused as Windows does.
  void SetMapMode(int mode);
  void SetWindowOrg(TPointF p);
  void SetWindowExt(TPointF e);
  void SetViewportOrg(TPointF p);
  void SetViewportExt(TPointF e);
  void ScaleWindowExt(double xNum, double xDenom, double yNum, double yDenom);
  void ScaleViewportExt(double xNum, double xDenom, double yNum, double yDenom);
  void OffsetWindowOrg(TPointF d);
  void OffsetViewportOrg(TPointF d);
  // False for a transform that is not finite or not invertible.
  bool SetWorldTransform(const TXform& xform);
  // MWT_IDENTITY 1, MWT_LEFTMULTIPLY 2, MWT_RIGHTMULTIPLY 3, MWT_SET 4.
  bool ModifyWorldTransform(const TXform& xform, int mode);

  void SaveDc();
  // Negative: relative to the latest save (-1 the latest); positive: the
  // save with that number (1 the first still kept).
  void RestoreDc(int which);

  // Clipping. Logical rectangles as IntersectClipRect takes them.
  void IntersectClip(const TBox& logical);
  void ResetClip();
  // A rectangle in reference device units; mode RGN_AND 1 or RGN_COPY 5.
  void ClipToDeviceBox(const TBox& device, int mode);

  void MoveTo(TPointF p);
  void LineTo(TPointF p);
  void Polyline(std::span<const TPointF> points);
  void PolylineTo(std::span<const TPointF> points);
  void PolyBezier(std::span<const TPointF> points);
  void PolyBezierTo(std::span<const TPointF> points);
  void Polygon(std::span<const TPointF> points);
  void PolyPolygon(std::span<const std::vector<TPointF>> polygons);
  void PolyPolyline(std::span<const std::vector<TPointF>> lines);
  void Rectangle(const TBox& box);
  void RoundRect(const TBox& box, double cornerWidth, double cornerHeight);
  void Ellipse(const TBox& box);
  void ArcShape(TArcKind kind, const TBox& box, TPointF start, TPointF end);
  void SetPixel(TPointF p, TColor colour);
  // Copies the source rectangle (null source: none) into the logical
  // rectangle `dest` through the raster operation; nearest pixels.
  void Blit(const TBox& dest, const TBitmap* source, const TRect& sourceRect, uint32_t rop);
  void Text(TPointF at, const TTextRun& run);

  void BeginPath();
  void EndPath();
  void AbortPath();
  void CloseFigure();
  void FillPath();
  void StrokePath();
  void StrokeAndFillPath();
  void SelectClipPath(int mode);

  // Adds pixel work; false once the budget is spent.
  bool Charge(int64_t work);
  bool OutOfWork() const { return spent_ > setup_.WorkLimit; }
  // What measuring found, in reference device units; false when nothing
  // would be drawn.
  bool Measured(TBox& bounds) const;

 private:
  struct TShape {
    std::vector<TFigure> Fill;    // filled with the brush, if any
    std::vector<TFigure> Stroke;  // drawn with the pen
  };

  const TXform& ToDevice();
  TFlatPath NewPath(const TXform& xf) const { return TFlatPath(xf, kMaxPathPoints); }
  double PenWidth();
  TPaint PenPaint() const;
  bool BrushPaint(TPaint& paint) const;
  TRect ClipRect() const;
  void Include(TPointF device, double margin);
  void Render(TShape& shape);
  void FillFigures(const std::vector<TFigure>& figures, const TPaint& paint);
  void StrokeFigures(const std::vector<TFigure>& figures);
  void AddToPath(std::vector<TFigure>& figures, bool continuing);
  // The shape of Rectangle, Ellipse, RoundRect, Arc, Chord and Pie: drawn in
  // device space when the mapping keeps axes, in logical space otherwise.
  template <typename Build>
  void BoxShape(const TBox& logical, bool filled, Build build);
  void Curve(std::span<const TPointF> points, bool continuing);
  void Lines(std::span<const TPointF> points, bool continuing);
  void FillDeviceBox(const TBox& device, TColor colour);

  TBitmap* target_;
  TDeviceSetup setup_;
  TDcState state_;
  std::vector<TDcState> saved_;
  bool xform_valid_ = false;
  TXform to_device_;
  int64_t spent_ = 0;
  bool path_open_ = false;
  bool path_break_ = true;  // the next continuing line starts a new figure
  std::vector<TFigure> path_;
  bool measured_any_ = false;
  TBox measured_;
};

}  // namespace lumigram::meta
