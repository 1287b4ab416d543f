// The BMP file and packed DIB readers, fed arbitrary bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "imaging/bmp/bmp_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // A lower size cap keeps each run fast; the cap itself is a plain compare.
  constexpr int kSide = 2048;
  lumigram::TBitmap bitmap;
  int bits = 0;
  std::string error;
  if (lumigram::ReadBmpFile(bytes, bitmap, bits, error, kSide))
    lumigram::ReadBmpFile(lumigram::WriteBmpFile(bitmap), bitmap, bits, error, kSide);
  lumigram::DecodeDib(bytes, bitmap, bits, error, kSide);
  if (size > 14) lumigram::DecodeDib(bytes.substr(14), bitmap, bits, error, kSide);
  return 0;
}
