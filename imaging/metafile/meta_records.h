#pragma once
// Bounded reading of metafile record fields: every read is checked against
// the record, and a field past its end reads as 0, so a short record can
// never reach beyond its bytes.

#include <cstdint>
#include <cstring>
#include <string_view>

#include "imaging/bitmap/le_bytes.h"

namespace lumigram::meta {

class TFields {
 public:
  explicit TFields(std::string_view bytes) : bytes_(bytes) {}

  size_t Size() const { return bytes_.size(); }
  // Whether count bytes from at lie inside the record.
  bool Has(uint64_t at, uint64_t count) const {
    return at <= bytes_.size() && count <= bytes_.size() - at;
  }
  uint8_t U8(uint64_t at) const { return Has(at, 1) ? uint8_t(bytes_[at]) : 0; }
  uint16_t U16(uint64_t at) const { return Has(at, 2) ? le::U16(bytes_, at) : 0; }
  int16_t S16(uint64_t at) const { return int16_t(U16(at)); }
  uint32_t U32(uint64_t at) const { return Has(at, 4) ? le::U32(bytes_, at) : 0; }
  int32_t I32(uint64_t at) const { return int32_t(U32(at)); }
  float F32(uint64_t at) const {
    const uint32_t bits = U32(at);
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  // The bytes, or nothing when they do not all lie inside the record.
  std::string_view Bytes(uint64_t at, uint64_t count) const {
    return Has(at, count) ? bytes_.substr(at, count) : std::string_view();
  }

 private:
  std::string_view bytes_;
};

}  // namespace lumigram::meta
