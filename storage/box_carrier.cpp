#include "storage/box_carrier.h"

#include <limits>

#include "util/error_texts.h"
#include "util/fields.h"

namespace lumigram {

namespace {

constexpr int64_t kFileHeaderSize = 14;
constexpr int64_t kInfoHeaderSize = 40;
constexpr int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

std::string Bytes2(uint16_t n) {
  return {char(n & 0xFF), char(n >> 8)};
}

}  // namespace

bool WrapInCarrier(std::string_view records, std::string& image, std::string& error,
                   int32_t width) {
  error = err::kUnexpectedError;
  if (width < 1 || width > 65535) return false;
  error = err::kOutOfMemory;
  const int64_t rowBytes = (int64_t(width) * 3 + 3) / 4 * 4;
  const int64_t used = kCarrierLeadingFiller + int64_t(records.size());
  const int64_t height = (used + rowBytes - 1) / rowBytes;
  const int64_t pixelBytes = rowBytes * height;
  const int64_t offset = kFileHeaderSize + kInfoHeaderSize;
  if (offset + pixelBytes > std::numeric_limits<int32_t>::max()) return false;
  try {
    std::string bmp;
    bmp.reserve(size_t(offset + pixelBytes));
    bmp += "BM";
    bmp += IntToBytes4(int32_t(offset + pixelBytes));
    bmp += IntToBytes4(0);  // reserved
    bmp += IntToBytes4(int32_t(offset));
    bmp += IntToBytes4(int32_t(kInfoHeaderSize));
    bmp += IntToBytes4(width);
    bmp += IntToBytes4(int32_t(height));  // positive: bottom-up rows
    bmp += Bytes2(1);                     // planes
    bmp += Bytes2(24);                    // bits per pixel
    bmp += IntToBytes4(0);                // no compression
    bmp += IntToBytes4(int32_t(pixelBytes));
    bmp += IntToBytes4(kPixelsPerMetre);
    bmp += IntToBytes4(kPixelsPerMetre);
    bmp += IntToBytes4(0);  // colours used: no palette
    bmp += IntToBytes4(0);  // important colours
    bmp.append(size_t(kCarrierLeadingFiller), char(kCarrierFillerByte));
    bmp += records;
    bmp.append(size_t(pixelBytes - used), char(kCarrierFillerByte));
    image = std::move(bmp);
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace lumigram
