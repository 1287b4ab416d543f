#pragma once
// Additive scrambling: bytewise addition or subtraction of a repeating key,
// modulo 256. It keeps texts from being read at a glance; it is no cipher.

#include <string>
#include <string_view>

namespace lumigram {

std::string ScrambleAdd(std::string text, std::string_view key);
std::string ScrambleSub(std::string text, std::string_view key);
// As ScrambleAdd, but a sum past 255 gets 14 more, so results avoid the
// control bytes 0..13; ScrambleSub14 undoes it for texts without such bytes.
std::string ScrambleAdd14(std::string text, std::string_view key);
std::string ScrambleSub14(std::string text, std::string_view key);

enum class THideVariant {
  Text = 0,   // safe inside quoted literals: no control bytes, "'" doubled
  Binary = 1  // any bytes; used inside card data
};

// One length byte (key length + 14), the random key scrambled under the fixed
// text key, then the text scrambled under the random key.
std::string HideText(std::string_view text, THideVariant variant);
// The inverse; an empty or damaged hidden text gives the empty text.
std::string RevealText(std::string_view hidden, THideVariant variant);

// The program's fixed keys, exposed for the formats that carry keys.
std::string_view FixedTextKey();  // 97 printable characters
std::string_view KeyAlphabet();   // 53 printable characters

}  // namespace lumigram
