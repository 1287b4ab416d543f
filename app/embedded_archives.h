#pragma once
// The three zip boxes built into the program, each a 24-bit BMP file image
// that carries the box records in its pixel bytes.

#include <string_view>

namespace lumigram {

struct TProgramArchives {
  std::string_view Core;     // splash picture and the card viewer program
  std::string_view Help;     // the help pages
  std::string_view Support;  // sample files for the user's library
};

// The archives packed into this executable when it was built.
TProgramArchives EmbeddedArchives();

}  // namespace lumigram
