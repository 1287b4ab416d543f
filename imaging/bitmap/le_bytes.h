#pragma once
// Little-endian numbers in byte strings, for the Windows picture formats.
// Readers take an offset the caller has already checked against the size.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumigram::le {

inline uint16_t U16(std::string_view bytes, size_t at) {
  return uint16_t(uint8_t(bytes[at]) | (uint8_t(bytes[at + 1]) << 8));
}

inline uint32_t U32(std::string_view bytes, size_t at) {
  return uint32_t(U16(bytes, at)) | (uint32_t(U16(bytes, at + 2)) << 16);
}

inline int32_t I32(std::string_view bytes, size_t at) {
  return int32_t(U32(bytes, at));
}

inline void PutU16(std::string& out, uint32_t n) {
  out += char(n & 0xFF);
  out += char((n >> 8) & 0xFF);
}

inline void PutU32(std::string& out, uint32_t n) {
  PutU16(out, n & 0xFFFF);
  PutU16(out, n >> 16);
}

}  // namespace lumigram::le
