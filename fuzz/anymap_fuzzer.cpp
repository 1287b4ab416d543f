// The portable anymap reader, fed arbitrary bytes. Whatever it reads must
// come back unchanged through a raw pixmap.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "imaging/text_formats/portable_pixelmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lumigram::TPortablePixelmap map;
  map.SetMaxSide(1024);  // big pictures only cost time
  if (!map.ReadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
  map.SetPnmType(6);
  std::string bytes;
  lumigram::TPortablePixelmap back;
  if (!map.WriteToBytes(bytes) || !back.ReadFromBytes(bytes) ||
      !(back.Picture() == map.Picture())) {
    std::abort();
  }
  return 0;
}
