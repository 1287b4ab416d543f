#pragma once
// The encoding search of the optimised image (the rule is in omi_rule.h).
// Large pictures use both cores: the bitmap is packed on one thread while
// JPEG qualities are encoded on two, each thread told only what the rule
// still needs, and the packing paused or given up as soon as its size can no
// longer change the outcome. The result is the same as trying the qualities
// one after another.

#include <string>

#include "imaging/bitmap/bitmap.h"

namespace lumigram {

struct TOmiChoice {
  bool packed = false;  // the packed bitmap ("BMP") rather than a JPEG
  int quality = 0;      // the quality at which the search stopped
  std::string data;     // the packed bitmap or the JPEG file
};

// False with error "Out of memory" when the bitmap cannot be saved or packed
// (or the packing's own text), "Unexpected error" when the JPEG encoder
// fails.
bool ChooseOmiEncoding(const TBitmap& picture, TOmiChoice& choice, std::string& error);

// The same, one step after another on the calling thread.
bool ChooseOmiEncodingSequentially(const TBitmap& picture, TOmiChoice& choice, std::string& error);

}  // namespace lumigram
