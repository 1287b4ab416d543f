#pragma once
// Texts are 8-bit byte strings (lines joined by CR LF); numbers in texts are
// decimal. Case folding touches the ASCII letters only, so texts in any code
// page keep their other bytes.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumigram {

inline constexpr const char* kLineBreak = "\r\n";

std::string UpperAscii(std::string text);
std::string LowerAscii(std::string text);
bool SameTextAscii(std::string_view a, std::string_view b);

// Replaces every occurrence from left to right; a replacement is never
// searched again.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement);

// The lenient number reader: one leading "+" is skipped, then the number must
// start at once ("-" or a digit); anything else gives 0. Digits are read up to
// the first non-digit, in wrapping 32-bit arithmetic.
int32_t ReadNumber(std::string_view text);

std::string IntToText(int64_t n);
// "1234567" -> "1,234,567".
std::string FormatThousands(int64_t n);
// Keeps the integer part of a number text and, when decimals > 0, exactly that
// many digits after the point, padded with "0". decimals is a number text.
std::string FormatDecimals(std::string_view number, std::string_view decimals);
// A decimal number (fractions allowed) rounded to the nearest integer, halves
// to even; 0 when the text is not a number.
int32_t TextToInt(std::string_view text);

inline bool TextIsOne(std::string_view text) {
  return text == "1";
}
inline std::string BoolToText(bool value) {
  return value ? "1" : "0";
}

// Splits at the first 0 byte; false when there is none.
bool SplitAtZero(std::string_view text, std::string& before, std::string& after);

// Path pieces. Folders end in "/".
std::string ExtractFolder(std::string_view path);
std::string ExtractFileName(std::string_view path);
std::string ExtractExtension(std::string_view name);
std::string IncludeSlash(std::string path);
// Removes everything from the last "." of the whole string, folders included.
std::string StripExtension(std::string name);

inline int32_t MaxInt(int32_t a, int32_t b) {
  return a > b ? a : b;
}
inline int32_t MinInt(int32_t a, int32_t b) {
  return a < b ? a : b;
}
// Raises to low, then lowers to high, so high wins when low > high.
inline int32_t Clamp(int32_t value, int32_t low, int32_t high) {
  if (value < low) value = low;
  if (value > high) value = high;
  return value;
}

}  // namespace lumigram
