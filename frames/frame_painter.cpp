#include "frames/frame_painter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <vector>

#include "frames/style_code.h"

namespace lumigram {

namespace {

// Fills count pixels with one colour: the first by hand, the rest by
// doubling copies.
void FillPixels(uint8_t* p, int count, TColor colour) {
  if (count <= 0) return;
  PutColour(p, colour);
  const size_t total = size_t(count) * 3;
  for (size_t done = 3; done < total;) {
    const size_t chunk = std::min(done, total - done);
    std::memcpy(p + done, p, chunk);
    done += chunk;
  }
}

// A pixel lies on ring min(x, W-1-x, y, H-1-y): its distance from the
// nearest edge. Rings are painted once each, outermost first, so the whole
// frame is one colour per ring, and rows can be painted in one pass each
// instead of drawing every ring's outline over all the rows.
class TRingPainter {
 public:
  TRingPainter(TBitmap& bitmap, const TColor* rings, int count)
      : bitmap_(bitmap), rings_(rings), count_(count), width_(bitmap.Width()) {}

  // Without memory for one row nothing is painted.
  void Paint() {
    if (!PrepareSides()) return;
    const int height = bitmap_.Height();
    for (int y = 0; y < height; ++y) PaintRow(y, std::min(y, height - 1 - y));
  }

 private:
  // The ring of a column whose row is further in than the column.
  TColor Column(int x) const { return rings_[std::min(x, width_ - 1 - x)]; }

  // Every row's side columns are the same: make them once.
  bool PrepareSides() {
    try {
      sides_.assign(size_t(width_) * 3, 0);
    } catch (const std::bad_alloc&) {
      return false;
    }
    const int edge = std::min(count_, width_);
    for (int x = 0; x < edge; ++x) PutColour(sides_.data() + 3 * x, Column(x));
    for (int x = std::max(width_ - edge, edge); x < width_; ++x)
      PutColour(sides_.data() + 3 * x, Column(x));
    return true;
  }

  void CopySides(uint8_t* row, int from, int to) const {
    if (from < to) std::memcpy(row + 3 * from, sides_.data() + 3 * from, size_t(to - from) * 3);
  }

  void PaintRow(int y, int rowRing) {
    uint8_t* row = bitmap_.ScanLine(y);
    // Columns nearer an edge than this belong to their own ring.
    const int sides = std::min({rowRing, count_, width_});
    const int right = std::max(width_ - sides, sides);
    CopySides(row, 0, sides);
    CopySides(row, right, width_);
    // A row of a painted ring is that ring's colour between the side columns.
    if (rowRing < count_) FillPixels(row + 3 * sides, right - sides, rings_[rowRing]);
  }

  TBitmap& bitmap_;
  const TColor* rings_;
  int count_;
  int width_;
  std::vector<uint8_t> sides_;  // one row holding just the side columns
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
