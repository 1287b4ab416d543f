#pragma once
// The UTF-8 steps only the window layer needs: the Latin-1 form X wants for
// WM_NAME, case folding for accelerators and the text of a key. Walking code
// points comes from util/utf8.h.

#include <string>
#include <string_view>

#include "util/utf8.h"

namespace lumigram {

// Characters outside Latin-1 become "?".
std::string Utf8ToLatin1(std::string_view text);
// Folds the ASCII letters to lower case, leaves every other character.
inline char32_t FoldAscii(char32_t c) {
  return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

// The character an X key symbol types: Latin-1 and Unicode key symbols; 0
// for the others (function keys, and legacy symbols we do not map).
char32_t KeySymCodePoint(unsigned long keySym);

}  // namespace lumigram
