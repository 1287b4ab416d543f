#include "platform/x11/utf8.h"

namespace lumigram {

char32_t NextCodePoint(std::string_view text, size_t& position) {
  const auto byte = [&](size_t i) { return uint8_t(text[i]); };
  const uint8_t lead = byte(position);
  int length = 0;
  char32_t value = 0;
  char32_t least = 0;
  if (lead < 0x80) {
    ++position;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, least = 0x10000;
  }
  if (length == 0 || position + size_t(length) > text.size()) {
    ++position;
    return kReplacementCharacter;
  }
  for (int i = 1; i < length; ++i) {
    const uint8_t next = byte(position + size_t(i));
    if ((next & 0xC0) != 0x80) {
      ++position;
      return kReplacementCharacter;
    }
    value = (value << 6) | (next & 0x3F);
  }
  if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    ++position;
    return kReplacementCharacter;
  }
  position += size_t(length);
  return value;
}

void AppendUtf8(std::string& text, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacementCharacter;
  if (c < 0x80) {
    text += char(c);
  } else if (c < 0x800) {
    text += char(0xC0 | (c >> 6));
    text += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    text += char(0xE0 | (c >> 12));
    text += char(0x80 | ((c >> 6) & 0x3F));
    text += char(0x80 | (c & 0x3F));
  } else {
    text += char(0xF0 | (c >> 18));
    text += char(0x80 | ((c >> 12) & 0x3F));
    text += char(0x80 | ((c >> 6) & 0x3F));
    text += char(0x80 | (c & 0x3F));
  }
}

std::string Utf8ToLatin1(std::string_view text) {
  std::string result;
  for (size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    result += c <= 0xFF ? char(c) : '?';
  }
  return result;
}

size_t CodePointCount(std::string_view text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); ++count) NextCodePoint(text, i);
  return count;
}

void RemoveLastCodePoint(std::string& text) {
  if (text.empty()) return;
  size_t start = text.size() - 1;
  // Back over continuation bytes, at most three.
  while (start > 0 && text.size() - start < 4 && (uint8_t(text[start]) & 0xC0) == 0x80) --start;
  size_t end = start;
  NextCodePoint(text, end);
  // A stray continuation byte is a character of its own.
  if (end != text.size()) start = text.size() - 1;
  text.erase(start);
}

char32_t KeySymCodePoint(unsigned long keySym) {
  if ((keySym >= 0x20 && keySym <= 0x7E) || (keySym >= 0xA0 && keySym <= 0xFF))
    return char32_t(keySym);
  if ((keySym & 0xFF000000) == 0x01000000) return char32_t(keySym & 0x00FFFFFF);
  return 0;
}

}  // namespace lumigram
