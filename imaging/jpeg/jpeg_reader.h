#pragma once
// JPEG decoding into the program's 24-bit bitmap: baseline and progressive,
// colour, greyscale and CMYK (also the inverted CMYK Adobe applications
// write). A file cut short decodes with its missing part grey, as libjpeg
// fills it.

#include <string>
#include <string_view>

#include "imaging/bitmap/bitmap.h"

namespace lumigram {

// The largest side a JPEG may have; larger ones fail before anything is
// allocated.
inline constexpr int kMaxJpegSide = 19000;

// On success the bitmap holds the picture and bitsPerPixel is 8 for a
// greyscale file, 24 otherwise. On failure error is "Unknown format" (or "Out
// of memory" when the bitmap cannot be sized) and the bitmap holds whatever
// was decoded so far: callers that must keep their picture decode into a
// copy. maxSide lowers the size cap.
bool ReadJpeg(std::string_view bytes, TBitmap& bitmap, int& bitsPerPixel, std::string& error,
              int maxSide = kMaxJpegSide);

}  // namespace lumigram
