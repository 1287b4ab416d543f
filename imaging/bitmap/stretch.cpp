#include "imaging/bitmap/stretch.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace lumigram {

namespace {

constexpr int kWeightBits = 14;
constexpr uint32_t kWeightOne = 1u << kWeightBits;

int64_t FloorDiv(int64_t a, int64_t b) {  // b > 0
  const int64_t q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

// How one axis maps destination positions onto source positions. Sizes are
// at most INT_MAX, so every product below stays under 2^63.
struct TAxis {
  int64_t destStart;
  int64_t destSize;
  int64_t sourceStart;
  int64_t sourceSize;
  int sourceLimit;  // the source bitmap's side

  // The source pixel under the centre of destination pixel i; -1 when that
  // lies outside the source bitmap.
  int64_t Nearest(int64_t i) const {
    const int64_t k = i - destStart;
    const int64_t j = sourceStart + (2 * k + 1) * sourceSize / (2 * destSize);
    return (j >= 0 && j < sourceLimit) ? j : -1;
  }
};

// Source pixels and weights (summing to kWeightOne) for each destination
// pixel of a clipped range; pixels whose centre maps outside the source
// bitmap get none.
struct TTaps {
  std::vector<int> start;  // per destination pixel, into index/weight; -1 to skip
  std::vector<int> count;
  std::vector<int> index;
  std::vector<uint32_t> weight;

  void Build(const TAxis& a, int from, int to) {
    const int64_t lo = std::max<int64_t>(a.sourceStart, 0);
    const int64_t hi = std::min<int64_t>(a.sourceStart + a.sourceSize, a.sourceLimit) - 1;
    for (int i = from; i < to; ++i) {
      if (a.Nearest(i) < 0) {
        start.push_back(-1);
        count.push_back(0);
        continue;
      }
      const int first = int(index.size());
      const int64_t k = i - a.destStart;
      if (a.sourceSize > a.destSize) {
        AddArea(a, k, lo, hi);
      } else {
        AddBilinear(a, k, lo, hi);
      }
      start.push_back(first);
      count.push_back(int(index.size()) - first);
    }
  }

 private:
  // Shrinking: every source pixel the destination pixel covers, weighted by
  // how much of it is covered. Units are 1/destSize of a source pixel.
  void AddArea(const TAxis& a, int64_t k, int64_t lo, int64_t hi) {
    const int64_t begin = k * a.sourceSize;
    const int64_t end = begin + a.sourceSize;
    const int64_t j0 = std::max(begin / a.destSize, lo - a.sourceStart);
    const int64_t j1 = std::min((end - 1) / a.destSize, hi - a.sourceStart);
    const size_t first = index.size();
    int64_t total = 0;
    for (int64_t j = j0; j <= j1; ++j) {
      total += std::min(end, (j + 1) * a.destSize) - std::max(begin, j * a.destSize);
    }
    uint32_t sum = 0;
    size_t biggest = first;
    for (int64_t j = j0; j <= j1; ++j) {
      const int64_t overlap = std::min(end, (j + 1) * a.destSize) - std::max(begin, j * a.destSize);
      const uint32_t w = uint32_t(overlap * kWeightOne / total);
      index.push_back(int(a.sourceStart + j));
      weight.push_back(w);
      sum += w;
      if (w > weight[biggest]) biggest = weight.size() - 1;
    }
    weight[biggest] += kWeightOne - sum;  // rounding goes to the largest share
  }

  // Enlarging: the two source pixels around the mapped centre, clamped to
  // the source rectangle and bitmap.
  void AddBilinear(const TAxis& a, int64_t k, int64_t lo, int64_t hi) {
    const int64_t num = (2 * k + 1) * a.sourceSize - a.destSize;
    const int64_t j0 = FloorDiv(num, 2 * a.destSize);
    const int64_t rem = num - j0 * 2 * a.destSize;
    const uint32_t w1 = uint32_t(rem * kWeightOne / (2 * a.destSize));
    index.push_back(int(std::clamp(a.sourceStart + j0, lo, hi)));
    weight.push_back(kWeightOne - w1);
    index.push_back(int(std::clamp(a.sourceStart + j0 + 1, lo, hi)));
    weight.push_back(w1);
  }
};

void StretchNearest(TBitmap& dest, const TRect& clip, const TAxis& ax, const TAxis& ay,
                    const TBitmap& source) {
  std::vector<int> columns(size_t(clip.Right - clip.Left));
  for (int x = clip.Left; x < clip.Right; ++x) columns[size_t(x - clip.Left)] = int(ax.Nearest(x));
  for (int y = clip.Top; y < clip.Bottom; ++y) {
    const int64_t sy = ay.Nearest(y);
    if (sy < 0) continue;
    const uint8_t* in = source.ScanLine(int(sy));
    uint8_t* out = dest.ScanLine(y) + 3 * clip.Left;
    for (int sx : columns) {
      if (sx >= 0) {
        out[0] = in[3 * sx];
        out[1] = in[3 * sx + 1];
        out[2] = in[3 * sx + 2];
      }
      out += 3;
    }
  }
}

void StretchSmooth(TBitmap& dest, const TRect& clip, const TAxis& ax, const TAxis& ay,
                   const TBitmap& source) {
  TTaps columns;
  columns.Build(ax, clip.Left, clip.Right);
  TTaps rows;
  rows.Build(ay, clip.Top, clip.Bottom);
  const size_t width = size_t(clip.Right - clip.Left);
  // Each row pass keeps 8 more bits than a byte; a full weight times that
  // still fits 32 bits.
  std::vector<uint32_t> sums(width * 3);
  for (int y = clip.Top; y < clip.Bottom; ++y) {
    const size_t r = size_t(y - clip.Top);
    if (rows.start[r] < 0) continue;
    std::fill(sums.begin(), sums.end(), 0);
    for (int t = rows.start[r]; t < rows.start[r] + rows.count[r]; ++t) {
      const uint8_t* in = source.ScanLine(rows.index[size_t(t)]);
      const uint32_t wy = rows.weight[size_t(t)];
      for (size_t c = 0; c < width; ++c) {
        if (columns.start[c] < 0) continue;
        uint32_t b = 0, g = 0, red = 0;
        const int end = columns.start[c] + columns.count[c];
        for (int u = columns.start[c]; u < end; ++u) {
          const uint8_t* p = in + 3 * columns.index[size_t(u)];
          const uint32_t wx = columns.weight[size_t(u)];
          b += wx * p[0];
          g += wx * p[1];
          red += wx * p[2];
        }
        sums[3 * c] += ((b + 32) >> 6) * wy;
        sums[3 * c + 1] += ((g + 32) >> 6) * wy;
        sums[3 * c + 2] += ((red + 32) >> 6) * wy;
      }
    }
    constexpr int kShift = 2 * kWeightBits - 6;
    uint8_t* out = dest.ScanLine(y) + 3 * clip.Left;
    for (size_t c = 0; c < width; ++c) {
      if (columns.start[c] < 0) continue;
      for (size_t n = 0; n < 3; ++n) {
        out[3 * c + n] = uint8_t((sums[3 * c + n] + (1u << (kShift - 1))) >> kShift);
      }
    }
  }
}

}  // namespace

void StretchPixels(TBitmap& dest, const TRect& clip, const TRect& destRect, const TBitmap& source,
                   const TRect& sourceRect, TStretchMode mode) {
  if (source.Empty() || destRect.IsEmpty() || sourceRect.IsEmpty()) return;
  if (destRect.Width() > INT_MAX || destRect.Height() > INT_MAX || sourceRect.Width() > INT_MAX ||
      sourceRect.Height() > INT_MAX) {
    return;
  }
  const TRect area = Intersect(clip, destRect);
  if (area.IsEmpty()) return;
  const TAxis ax{destRect.Left, destRect.Width(), sourceRect.Left, sourceRect.Width(),
                 source.Width()};
  const TAxis ay{destRect.Top, destRect.Height(), sourceRect.Top, sourceRect.Height(),
                 source.Height()};
  if (mode == TStretchMode::Smooth) {
    StretchSmooth(dest, area, ax, ay, source);
  } else {
    StretchNearest(dest, area, ax, ay, source);
  }
}

}  // namespace lumigram
