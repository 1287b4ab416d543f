#include "imaging/bmp/bmp_file.h"

#include <new>

#include "imaging/bitmap/le_bytes.h"
#include "util/error_texts.h"
#include "util/files.h"

namespace lumigram {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

}  // namespace

std::string WriteBmpFile(const TBitmap& bitmap) try {
  // TBitmap rows are already BMP rows: blue, green, red, zero-padded to 4.
  const uint32_t imageSize = uint32_t(bitmap.Stride()) * uint32_t(bitmap.Height());
  const uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
  std::string out;
  out.reserve(size_t(offset) + imageSize);
  out += "BM";
  le::PutU32(out, offset + imageSize);
  le::PutU32(out, 0);  // two reserved words
  le::PutU32(out, offset);
  le::PutU32(out, kInfoHeaderSize);
  le::PutU32(out, uint32_t(bitmap.Width()));
  le::PutU32(out, uint32_t(bitmap.Height()));  // positive: bottom-up
  le::PutU16(out, 1);                          // planes
  le::PutU16(out, 24);
  le::PutU32(out, 0);  // BI_RGB
  le::PutU32(out, imageSize);
  le::PutU32(out, 0);  // no resolution: the picture is shown pixel for pixel
  le::PutU32(out, 0);
  le::PutU32(out, 0);  // no colour table
  le::PutU32(out, 0);
  for (int y = bitmap.Height() - 1; y >= 0; --y)
    out.append(reinterpret_cast<const char*>(bitmap.ScanLine(y)), size_t(bitmap.Stride()));
  return out;
} catch (const std::bad_alloc&) {
  return {};
}

bool SaveBmpFile(const std::string& path, const TBitmap& bitmap, std::string& error) {
  const std::string bytes = WriteBmpFile(bitmap);
  if (bytes.empty()) {
    error = err::kOutOfMemory;
    return false;
  }
  return WriteStringToFile(path, bytes, error);
}

}  // namespace lumigram
