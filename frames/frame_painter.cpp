#include "frames/frame_painter.h"

#include <algorithm>
#include <array>

#include "frames/style_code.h"

namespace lumigram {

namespace {

// A pixel lies on ring min(x, W-1-x, y, H-1-y): its distance from the
// nearest edge. Rings are painted once each, outermost first, so the whole
// frame is one colour per ring, and rows can be painted in one pass each
// instead of drawing every ring's outline over all the rows.
class TRingPainter {
 public:
  TRingPainter(TBitmap& bitmap, const TColor* rings, int count)
      : bitmap_(bitmap), rings_(rings), count_(count), width_(bitmap.Width()) {}

  void Paint() {
    const int height = bitmap_.Height();
    for (int y = 0; y < height; ++y) PaintRow(y, std::min(y, height - 1 - y));
  }

 private:
  // The ring of a column whose row is further in than the column.
  TColor Column(int x) const { return rings_[std::min(x, width_ - 1 - x)]; }

  void PaintRow(int y, int rowRing) {
    uint8_t* row = bitmap_.ScanLine(y);
    // Columns nearer an edge than this belong to their own ring.
    const int sides = std::min({rowRing, count_, width_});
    for (int x = 0; x < sides; ++x) PutColour(row + 3 * x, Column(x));
    const int right = std::max(width_ - sides, sides);
    for (int x = right; x < width_; ++x) PutColour(row + 3 * x, Column(x));
    // A row of a painted ring is that ring's colour between the side columns.
    if (rowRing < count_) {
      const TColor colour = rings_[rowRing];
      for (int x = sides; x < right; ++x) PutColour(row + 3 * x, colour);
    }
  }

  TBitmap& bitmap_;
  const TColor* rings_;
  int count_;
  int width_;
};

}  // namespace

void PaintFrame(const TFrameInfo& settings, TBitmap* bitmap) {
  if (!bitmap || bitmap->Empty() || settings.Size <= 0 || settings.Code.empty()) return;
  const int size = std::min(settings.Size, kMaxFrameSize);
  // The colour of each ring from the edge in; rings 0..count-1 get painted.
  std::array<TColor, kMaxFrameSize> rings{};
  int count = 0;
  TStyleCodeReader reader(settings.Code, PaintableBase(settings.Color));
  TFrameBand band;
  // Once the rings reach the inner edge no later band can paint anything.
  while (count < size && reader.Next(band)) {
    // Each band is n + 1 rings, shading evenly from its outer to its inner colour.
    const int n = std::clamp(band.Percent * size / 100, 0, size);
    for (int e = 0; e <= n && count < size; ++e) {
      const int p = n == 0 ? 0 : e * 100 / n;
      rings[size_t(count++)] = MixColor(p, band.Inner, band.Outer);
    }
  }
  if (count > 0) TRingPainter(*bitmap, rings.data(), count).Paint();
}

TColor AutoFrameColor(const TBitmap* picture) {
  if (!picture || picture->Empty()) return kBlack;
  const int right = picture->Width() - 1;
  const int bottom = picture->Height() - 1;
  const TColor corners[] = {picture->GetPixel(0, 0), picture->GetPixel(right, 0),
                            picture->GetPixel(right, bottom), picture->GetPixel(0, bottom)};
  for (const TColor corner : corners)
    if (MaxChannel(corner) >= 70) return corner;
  // All dark: a lighter version of the bottom-left corner still stands out.
  return MixColor(140, corners[3], kWhite);
}

}  // namespace lumigram
