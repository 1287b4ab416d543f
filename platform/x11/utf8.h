#pragma once
// The few UTF-8 steps the window layer needs: walking code points, the
// Latin-1 form X wants for WM_NAME, and the text of a key.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumigram {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The code point at position and moves position past it; a malformed
// sequence gives U+FFFD and moves one byte on.
char32_t NextCodePoint(std::string_view text, size_t& position);
void AppendUtf8(std::string& text, char32_t codePoint);
// Characters outside Latin-1 become "?".
std::string Utf8ToLatin1(std::string_view text);
size_t CodePointCount(std::string_view text);
// Removes the last code point, if any.
void RemoveLastCodePoint(std::string& text);
// Folds the ASCII letters to lower case, leaves every other character.
inline char32_t FoldAscii(char32_t c) {
  return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

// The character an X key symbol types: Latin-1 and Unicode key symbols; 0
// for the others (function keys, and legacy symbols we do not map).
char32_t KeySymCodePoint(unsigned long keySym);

}  // namespace lumigram
