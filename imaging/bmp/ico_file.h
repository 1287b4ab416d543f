#pragma once
// Windows icon files (.ico) as pictures: the largest image of the file, its
// transparent parts showing a background colour.

#include <cstdint>
#include <string>
#include <string_view>

#include "imaging/bitmap/bitmap.h"

namespace lumigram {

// No background given: transparent parts show white, the colour of a new
// bitmap.
inline constexpr int64_t kNoIconBackground = -1;

// Reads the image with the largest area (then the most bits per pixel) into
// the bitmap, drawn over `background` (a colour 0x00BBGGRR, or a negative
// value for none): AND-masked pixels show the background, or the background
// inverted where the icon inverts, and alpha is blended over it. Takes DIB
// (1, 4, 8, 16, 24, 32 bits) and PNG images. bitsPerPixel is 24 on success.
// On failure the bitmap is unchanged and error is "Unknown format" or "Out of
// memory".
bool ReadIcoFile(std::string_view bytes, int64_t background, TBitmap& bitmap, int& bitsPerPixel,
                 std::string& error);
// ReadIcoFile on a file's bytes; also "File not found" and "File in use".
bool LoadIcoFile(const std::string& path, int64_t background, TBitmap& bitmap, int& bitsPerPixel,
                 std::string& error);

}  // namespace lumigram
