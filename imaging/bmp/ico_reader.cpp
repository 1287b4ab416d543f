#include "imaging/bmp/ico_file.h"

#include <new>
#include <vector>

#include "imaging/bmp/icon_format.h"
#include "util/error_texts.h"
#include "util/files.h"

namespace lumigram {

namespace {

// Icon files hold at most 65535 images of at most 256 x 256 pixels.
constexpr int64_t kMaxIconFileBytes = int64_t(64) << 20;

uint32_t Blend(uint32_t colour, uint32_t background, uint32_t alpha) {
  return (colour * alpha + background * (255 - alpha) + 127) / 255;
}

}  // namespace

bool ReadIcoFile(std::string_view bytes, int64_t background, TBitmap& bitmap, int& bitsPerPixel,
                 std::string& error) try {
  error = err::kUnknownFormat;
  int type = 0;
  std::vector<icon::TIconEntry> entries;
  if (!icon::ReadIconDirectory(bytes, type, entries)) return false;
  icon::TIconPixels pixels;
  if (!icon::DecodeIconEntry(bytes, entries[icon::ChooseIconEntry(entries, 0)], pixels, error))
    return false;
  error = err::kOutOfMemory;
  const TColor under = background < 0 ? kWhite : TColor(background) & 0xFFFFFF;
  TBitmap drawn;
  if (!drawn.SetSize(pixels.Width, pixels.Height, under)) return false;
  for (int y = 0; y < pixels.Height; ++y) {
    uint8_t* out = drawn.ScanLine(y);
    for (int x = 0; x < pixels.Width; ++x, out += 3) {
      const size_t i = size_t(y) * size_t(pixels.Width) + size_t(x);
      const uint32_t p = pixels.Argb[i];
      const uint32_t alpha = p >> 24;
      for (int c = 0; c < 3; ++c) {  // out is blue, green, red as is p from its low byte
        const uint32_t channel = (p >> (8 * c)) & 0xFF;
        if (pixels.Invert[i])
          out[c] = uint8_t(out[c] ^ channel);
        else
          out[c] = uint8_t(Blend(channel, out[c], alpha));
      }
    }
  }
  bitmap = std::move(drawn);
  bitsPerPixel = 24;
  return true;
} catch (const std::bad_alloc&) {
  error = err::kOutOfMemory;
  return false;
}

bool LoadIcoFile(const std::string& path, int64_t background, TBitmap& bitmap, int& bitsPerPixel,
                 std::string& error) {
  std::string bytes;
  if (!ReadFileToString(path, bytes, error, kMaxIconFileBytes)) return false;
  return ReadIcoFile(bytes, background, bitmap, bitsPerPixel, error);
}

}  // namespace lumigram
