#include "imaging/bitmap/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "imaging/bitmap/stretch.h"
#include "imaging/metafile/stroke.h"

namespace lumigram {

namespace {

void FillSpan(TBitmap& bitmap, int y, int64_t x0, int64_t x1, TColor colour) {
  uint8_t* p = bitmap.ScanLine(y) + 3 * x0;
  for (int64_t x = x0; x < x1; ++x, p += 3) PutColour(p, colour);
}

// Fills the pixels from..to (both included) of row y that lie inside the clip.
void FillClipped(TBitmap& bitmap, int y, int64_t from, int64_t to, const TRect& clip,
                 TColor colour) {
  const int64_t x0 = std::max<int64_t>(from, clip.Left);
  const int64_t x1 = std::min<int64_t>(to + 1, clip.Right);
  if (x0 < x1) FillSpan(bitmap, y, x0, x1, colour);
}

// Where an unscaled copy lands: the source part that exists and whose
// destination lies inside the clip.
struct TCopyPlan {
  int sourceX, sourceY, destX, destY, width, height;
};

bool PlanCopy(int x, int y, const TBitmap& source, const TRect& sourceRect, const TRect& clip,
              TCopyPlan& plan) {
  const TRect from = Intersect(sourceRect, BoundsOf(source));
  if (from.IsEmpty()) return false;
  // The destination of from's corner, in 64 bits as x may be anything.
  const int64_t left = int64_t(x) + (int64_t(from.Left) - sourceRect.Left);
  const int64_t top = int64_t(y) + (int64_t(from.Top) - sourceRect.Top);
  const int64_t x0 = std::max<int64_t>(left, clip.Left);
  const int64_t y0 = std::max<int64_t>(top, clip.Top);
  const int64_t x1 = std::min<int64_t>(left + from.Width(), clip.Right);
  const int64_t y1 = std::min<int64_t>(top + from.Height(), clip.Bottom);
  if (x0 >= x1 || y0 >= y1) return false;
  plan = {int(from.Left + (x0 - left)),
          int(from.Top + (y0 - top)),
          int(x0),
          int(y0),
          int(x1 - x0),
          int(y1 - y0)};
  return true;
}

// The rounded rectangle's shape, row by row: a convex figure, so each row
// is one span, symmetric about the vertical centre line.
class TRoundShape {
 public:
  TRoundShape(const TRect& r, int ellipseWidth, int ellipseHeight)
      : left_(r.Left), top_(r.Top), right_(r.Right), bottom_(r.Bottom), width_(r.Width()) {
    int64_t ew = std::clamp<int64_t>(ellipseWidth, 0, r.Width());
    int64_t eh = std::clamp<int64_t>(ellipseHeight, 0, r.Height());
    if (ew < 2 || eh < 2) ew = eh = 0;
    rx_ = double(ew) / 2;
    ry_ = double(eh) / 2;
  }

  // The row's span [from, to]; false outside the rectangle.
  bool Span(int64_t y, int64_t& from, int64_t& to) const {
    if (y < top_ || y >= bottom_) return false;
    const double centre = double(y) + 0.5;
    double d = 0;  // distance of the row's centre from the straight sides' ends
    if (centre < double(top_) + ry_) d = double(top_) + ry_ - centre;
    if (centre > double(bottom_) - ry_) d = centre - (double(bottom_) - ry_);
    int64_t inset = 0;
    if (d > 0.5) {  // rows at the corners' widest keep the full width
      const double t = d / ry_;
      const double half = t >= 1 ? 0 : rx_ * std::sqrt(1 - t * t);
      inset = std::max<int64_t>(0, int64_t(std::ceil(rx_ - half - 0.5)));
      if (2 * inset >= width_) inset = (width_ - 1) / 2;  // never an empty row
    }
    from = left_ + inset;
    to = right_ - 1 - inset;
    return true;
  }

 private:
  int64_t left_, top_, right_, bottom_, width_;
  double rx_ = 0, ry_ = 0;
};

}  // namespace

void TCanvas::SetClipRect(const TRect& rect) {
  clipped_ = true;
  clip_ = rect;
}

void TCanvas::ResetClipRect() {
  clipped_ = false;
}

TRect TCanvas::ClipRect() const {
  const TRect bounds = BoundsOf(bitmap_);
  return clipped_ ? Intersect(clip_, bounds) : bounds;
}

void TCanvas::FillRect(const TRect& rect) {
  const TRect r = Intersect(rect, ClipRect());
  if (r.IsEmpty()) return;
  for (int y = r.Top; y < r.Bottom; ++y) FillSpan(bitmap_, y, r.Left, r.Right, brush_);
}

void TCanvas::FrameRect(const TRect& rect) {
  if (rect.IsEmpty()) return;
  FillRect({rect.Left, rect.Top, rect.Right, rect.Top + 1});
  FillRect({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom});
  FillRect({rect.Left, rect.Top, rect.Left + 1, rect.Bottom});
  FillRect({rect.Right - 1, rect.Top, rect.Right, rect.Bottom});
}

void TCanvas::RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight) {
  if (rect.IsEmpty()) return;
  const TRect clip = ClipRect();
  const TRect rows = Intersect(rect, clip);
  if (rows.IsEmpty()) return;
  const TRoundShape shape(rect, ellipseWidth, ellipseHeight);
  for (int y = rows.Top; y < rows.Bottom; ++y) {
    int64_t from = 0, to = 0;
    shape.Span(y, from, to);
    // A pixel is outline when a 4-neighbour lies outside the shape; the
    // rest is inside, for the brush.
    int64_t in0 = from + 1, in1 = to - 1;
    int64_t upFrom = 0, upTo = -1, downFrom = 0, downTo = -1;
    const bool up = shape.Span(int64_t(y) - 1, upFrom, upTo);
    const bool down = shape.Span(int64_t(y) + 1, downFrom, downTo);
    if (up && down) {
      in0 = std::max({in0, upFrom, downFrom});
      in1 = std::min({in1, upTo, downTo});
    } else {
      in0 = to + 1;  // the top and bottom rows are all outline
      in1 = to;
    }
    if (in0 > in1) {
      FillClipped(bitmap_, y, from, to, clip, pen_);
      continue;
    }
    FillClipped(bitmap_, y, from, in0 - 1, clip, pen_);
    FillClipped(bitmap_, y, in0, in1, clip, brush_);
    FillClipped(bitmap_, y, in1 + 1, to, clip, pen_);
  }
}

void TCanvas::MoveTo(int x, int y) {
  pen_pos_ = {x, y};
}

void TCanvas::LineTo(int x, int y) {
  const TPoint start = pen_pos_;
  pen_pos_ = {x, y};
  StepLine(start, pen_pos_, ClipRect(), [this](int px, int py, int64_t) {
    PutColour(bitmap_.ScanLine(py) + 3 * int64_t(px), pen_);
  });
}

TColor TCanvas::GetPixel(int x, int y) const {
  return ClipRect().Contains(x, y) ? bitmap_.GetPixel(x, y) : TBitmap::kNoPixel;
}

void TCanvas::SetPixel(int x, int y, TColor colour) {
  if (ClipRect().Contains(x, y)) bitmap_.SetPixel(x, y, colour);
}

void TCanvas::Draw(int x, int y, const TBitmap& source) {
  CopyRect(x, y, source, BoundsOf(source));
}

void TCanvas::CopyRect(int x, int y, const TBitmap& source, const TRect& sourceRect) {
  TCopyPlan plan{};
  if (!PlanCopy(x, y, source, sourceRect, ClipRect(), plan)) return;
  const size_t bytes = size_t(plan.width) * 3;
  // Within one bitmap the rows may overlap: copy them in the order that
  // reads each source row before it is overwritten.
  const bool upwards = &source == &bitmap_ && plan.destY > plan.sourceY;
  for (int n = 0; n < plan.height; ++n) {
    const int row = upwards ? plan.height - 1 - n : n;
    std::memmove(bitmap_.ScanLine(plan.destY + row) + 3 * plan.destX,
                 source.ScanLine(plan.sourceY + row) + 3 * plan.sourceX, bytes);
  }
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& source, const TRect& sourceRect,
                          TStretchMode mode) {
  if (&source == &bitmap_) {
    const TBitmap copy = source;
    StretchPixels(bitmap_, ClipRect(), dest, copy, sourceRect, mode);
  } else {
    StretchPixels(bitmap_, ClipRect(), dest, source, sourceRect, mode);
  }
}

void TCanvas::DrawTransparent(int x, int y, const TBitmap& source, TColor key) {
  if (&source == &bitmap_) {
    const TBitmap copy = source;
    DrawTransparent(x, y, copy, key);
    return;
  }
  TCopyPlan plan{};
  if (!PlanCopy(x, y, source, BoundsOf(source), ClipRect(), plan)) return;
  key &= 0xFFFFFF;
  // Four key pixels as they lie in a row, so that the runs of background,
  // most of a message bitmap, are passed over 12 bytes at a time.
  uint8_t keyRun[12];
  for (int i = 0; i < 4; ++i) {
    keyRun[3 * i] = uint8_t(key >> 16);
    keyRun[3 * i + 1] = uint8_t(key >> 8);
    keyRun[3 * i + 2] = uint8_t(key);
  }
  for (int row = 0; row < plan.height; ++row) {
    const uint8_t* in = source.ScanLine(plan.sourceY + row) + 3 * plan.sourceX;
    uint8_t* out = bitmap_.ScanLine(plan.destY + row) + 3 * plan.destX;
    int col = 0;
    for (; col + 4 <= plan.width; col += 4, in += 12, out += 12) {
      if (std::memcmp(in, keyRun, 12) == 0) continue;
      for (int i = 0; i < 12; i += 3)
        if (ColourAt(in + i) != key) std::memcpy(out + i, in + i, 3);
    }
    for (; col < plan.width; ++col, in += 3, out += 3) {
      if (ColourAt(in) != key) std::memcpy(out, in, 3);
    }
  }
}

}  // namespace lumigram
