// The X bitmap reader, fed arbitrary bytes. What it reads is black and white,
// so writing it and reading that back must give it again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "imaging/text_formats/x_bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lumigram::TXBitmap bitmap;
  bitmap.SetMaxSide(1024);  // big pictures only cost time
  if (!bitmap.ReadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
  std::string text;
  lumigram::TXBitmap back;
  if (!bitmap.WriteToBytes(text) || !back.ReadFromBytes(text) ||
      !(back.Picture() == bitmap.Picture())) {
    std::abort();
  }
  return 0;
}
