#include "imaging/bitmap/byte_image.h"

#include <algorithm>

namespace lumigram {

void TByteImage::Attach(TBitmap* bitmap) {
  if (bitmap && bitmap == bitmap_ && bitmap->Width() == width_ && bitmap->Height() == height_) {
    return;
  }
  bitmap_ = bitmap;
  width_ = bitmap ? bitmap->Width() : 0;
  height_ = bitmap ? bitmap->Height() : 0;
  cursor_x_ = 0;
  cursor_y_ = 0;
}

// The bitmap is asked for its size on every access, so a bitmap resized
// behind this object's back is never overrun.
bool TByteImage::Inside(int x, int y) const {
  return bitmap_ && x >= 0 && y >= 0 && x < std::min(width_, bitmap_->Width()) &&
         y < std::min(height_, bitmap_->Height());
}

uint8_t* TByteImage::Row(int y) const {
  return bitmap_ && y < height_ ? bitmap_->ScanLine(y) : nullptr;
}

void TByteImage::SetCursor(int x, int y) {
  cursor_x_ = std::clamp(x, -1, std::max(width_ - 1, 0));
  cursor_y_ = std::clamp(y, 0, std::max(height_ - 1, 0));
}

bool TByteImage::WriteNext(uint32_t pixel) {
  if (!Inside(cursor_x_, cursor_y_)) return false;
  SetPixel(cursor_x_, cursor_y_, pixel);
  if (++cursor_x_ >= width_) {
    cursor_x_ = 0;
    ++cursor_y_;  // past the last row: the picture is complete
  }
  return true;
}

void TByteImage::GetPixel(int x, int y, uint32_t& pixel) const {
  if (!Inside(x, y)) return;
  const uint8_t* p = bitmap_->ScanLine(y) + 3 * x;
  pixel = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
}

void TByteImage::SetPixel(int x, int y, uint32_t pixel) {
  if (!Inside(x, y)) return;
  uint8_t* p = bitmap_->ScanLine(y) + 3 * x;
  p[0] = uint8_t(pixel);
  p[1] = uint8_t(pixel >> 8);
  p[2] = uint8_t(pixel >> 16);
}

void TByteImage::SplitBits(uint8_t byte, TByteSpan& span) {
  for (int bit = 7; bit >= 0; --bit) span.Add(uint8_t((byte >> bit) & 1));
}

}  // namespace lumigram
