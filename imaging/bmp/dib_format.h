#pragma once
// The header of a device-independent bitmap and the decoding of its pixels,
// shared by the BMP reader and the icon and cursor readers. Pixels come out
// as 32-bit ARGB (alpha in the top byte), one picture row at a time.

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

namespace lumigram::dib {

inline constexpr uint32_t kRgb = 0;
inline constexpr uint32_t kRle8 = 1;
inline constexpr uint32_t kRle4 = 2;
inline constexpr uint32_t kBitFields = 3;
inline constexpr uint32_t kAlphaBitFields = 6;

inline constexpr uint32_t kOpaque = 0xFF000000;

struct TDibFormat {
  uint32_t HeaderSize = 0;
  int Width = 0;
  int Height = 0;  // rows; the sign of the stored height is in TopDown
  bool TopDown = false;
  int BitCount = 0;
  uint32_t Compression = kRgb;
  // Channel masks for 16 and 32 bits: red, green, blue, alpha. An alpha mask
  // of 0 means opaque.
  std::array<uint32_t, 4> Masks{};
  // Colours for 1, 4 and 8 bits as opaque ARGB; entries the file does not
  // give (short tables, indexes past the table) are black.
  std::array<uint32_t, 256> Palette{};
  int PaletteCount = 0;
  // Where the pixels start in the bytes the header was read from.
  uint64_t BitsOffset = 0;

  // Bytes of one stored row of uncompressed pixels (padded to 4).
  uint64_t RowBytes() const { return (uint64_t(Width) * uint64_t(BitCount) + 31) / 32 * 4; }
  // The colour depth the picture loader reports: 1, 4, 8, 15, 16, 24 or 32;
  // 24 for 16-bit masks other than 5-5-5 and 5-6-5.
  int ReportedBits() const;
};

// Reads the DIB header that starts at headerAt, with its masks and colour
// table. The pixels are taken to follow the colour table, unless bitsOffset
// is given (a BMP file's pixel offset) and lies past the header and inside
// the bytes; a colour table is then cut short where the pixels begin. False
// for anything but a well-formed header of a supported kind.
bool ParseDibHeader(std::string_view bytes, uint64_t headerAt, uint64_t bitsOffset,
                    TDibFormat& format);

// Receives picture row y (0 the top) as Width ARGB pixels.
using TRowSink = std::function<void(int y, const uint32_t* pixels)>;

// Decodes the pixels in bits (everything from BitsOffset on). Every row the
// data reaches goes to the sink, with `unset` for the pixels it does not give:
// past the end of the data, or skipped and left out by an RLE stream. Rows
// the data does not reach at all are not reported. Never reads past bits.
void DecodeDibPixels(const TDibFormat& format, std::string_view bits, uint32_t unset,
                     const TRowSink& sink);

}  // namespace lumigram::dib
