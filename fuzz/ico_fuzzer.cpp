// The icon file reader, fed arbitrary bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "imaging/bmp/ico_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  lumigram::TBitmap bitmap;
  int bits = 0;
  std::string error;
  lumigram::ReadIcoFile(bytes, 0x123456, bitmap, bits, error);
  return 0;
}
