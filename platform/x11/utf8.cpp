#include "platform/x11/utf8.h"

namespace lumigram {

std::string Utf8ToLatin1(std::string_view text) {
  std::string result;
  for (size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    result += c <= 0xFF ? char(c) : '?';
  }
  return result;
}

char32_t KeySymCodePoint(unsigned long keySym) {
  if ((keySym >= 0x20 && keySym <= 0x7E) || (keySym >= 0xA0 && keySym <= 0xFF))
    return char32_t(keySym);
  if ((keySym & 0xFF000000) == 0x01000000) return char32_t(keySym & 0x00FFFFFF);
  return 0;
}

}  // namespace lumigram
