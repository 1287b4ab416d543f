#include "util/fields.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace lumigram {

std::string IntToBytes4(int32_t n) {
  const auto u = uint32_t(n);
  return {char(u & 0xFF), char((u >> 8) & 0xFF), char((u >> 16) & 0xFF), char(u >> 24)};
}

int32_t Bytes4ToInt(std::string_view bytes) {
  if (bytes.size() < 4) return 0;
  uint32_t u = 0;
  for (int i = 3; i >= 0; --i) u = (u << 8) | uint8_t(bytes[size_t(i)]);
  return int32_t(u);
}

std::string DoubleToBytes8(double x) {
  uint64_t u = std::bit_cast<uint64_t>(x);
  std::string bytes(8, '\0');
  for (char& b : bytes) {
    b = char(u & 0xFF);
    u >>= 8;
  }
  return bytes;
}

double Bytes8ToDouble(std::string_view bytes) {
  if (bytes.size() < 8) return 0;
  uint64_t u = 0;
  for (int i = 7; i >= 0; --i) u = (u << 8) | uint8_t(bytes[size_t(i)]);
  return std::bit_cast<double>(u);
}

void AppendField(std::string& text, std::string_view field) {
  text += IntToBytes4(int32_t(field.size()));
  text += field;
}

bool ReadField(std::string_view text, size_t& offset, std::string& field) {
  std::string_view view;
  const size_t start = offset;
  const bool whole = ReadFieldView(text, offset, view);
  if (offset != start) field.assign(view);
  return whole;
}

bool ReadFieldView(std::string_view text, size_t& offset, std::string_view& field) {
  const std::string_view rest = offset < text.size() ? text.substr(offset) : std::string_view();
  const int32_t length = Bytes4ToInt(rest);
  if (length < 0) return false;
  const std::string_view body = rest.substr(std::min<size_t>(4, rest.size()));
  field = body.substr(0, size_t(length));
  offset += 4 + size_t(length);
  return body.size() >= size_t(length);
}

}  // namespace lumigram
