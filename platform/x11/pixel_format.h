#pragma once
// Turning our 24-bit bitmaps into the pixels of a true-colour X visual, which
// X describes by bits per pixel, byte order and one mask per channel.

#include <cstdint>

#include "imaging/bitmap/bitmap.h"

namespace lumigram {

struct TPixelFormat {
  int BitsPerPixel = 32;  // 16, 24 or 32
  bool MostSignificantFirst = false;
  uint32_t RedMask = 0xFF0000;
  uint32_t GreenMask = 0x00FF00;
  uint32_t BlueMask = 0x0000FF;

  bool Supported() const;
  // The pixel value of a colour (0x00BBGGRR).
  uint32_t PixelOf(TColor colour) const;
  // The colour of a pixel value; channels narrower than 8 bits are widened.
  TColor ColourOf(uint32_t pixel) const;
};

// Writes the bitmap's rows to destination, stride bytes apart. False, writing
// nothing, for a format it does not support.
bool ConvertBitmap(const TBitmap& bitmap, const TPixelFormat& format, uint8_t* destination,
                   int stride);

}  // namespace lumigram
