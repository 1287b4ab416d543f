#include "imaging/text/font.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace lumigram {

namespace {

// n * mul / div rounded half away from zero, as Windows' MulDiv; div > 0.
int64_t MulDivRound(int64_t n, int64_t mul, int64_t div) {
  const int64_t product = std::llabs(n) * mul;
  const int64_t quotient = (product + div / 2) / div;
  return n < 0 ? -quotient : quotient;
}

}  // namespace

int HeightOfPoints(int points) {
  const int64_t clamped = std::clamp(points, -100000, 100000);
  return int(-MulDivRound(clamped, kFontDpi, 72));
}

int PointsOfHeight(int height) {
  if (height == 0) height = TFont::kDefaultHeight;
  return int(MulDivRound(std::llabs(int64_t(height)), 72, kFontDpi));
}

}  // namespace lumigram
