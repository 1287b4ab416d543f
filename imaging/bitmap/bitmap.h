#pragma once
// The program's one bitmap: 24 bits per pixel, rows top to bottom, each row
// blue, green, red per pixel and padded with zeros to a multiple of 4 bytes,
// so a BMP writer can copy rows as they are. A plain value: copying it copies
// the pixels (the editor's undo snapshot relies on that).

#include <cstdint>
#include <vector>

#include "util/colour.h"

namespace lumigram {

class TBitmap {
 public:
  static constexpr int kMaxSide = 30000;
  // Room for the largest picture the editor lets a user make, 19000 x 19000.
  static constexpr int64_t kMaxBytes = int64_t(1100) << 20;
  // What GetPixel answers outside the bitmap.
  static constexpr TColor kNoPixel = 0xFFFFFFFF;

  TBitmap() = default;
  TBitmap(const TBitmap&) = default;
  TBitmap& operator=(const TBitmap&) = default;
  // A moved-from bitmap is empty (0 x 0).
  TBitmap(TBitmap&& other) noexcept;
  TBitmap& operator=(TBitmap&& other) noexcept;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // True when the bitmap has no pixels (either side 0).
  bool Empty() const { return width_ == 0 || height_ == 0; }
  // Bytes from one row to the next: 3 x width rounded up to 4.
  int Stride() const { return stride_; }

  // Resizes, keeping the overlapping top-left pixels and giving new pixels
  // the fill colour. False, changing nothing, for a negative side, a side
  // above kMaxSide, more than kMaxBytes of pixels, or no memory.
  bool SetSize(int width, int height, TColor fill = kWhite);

  // The bytes of row y (0 the top), Stride() of them; nullptr outside.
  uint8_t* ScanLine(int y);
  const uint8_t* ScanLine(int y) const;

  // The pixel as 0x00BBGGRR; kNoPixel outside the bitmap.
  TColor GetPixel(int x, int y) const;
  // Outside the bitmap nothing happens.
  void SetPixel(int x, int y, TColor colour);
  // Every pixel takes the colour.
  void Fill(TColor colour);

  // Same size and same pixels.
  friend bool operator==(const TBitmap& a, const TBitmap& b);

 private:
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  std::vector<uint8_t> pixels_;  // padding bytes stay 0
};

// Writes a colour as the three bytes blue, green, red.
inline void PutColour(uint8_t* p, TColor colour) {
  p[0] = uint8_t(colour >> 16);
  p[1] = uint8_t(colour >> 8);
  p[2] = uint8_t(colour);
}

inline TColor ColourAt(const uint8_t* p) {
  return TColor(p[2]) | (TColor(p[1]) << 8) | (TColor(p[0]) << 16);
}

}  // namespace lumigram
