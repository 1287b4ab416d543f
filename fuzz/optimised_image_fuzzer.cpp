// The optimised image decoder, fed arbitrary bytes; what decodes is encoded
// again.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "imaging/jpeg/optimised_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lumigram::TOptimisedImage image;
  // A smaller cap than the program's keeps each run quick and small.
  image.SetMaxSide(1024);
  if (image.FromBytes(std::string_view(reinterpret_cast<const char*>(data), size)) &&
      image.Width() * image.Height() <= 256 * 256) {
    std::string bytes;
    image.ToBytes(bytes);
  }
  return 0;
}
