#pragma once
// One frame: the rim painted around a card's picture. Held by value.

#include <cstdint>
#include <string>

#include "util/colour.h"

namespace lumigram {

// The thickest frame any owner keeps.
inline constexpr int32_t kMaxFrameSize = 255;

struct TFrameInfo {
  TColor Color = 0;   // base colour; a "negative" one (top bit set) paints as black
  int32_t Size = 0;   // thickness in pixels, 0..kMaxFrameSize
  std::string Code;   // the style code (frames/style_code.h)
  std::string Extra;  // free text carried in frame files; painting ignores it

  friend bool operator==(const TFrameInfo&, const TFrameInfo&) = default;
};

// Keeps a size within 0..kMaxFrameSize.
int32_t ClampFrameSize(int64_t size);

// The frame a new card starts with: white, 52 pixels, "Colored Insert".
TFrameInfo NewCardFrame();
// What a frame file holder starts with and returns to: silver, 52 pixels, "Modern".
TFrameInfo DefaultFrameFileSettings();

}  // namespace lumigram
