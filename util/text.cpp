#include "util/text.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace lumigram {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

char UpperChar(char c) {
  return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

}  // namespace

std::string UpperAscii(std::string text) {
  for (char& c : text) c = UpperChar(c);
  return text;
}

std::string LowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return text;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (UpperChar(a[i]) != UpperChar(b[i])) return false;
  return true;
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
  if (find.empty()) return std::string(text);
  std::string result;
  size_t from = 0;
  for (size_t at; (at = text.find(find, from)) != std::string_view::npos; from = at + find.size()) {
    result.append(text.substr(from, at - from));
    result.append(replacement);
  }
  result.append(text.substr(from));
  return result;
}

int32_t ReadNumber(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && text[i] == '+') ++i;
  if (i >= text.size()) return 0;
  bool negative = false;
  if (text[i] == '-') {
    negative = true;
    ++i;
  } else if (!IsDigit(text[i])) {
    return 0;
  }
  uint32_t value = 0;  // unsigned: the wrap-around is intended, not undefined
  bool anyDigit = false;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10u + uint32_t(text[i] - '0');
    anyDigit = true;
  }
  if (!anyDigit) return 0;
  return int32_t(negative ? 0u - value : value);
}

std::string IntToText(int64_t n) {
  return std::to_string(n);
}

std::string FormatThousands(int64_t n) {
  std::string digits = std::to_string(n < 0 ? -n : n);
  std::string result;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) result += ',';
    result += digits[i];
  }
  return n < 0 ? "-" + result : result;
}

std::string FormatDecimals(std::string_view number, std::string_view decimals) {
  const int32_t wanted = ReadNumber(decimals);
  const size_t point = number.find('.');
  std::string result(number.substr(0, point));
  if (wanted <= 0) return result;
  std::string fraction;
  if (point != std::string_view::npos)
    for (char c : number.substr(point + 1))
      if (IsDigit(c) && fraction.size() < size_t(wanted)) fraction += c;
  fraction.resize(size_t(wanted), '0');
  return result + "." + fraction;
}

int32_t TextToInt(std::string_view text) {
  const std::string copy(text);
  const char* begin = copy.c_str();
  while (*begin == ' ') ++begin;
  if (*begin == '\0') return 0;
  char* end = nullptr;
  const double value = std::strtod(begin, &end);
  while (*end == ' ') ++end;
  if (*end != '\0' || !std::isfinite(value)) return 0;
  const double rounded = std::nearbyint(value);  // default mode rounds halves to even
  constexpr double kMin = std::numeric_limits<int32_t>::min();
  constexpr double kMax = std::numeric_limits<int32_t>::max();
  if (rounded < kMin || rounded > kMax) return 0;
  return int32_t(rounded);
}

bool SplitAtZero(std::string_view text, std::string& before, std::string& after) {
  const size_t zero = text.find('\0');
  if (zero == std::string_view::npos) return false;
  before = std::string(text.substr(0, zero));
  after = std::string(text.substr(zero + 1));
  return true;
}

std::string ExtractFolder(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string ExtractFileName(std::string_view path) {
  const size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ExtractExtension(std::string_view name) {
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

std::string IncludeSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

std::string StripExtension(std::string name) {
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

}  // namespace lumigram
