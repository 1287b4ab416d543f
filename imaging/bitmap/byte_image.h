#pragma once
// Pixel access to a TBitmap for the picture decoders and encoders: pixels by
// position, or one after another from the top-left with a write cursor.
// Pixels are exchanged as blue + 256 * green + 65536 * red, the bytes' order
// in memory. Never reads or writes outside the bitmap.

#include <cstdint>

#include "imaging/bitmap/bitmap.h"
#include "imaging/bitmap/byte_span.h"

namespace lumigram {

class TByteImage {
 public:
  TByteImage() = default;
  explicit TByteImage(TBitmap* bitmap) { Attach(bitmap); }

  // Works on the bitmap (nullptr for none), which must outlive this object;
  // the cursor goes to (0, 0). Attaching the attached bitmap again changes
  // nothing unless its size changed.
  void Attach(TBitmap* bitmap);
  TBitmap* Bitmap() const { return bitmap_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // The bytes of row y; nullptr outside the bitmap.
  uint8_t* Row(int y) const;
  // Moves the write cursor; x is clamped to -1..last column, y to 0..last
  // row. Column -1 is outside the picture: WriteNext then writes nothing.
  void SetCursor(int x, int y);
  int CursorX() const { return cursor_x_; }
  int CursorY() const { return cursor_y_; }
  // Writes the pixel at the cursor and moves the cursor on, to the start of
  // the next row after the last column. False, writing nothing, once the
  // cursor has left the picture.
  bool WriteNext(uint32_t pixel);
  // Outside the bitmap pixel is left unchanged.
  void GetPixel(int x, int y, uint32_t& pixel) const;
  // Outside the bitmap nothing happens.
  void SetPixel(int x, int y, uint32_t pixel);

  // Appends the byte's bits, most significant first, as bytes 0 or 1 while
  // the span has room.
  static void SplitBits(uint8_t byte, TByteSpan& span);

 private:
  bool Inside(int x, int y) const;

  TBitmap* bitmap_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int cursor_x_ = 0;
  int cursor_y_ = 0;
};

}  // namespace lumigram
