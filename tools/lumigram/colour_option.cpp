#include "tools/lumigram/colour_option.h"

#include <charconv>
#include <cstdint>

namespace lumigram::cli {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool ReadColourOption(const std::string& text, TColor& colour) {
  if (text.size() == 7 && text[0] == '#') {
    int channels[3];
    for (int i = 0; i < 3; ++i) {
      const int high = HexDigit(text[size_t(1 + 2 * i)]);
      const int low = HexDigit(text[size_t(2 + 2 * i)]);
      if (high < 0 || low < 0) return false;
      channels[i] = high * 16 + low;
    }
    colour = RGB(channels[0], channels[1], channels[2]);
    return true;
  }
  uint32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return false;
  colour = value;
  return true;
}

}  // namespace lumigram::cli
