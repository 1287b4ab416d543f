// The WMF and EMF players, fed arbitrary bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "imaging/metafile/metafile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // A small size cap keeps each run fast: the work budget grows with the
  // picture's area.
  constexpr int kSide = 256;
  lumigram::TBitmap bitmap;
  std::string error;
  lumigram::ReadMetafile(bytes, bitmap, error, kSide);
  return 0;
}
