#include "imaging/bitmap/bitmap.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace lumigram {

namespace {

int StrideFor(int width) {
  return (width * 3 + 3) & ~3;
}

// Grey levels, white above all, have three equal bytes: one memset.
bool IsGrey(TColor colour) {
  const uint8_t red = uint8_t(colour);
  return uint8_t(colour >> 8) == red && uint8_t(colour >> 16) == red;
}

void FillRow(uint8_t* row, int width, TColor colour) {
  if (width <= 0) return;
  if (IsGrey(colour)) {
    std::memset(row, uint8_t(colour), size_t(width) * 3);
    return;
  }
  for (int x = 0; x < width; ++x) PutColour(row + 3 * x, colour);
}

}  // namespace

TBitmap::TBitmap(TBitmap&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      stride_(std::exchange(other.stride_, 0)),
      pixels_(std::exchange(other.pixels_, {})) {}

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
  if (this != &other) {
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    stride_ = std::exchange(other.stride_, 0);
    pixels_ = std::exchange(other.pixels_, {});
  }
  return *this;
}

bool TBitmap::SetSize(int width, int height, TColor fill) {
  if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide) return false;
  if (width == width_ && height == height_) return true;
  const int stride = StrideFor(width);
  const int64_t bytes = int64_t(stride) * height;  // both at most kMaxSide: no overflow
  if (bytes > kMaxBytes) return false;
  const int keepWidth = std::min(width, width_);
  const int keepHeight = std::min(height, height_);
  // A new grey picture without row padding is its fill byte throughout:
  // written once instead of zeroed and then filled.
  const bool oneFill = (keepWidth == 0 || keepHeight == 0) && stride == 3 * width && IsGrey(fill);
  std::vector<uint8_t> pixels;
  try {
    pixels.assign(size_t(bytes), oneFill ? uint8_t(fill) : 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (int y = 0; !oneFill && bytes > 0 && y < height; ++y) {
    uint8_t* row = pixels.data() + size_t(y) * size_t(stride);
    int from = 0;
    if (y < keepHeight && keepWidth > 0) {
      std::memcpy(row, pixels_.data() + size_t(y) * size_t(stride_), size_t(keepWidth) * 3);
      from = keepWidth;
    }
    FillRow(row + 3 * from, width - from, fill);
  }
  width_ = width;
  height_ = height;
  stride_ = stride;
  pixels_ = std::move(pixels);
  return true;
}

uint8_t* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= height_ || pixels_.empty()) return nullptr;
  return pixels_.data() + size_t(y) * size_t(stride_);
}

const uint8_t* TBitmap::ScanLine(int y) const {
  if (y < 0 || y >= height_ || pixels_.empty()) return nullptr;
  return pixels_.data() + size_t(y) * size_t(stride_);
}

TColor TBitmap::GetPixel(int x, int y) const {
  if (x < 0 || x >= width_ || y < 0 || y >= height_) return kNoPixel;
  return ColourAt(ScanLine(y) + 3 * x);
}

void TBitmap::SetPixel(int x, int y, TColor colour) {
  if (x < 0 || x >= width_ || y < 0 || y >= height_) return;
  PutColour(ScanLine(y) + 3 * x, colour);
}

void TBitmap::Fill(TColor colour) {
  if (Empty()) return;
  FillRow(ScanLine(0), width_, colour);
  for (int y = 1; y < height_; ++y) std::memcpy(ScanLine(y), ScanLine(0), size_t(stride_));
}

bool operator==(const TBitmap& a, const TBitmap& b) {
  return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
}

}  // namespace lumigram
