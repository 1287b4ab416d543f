#include "platform/x11/pixel_format.h"

#include <bit>
#include <cstring>

namespace lumigram {

namespace {

// Places an 8-bit channel value into its mask, keeping its top bits.
uint32_t Place(int value, uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int width = std::popcount(mask);
  const uint32_t scaled =
      width >= 8 ? uint32_t(value) << (width - 8) : uint32_t(value) >> (8 - width);
  return (scaled << shift) & mask;
}

int Take(uint32_t pixel, uint32_t mask) {
  if (mask == 0) return 0;
  const int width = std::popcount(mask);
  const uint32_t value = (pixel & mask) >> std::countr_zero(mask);
  if (width >= 8) return int(value >> (width - 8));
  const uint32_t full = (uint32_t(1) << width) - 1;
  return int((value * 255 + full / 2) / full);
}

bool Contiguous(uint32_t mask) {
  return mask != 0 && std::has_single_bit((mask >> std::countr_zero(mask)) + 1);
}

}  // namespace

bool TPixelFormat::Supported() const {
  if (BitsPerPixel != 16 && BitsPerPixel != 24 && BitsPerPixel != 32) return false;
  const uint64_t limit = uint64_t(1) << BitsPerPixel;
  for (uint32_t mask : {RedMask, GreenMask, BlueMask})
    if (!Contiguous(mask) || mask >= limit) return false;
  return (RedMask & GreenMask) == 0 && (RedMask & BlueMask) == 0 && (GreenMask & BlueMask) == 0;
}

uint32_t TPixelFormat::PixelOf(TColor colour) const {
  return Place(ChannelOf(colour, 0), RedMask) | Place(ChannelOf(colour, 1), GreenMask) |
         Place(ChannelOf(colour, 2), BlueMask);
}

TColor TPixelFormat::ColourOf(uint32_t pixel) const {
  return RGB(Take(pixel, RedMask), Take(pixel, GreenMask), Take(pixel, BlueMask));
}

bool ConvertBitmap(const TBitmap& bitmap, const TPixelFormat& format, uint8_t* destination,
                   int stride) {
  if (!format.Supported()) return false;
  const int width = bitmap.Width();
  const int bytes = format.BitsPerPixel / 8;
  // The usual server: 32 bits, blue in the low byte, least significant first.
  const bool plain = format.BitsPerPixel == 32 && !format.MostSignificantFirst &&
                     format.RedMask == 0xFF0000 && format.GreenMask == 0xFF00 &&
                     format.BlueMask == 0xFF;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint8_t* source = bitmap.ScanLine(y);
    uint8_t* out = destination + size_t(y) * size_t(stride);
    if (plain) {
      // Four bytes read, the fourth masked off: one load and one store a
      // pixel. The row's last pixel is copied bytewise, since four bytes from
      // it could run past the bitmap.
      for (int x = 0; x + 1 < width; ++x, source += 3, out += 4) {
        uint32_t pixel;
        std::memcpy(&pixel, source, 4);
        pixel = std::endian::native == std::endian::little ? pixel & 0xFFFFFF : pixel & 0xFFFFFF00;
        std::memcpy(out, &pixel, 4);
      }
      if (width > 0) {
        out[0] = source[0];
        out[1] = source[1];
        out[2] = source[2];
        out[3] = 0;
      }
      continue;
    }
    for (int x = 0; x < width; ++x, source += 3, out += bytes) {
      const uint32_t pixel = format.PixelOf(ColourAt(source));
      for (int i = 0; i < bytes; ++i) {
        const int shift = format.MostSignificantFirst ? 8 * (bytes - 1 - i) : 8 * i;
        out[i] = uint8_t(pixel >> shift);
      }
    }
  }
  return true;
}

}  // namespace lumigram
