// Bitmap records: a source rectangle copied into a logical rectangle through
// a ternary raster operation, nearest pixels, mirrored when an extent is
// negative. A turned destination is drawn into its bounding box upright.

#include <algorithm>
#include <cmath>

#include "imaging/metafile/meta_device.h"

namespace lumigram::meta {

namespace {

constexpr int kSourceCopy = 0xCC;
constexpr int kPatternCopy = 0xF0;

// Whether the operation's result depends on the source.
bool UsesSource(int code) {
  return ((code >> 2) & 0x33) != (code & 0x33);
}

// The source pixel for each destination pixel of one axis: -1 where the
// source rectangle leaves the bitmap.
std::vector<int> SourceIndexes(int destFrom, int destTo, int visibleFrom, int visibleTo,
                               bool mirrored, int sourceFrom, int sourceSize, int sourceLimit) {
  std::vector<int> indexes;
  indexes.reserve(size_t(std::max(0, visibleTo - visibleFrom)));
  const double span = double(destTo) - destFrom;
  for (int d = visibleFrom; d < visibleTo; ++d) {
    double u = (d + 0.5 - destFrom) / span;
    if (mirrored) u = 1 - u;
    int s = sourceFrom + std::clamp(int(std::floor(u * sourceSize)), 0, sourceSize - 1);
    indexes.push_back(s >= 0 && s < sourceLimit ? s : -1);
  }
  return indexes;
}

}  // namespace

void TMetaDevice::Blit(const TBox& dest, const TBitmap* source, const TRect& sourceRect,
                       uint32_t rop) {
  if (path_open_ || OutOfWork()) return;
  const TXform& xf = ToDevice();
  const TPointF a = xf.Apply({dest.Left, dest.Top});
  const TPointF b = xf.Apply({dest.Right, dest.Bottom});
  const TPointF c = xf.Apply({dest.Right, dest.Top});
  const TPointF d = xf.Apply({dest.Left, dest.Bottom});
  const TBox box{std::min({a.X, b.X, c.X, d.X}), std::min({a.Y, b.Y, c.Y, d.Y}),
                 std::max({a.X, b.X, c.X, d.X}), std::max({a.Y, b.Y, c.Y, d.Y})};
  if (!target_) {
    Include({box.Left, box.Top}, 0);
    Include({box.Right, box.Bottom}, 0);
    return;
  }
  const TRect to{PixelOf(box.Left), PixelOf(box.Top), PixelOf(box.Right), PixelOf(box.Bottom)};
  const TRect visible = Intersect(to, ClipRect());
  if (visible.IsEmpty() || !Charge(visible.Width() * visible.Height())) return;

  const int code = int((rop >> 16) & 0xFF);
  TPaint pattern;
  if (!BrushPaint(pattern)) pattern.Color = kBlack;
  pattern.Rop2 = kCopyPen;
  const bool needsSource = UsesSource(code);
  TRect from{sourceRect.Left, sourceRect.Top, sourceRect.Right, sourceRect.Bottom};
  const bool flipX = (b.X < a.X) != (from.Right < from.Left);
  const bool flipY = (b.Y < a.Y) != (from.Bottom < from.Top);
  from = {std::min(from.Left, from.Right), std::min(from.Top, from.Bottom),
          std::max(from.Left, from.Right), std::max(from.Top, from.Bottom)};
  if (needsSource &&
      (!source || from.IsEmpty() || from.Width() > INT32_MAX || from.Height() > INT32_MAX))
    return;

  std::vector<int> columns, rows;
  if (needsSource) {
    columns = SourceIndexes(to.Left, to.Right, visible.Left, visible.Right, flipX, from.Left,
                            int(from.Width()), source->Width());
    rows = SourceIndexes(to.Top, to.Bottom, visible.Top, visible.Bottom, flipY, from.Top,
                         int(from.Height()), source->Height());
  }
  for (int y = visible.Top; y < visible.Bottom; ++y) {
    const int sy = needsSource ? rows[size_t(y - visible.Top)] : 0;
    if (sy < 0) continue;
    const uint8_t* in = needsSource ? source->ScanLine(sy) : nullptr;
    uint8_t* out = target_->ScanLine(y) + 3 * int64_t(visible.Left);
    for (int x = visible.Left; x < visible.Right; ++x, out += 3) {
      TColor s = 0;
      if (needsSource) {
        const int sx = columns[size_t(x - visible.Left)];
        if (sx < 0) continue;
        s = ColourAt(in + 3 * int64_t(sx));
        if (code == kSourceCopy) {
          PutColour(out, s);
          continue;
        }
      }
      TColor p = 0;
      if (!pattern.ColourAt(x, y, p)) p = pattern.Back;
      PutColour(out, code == kPatternCopy ? p : Rop3(code, p, s, ColourAt(out)));
    }
  }
}

}  // namespace lumigram::meta
