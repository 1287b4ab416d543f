#pragma once
// Windows bitmaps: whole BMP files (a 14-byte file header before the DIB) and
// packed DIBs (header, colour table and pixels back to back, as icons,
// cursors and the clipboard carry them).
//
// Reading accepts 1, 4, 8, 16, 24 and 32 bits per pixel, RLE8 and RLE4,
// BI_BITFIELDS masks, top-down and bottom-up rows, OS/2 core headers and the
// V4 and V5 headers. Pixels the data does not reach (a cut-off file, or
// pixels an RLE stream skips or never sets) stay white; an alpha channel is
// ignored. Writing always makes a 24-bit bottom-up file.

#include <string>
#include <string_view>

#include "imaging/bitmap/bitmap.h"

namespace lumigram {

// The largest side of a picture the readers accept; larger ones fail with
// "Out of memory" before anything is allocated.
inline constexpr int kMaxDibSide = 19000;

// The whole BMP file for the bitmap: 24 bits per pixel, rows bottom-up.
// Empty only when there is no memory for it.
std::string WriteBmpFile(const TBitmap& bitmap);
// Writes WriteBmpFile's bytes to the path; error receives the failure text.
bool SaveBmpFile(const std::string& path, const TBitmap& bitmap, std::string& error);

// Reads a BMP file (starting "BM"). On success the bitmap holds the picture
// and bitsPerPixel the file's colour depth as the picture loader reports it:
// 1, 4, 8, 15 (16-bit 5-5-5), 16 (5-6-5), 24 (also for 16-bit files with
// other masks) or 32. On failure the bitmap is unchanged and error holds
// "Unknown format" or "Out of memory". maxSide lowers the size cap.
bool ReadBmpFile(std::string_view bytes, TBitmap& bitmap, int& bitsPerPixel, std::string& error,
                 int maxSide = kMaxDibSide);
// The same for a packed DIB, which starts with its header.
bool DecodeDib(std::string_view dib, TBitmap& bitmap, int& bitsPerPixel, std::string& error,
               int maxSide = kMaxDibSide);
// ReadBmpFile on a file's bytes; also "File not found" and "File in use".
bool LoadBmpFile(const std::string& path, TBitmap& bitmap, int& bitsPerPixel, std::string& error);

}  // namespace lumigram
