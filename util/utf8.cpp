#include "util/utf8.h"

namespace lumigram {

size_t Utf8SequenceLength(uint8_t lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

size_t DecodeUtf8(std::string_view text, char32_t& codePoint) {
  if (text.empty()) return 0;
  const auto lead = uint8_t(text[0]);
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  }
  const size_t length = Utf8SequenceLength(lead);
  if (length == 1 || text.size() < length) return 0;
  char32_t value = lead & (0xFF >> (length + 1));
  for (size_t i = 1; i < length; ++i) {
    const auto next = uint8_t(text[i]);
    if ((next & 0xC0) != 0x80) return 0;
    value = (value << 6) | (next & 0x3F);
  }
  const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
  if (overlong || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  codePoint = value;
  return length;
}

char32_t NextCodePoint(std::string_view text, size_t& position) {
  char32_t codePoint = 0;
  const size_t length = DecodeUtf8(text.substr(position), codePoint);
  if (length == 0) {
    ++position;
    return kReplacementCharacter;
  }
  position += length;
  return codePoint;
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

}  // namespace lumigram
