// The JPEG reader, fed arbitrary bytes; what decodes is encoded again.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "imaging/jpeg/jpeg_reader.h"
#include "imaging/jpeg/jpeg_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A smaller cap than the program's keeps each run quick; the cap itself is
  // the same code either way.
  constexpr int kMaxSide = 1024;
  lumigram::TBitmap bitmap;
  int bits = 0;
  std::string error;
  if (lumigram::ReadJpeg(std::string_view(reinterpret_cast<const char*>(data), size), bitmap, bits,
                         error, kMaxSide) &&
      bitmap.Width() * bitmap.Height() <= 256 * 256) {
    std::string bytes;
    lumigram::WriteJpeg(bitmap, 50, bytes, error);
  }
  return 0;
}
