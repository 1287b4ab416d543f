#pragma once
// Zip box records written byte by byte from the record layout, so the tests
// do not read back what our own writer produced.

#include <cstdint>
#include <string>
#include <string_view>

#include "util/fields.h"

namespace lumigram::testing {

inline std::string ShortString(std::string_view text) {
  return char(uint8_t(text.size())) + std::string(text);
}

inline std::string StringProperty(std::string_view name, std::string_view value) {
  if (value.size() <= 255) return ShortString(name) + "\x06" + ShortString(value);
  return ShortString(name) + "\x0C" + IntToBytes4(int32_t(value.size())) + std::string(value);
}

// Integers take the smallest tag, as the format asks.
inline std::string IntegerProperty(std::string_view name, int32_t value) {
  std::string bytes = ShortString(name);
  const auto u = uint32_t(value);
  if (value >= -128 && value <= 127) return bytes + '\x02' + char(u & 0xFF);
  if (value >= -32768 && value <= 32767) return bytes + '\x03' + char(u & 0xFF) + char(u >> 8);
  return bytes + '\x04' + IntToBytes4(value);
}

inline std::string BoxRecord(std::string_view name, std::string_view path, int method,
                             std::string_view data, int32_t size = -1,
                             std::string_view component = "") {
  std::string bytes = "TPF0" + ShortString("TBoxItem") + ShortString(component);
  bytes += StringProperty("pName", name);
  bytes += StringProperty("pPath", path);
  bytes += IntegerProperty("pSize", size >= 0 ? size : int32_t(data.size()));
  bytes += IntegerProperty("pSizeB", int32_t(data.size()));
  bytes += IntegerProperty("pM", method);
  bytes += StringProperty("pD", data);
  return bytes + std::string(2, '\0');
}

// The 154 bytes a 24-bit bitmap file image puts before a carried box.
inline std::string BitmapLead() {
  return "BM" + std::string(52, '\x01') + std::string(100, '\xFF');
}

}  // namespace lumigram::testing
