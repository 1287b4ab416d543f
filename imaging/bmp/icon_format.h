#pragma once
// The icon directory shared by .ico and .cur files (and the frames of .ani
// files), and the decoding of one of its images, a DIB with its AND mask or
// a PNG, into ARGB pixels.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumigram::icon {

// The largest icon or cursor image there is; larger ones are left out.
inline constexpr int kMaxIconSide = 256;

inline constexpr int kIconType = 1;
inline constexpr int kCursorType = 2;

struct TIconEntry {
  uint64_t Offset = 0;
  uint64_t Size = 0;  // cut to the bytes the file holds
  bool Png = false;
  // From the image itself, not from the directory, which often says 0.
  int Width = 0;
  int Height = 0;
  int Bits = 0;
  // Cursors give it in the directory; icons point at their centre.
  int HotSpotX = 0;
  int HotSpotY = 0;
};

// Reads the directory of an icon (type 1) or cursor (type 2) file. Entries
// whose image header is unreadable, of an unsupported kind or larger than
// kMaxIconSide are left out. False when the bytes are not such a file or no
// entry is usable.
bool ReadIconDirectory(std::string_view bytes, int& type, std::vector<TIconEntry>& entries);

// The index of the entry to show. preferredSide 0: the largest area, then
// the most bits per pixel. Otherwise the entry whose longer side is nearest
// to preferredSide, the larger on a tie, then the largest area and the most
// bits per pixel.
size_t ChooseIconEntry(const std::vector<TIconEntry>& entries, int preferredSide);

// One decoded image. Invert marks the pixels that invert what lies beneath
// (AND mask set over a non-black colour); their Argb holds the colour with
// alpha 0.
struct TIconPixels {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Argb;   // not premultiplied, rows top to bottom
  std::vector<uint8_t> Invert;  // one flag per pixel
};

// Decodes the entry's image. False, with error set, for damaged data: an
// icon's pixels must be complete (only a missing AND mask is forgiven, and
// then counts as opaque).
bool DecodeIconEntry(std::string_view bytes, const TIconEntry& entry, TIconPixels& pixels,
                     std::string& error);

// A PNG image as ARGB rows; false for anything libpng refuses and for sides
// above maxSide.
bool DecodePngArgb(std::string_view png, int maxSide, int& width, int& height,
                   std::vector<uint32_t>& argb);

}  // namespace lumigram::icon
