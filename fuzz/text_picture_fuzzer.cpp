// The Text Picture reader, fed arbitrary bytes. A picture it reads has at most
// 64 colours, so writing it at depth 6 and reading that back must give it
// again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "imaging/text_formats/text_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lumigram::TTextPicture picture;
  picture.SetMaxSide(1024);  // big pictures only cost time
  if (!picture.FromText(std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
  picture.SetWrapMode(int(size % 3));
  std::string text;
  lumigram::TTextPicture back;
  if (!picture.ToText(text) || !back.FromText(text) || !(back.Picture() == picture.Picture())) {
    std::abort();
  }
  return 0;
}
