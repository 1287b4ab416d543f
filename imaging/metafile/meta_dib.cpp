#include "imaging/metafile/meta_dib.h"

#include <algorithm>
#include <string>

#include "imaging/bmp/bmp_file.h"
#include "imaging/bmp/dib_format.h"

namespace lumigram::meta {

bool DecodeMetaDib(std::string_view header, std::string_view bits, TBitmap& bitmap, int maxSide,
                   bool* topDown) {
  if (header.size() > (uint32_t(1) << 20)) return false;
  std::string packed;
  packed.reserve(header.size() + bits.size());
  packed.append(header);
  dib::TDibFormat format;
  // The header alone tells the size; the pixels follow its colour table.
  if (!dib::ParseDibHeader(packed, 0, 0, format)) return false;
  if (format.Width < 1 || format.Height < 1 || format.Width > maxSide || format.Height > maxSide)
    return false;
  // Run-length data can repeat one byte pair into at most 255 pixels.
  const uint64_t pixels = uint64_t(format.Width) * uint64_t(format.Height);
  const uint64_t bytes = bits.size() + 64;
  const bool runs = format.Compression == dib::kRle8 || format.Compression == dib::kRle4;
  const uint64_t reachable = runs ? bytes * 255 : bytes * 8 / uint64_t(format.BitCount);
  if (pixels > reachable) return false;
  // The pixels go right behind the colour table: bytes the record has
  // between them are dropped, colours it leaves out are black.
  if (format.BitsOffset > header.size() + 4096) return false;
  packed.resize(size_t(format.BitsOffset), '\0');
  packed.append(bits);
  int bitsPerPixel = 0;
  std::string error;
  if (topDown) *topDown = format.TopDown;
  return DecodeDib(packed, bitmap, bitsPerPixel, error, maxSide);
}

bool DecodePackedMetaDib(std::string_view dib, TBitmap& bitmap, int maxSide, bool* topDown) {
  dib::TDibFormat format;
  if (!dib::ParseDibHeader(dib, 0, 0, format)) return false;
  const size_t split = size_t(std::min<uint64_t>(format.BitsOffset, dib.size()));
  return DecodeMetaDib(dib.substr(0, split), dib.substr(split), bitmap, maxSide, topDown);
}

}  // namespace lumigram::meta
