#pragma once
// Colours are 32-bit values 0x00BBGGRR: red in the lowest byte.

#include <cstdint>

namespace lumigram {

using TColor = uint32_t;

inline constexpr TColor kWhite = 0xFFFFFF;
inline constexpr TColor kBlack = 0x000000;

inline constexpr TColor RGB(int red, int green, int blue) {
  return TColor(red & 0xFF) | (TColor(green & 0xFF) << 8) | (TColor(blue & 0xFF) << 16);
}

// Byte n of c, 0 the lowest.
inline constexpr int ChannelOf(TColor c, int n) {
  return int((c >> (8 * n)) & 0xFF);
}
int MaxChannel(TColor c);

// Mode 0: the inverse colour. Mode 1: white for mid-bright colours (brightest
// channel 100..156), where the inverse would hardly stand out, else the
// inverse. Other modes: c itself.
TColor ContrastColour(TColor c, int mode);

// p per cent of c1 mixed with the rest of c2; above 100 the excess lightens
// c1 towards white.
TColor MixColor(int p, TColor c1, TColor c2);

}  // namespace lumigram
