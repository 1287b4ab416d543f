#include "card/password_hash.h"

#include <cstdint>
#include <cstring>

#include "util/text.h"

namespace lumigram {

namespace {

constexpr size_t kUsedCharacters = 128;

uint32_t ExtraA(int c, bool odd) {
  if (odd) {
    switch (c) {
      case 51:
        return 17;
      case 93:
        return 83;
      case 101:
        return 253;
      case 104:
        return 143;
      case 126:
        return 200;
      case 130:
        return 43;
      default:
        return 0;
    }
  }
  if (c < 100) return 3;
  if (c <= 105) return 1023;
  if (c <= 140) return 511;
  return 357;
}

uint32_t ExtraB(int c, bool odd) {
  if (odd) {
    switch (c) {
      case 1:
        return 81;
      case 3:
        return 19;
      case 11:
        return 100;
      case 21:
        return 17;
      case 47:
        return 183;
      case 193:
        return 175;
      case 199:
        return 769;
      case 201:
        return 461;
      case 233:
        return 95;
      case 249:
        return 111;
      default:
        return 0;
    }
  }
  if (c < 10) return 7;
  if (c <= 55) return 191;
  if (c <= 100) return 825;
  if (c <= 103) return 478;
  if (c <= 200) return 501;
  return 632;
}

}  // namespace

double PasswordHash(std::string_view password) {
  const std::string text = UpperAscii(std::string(password.substr(0, kUsedCharacters)));
  const auto n = uint32_t(text.size());
  uint32_t a = 1 + n;
  uint32_t b = 99;
  for (uint32_t i = 1; i <= n; ++i) {
    const int c = uint8_t(text[i - 1]);
    const bool odd = (i % 2) == 1;
    a += uint32_t(c) + ExtraA(c, odd);
    b += uint32_t(c) + ExtraB(c, odd);
  }
  const uint64_t bits = uint64_t(a) | (uint64_t(b) << 32);
  double hash;
  std::memcpy(&hash, &bits, sizeof hash);
  return hash;
}

}  // namespace lumigram
