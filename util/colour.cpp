#include "util/colour.h"

#include <algorithm>

namespace lumigram {

int MaxChannel(TColor c) {
  return std::max({ChannelOf(c, 0), ChannelOf(c, 1), ChannelOf(c, 2)});
}

TColor ContrastColour(TColor c, int mode) {
  const TColor inverse = (c & 0xFF000000u) | (~c & 0x00FFFFFFu);
  switch (mode) {
    case 0:
      return inverse;
    case 1: {
      const int brightest = MaxChannel(c);
      return (brightest >= 100 && brightest <= 156) ? kWhite : inverse;
    }
    default:
      return c;
  }
}

TColor MixColor(int p, TColor c1, TColor c2) {
  if (p > 100) return MixColor(std::min(p - 100, 100), kWhite, c1);
  // 64 bits: p may be any negative number a style code or a caller spells.
  const int64_t q = std::clamp<int64_t>(100 - int64_t(p), 0, 100);
  TColor result = 0;
  for (int n = 0; n < 3; ++n) {
    const int64_t channel =
        std::clamp<int64_t>((int64_t(p) * ChannelOf(c1, n) + q * ChannelOf(c2, n)) / 100, 0, 255);
    result |= TColor(channel) << (8 * n);
  }
  return result;
}

}  // namespace lumigram
