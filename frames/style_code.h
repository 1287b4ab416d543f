#pragma once
// The frame style code: one band of rings per line, "width,outer,inner".
// Widths are percentages of the frame size ("d" 100, "r" what earlier bands
// left); colours are "d" (the base colour), "sN" (N per cent of the base
// towards black, above 100 towards white) or a literal colour number. Empty
// lines and lines starting with "//" are skipped. Nothing here allocates:
// the painter reads the code again on every paint.

#include <array>
#include <string_view>

#include "util/colour.h"

namespace lumigram {

// The fields of one band line. A field the line has may be empty (it was
// closed by a comma and reads as "d"); a field it lacks reads as 0.
struct TBandFields {
  std::array<std::string_view, 3> Field;
  int Count = 0;  // fields the line has, 1..3
};

// Splits at commas; a comma that ends the line stays in the field before it,
// fields after the third are dropped.
TBandFields SplitBandLine(std::string_view line);

// The width percentage of a present field: "d" 100, "r" the remainder, else
// the number clamped to 0..100.
int WidthPercent(std::string_view field, int remaining);
// The colour of a present field for the base colour.
TColor BandColour(std::string_view field, TColor base);

struct TFrameBand {
  int Percent = 0;
  TColor Outer = 0;  // the band's first (outermost) ring
  TColor Inner = 0;  // where the shading heads
};

// Reads the bands of a code in order. Stops once the percentages have added
// up to 100: later lines are not read at all.
class TStyleCodeReader {
 public:
  // base: the frame colour already made non-negative.
  TStyleCodeReader(std::string_view code, TColor base) : rest_(code), base_(base) {}

  // The next band; false when none is left.
  bool Next(TFrameBand& band);

 private:
  // The next line of any kind; false at the end of the code.
  bool NextLine(std::string_view& line);

  std::string_view rest_;
  TColor base_;
  int remaining_ = 100;
  bool done_ = false;
};

// The base colour a frame colour paints with: negative ones (the platform's
// system colours) count as black.
inline TColor PaintableBase(TColor colour) {
  return int32_t(colour) < 0 ? kBlack : colour;
}

}  // namespace lumigram
