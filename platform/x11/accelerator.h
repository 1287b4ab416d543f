#pragma once
// Menu and button captions mark their keyboard letter with "&" ("E&xit");
// "&&" stands for a plain "&".

#include <string>
#include <string_view>

namespace lumigram {

struct TAcceleratedText {
  std::string Text;                 // the caption as shown, UTF-8
  size_t Mark = std::string::npos;  // byte offset of the marked character in Text
  size_t MarkLength = 0;            // its length in bytes
  char32_t Key = 0;                 // the marked character, ASCII letters folded to lower case
};

TAcceleratedText ParseAccelerator(std::string_view caption);

}  // namespace lumigram
