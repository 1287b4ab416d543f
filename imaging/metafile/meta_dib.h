#pragma once
// The device-independent bitmaps metafile records carry: a header with its
// colour table, and the pixels, either right behind it or elsewhere in the
// record.

#include <cstdint>
#include <string_view>

#include "imaging/bitmap/bitmap.h"

namespace lumigram::meta {

// Decodes the bitmap. Refuses sides above maxSide and pictures far larger
// than the pixel data could describe (a few bytes must not make a giant
// bitmap); pixels the data does not reach stay white.
// topDown, if given, tells whether the stored rows run top to bottom.
bool DecodeMetaDib(std::string_view header, std::string_view bits, TBitmap& bitmap, int maxSide,
                   bool* topDown = nullptr);
// The same for a packed bitmap: header, colour table and pixels in a row.
bool DecodePackedMetaDib(std::string_view dib, TBitmap& bitmap, int maxSide,
                         bool* topDown = nullptr);

}  // namespace lumigram::meta
