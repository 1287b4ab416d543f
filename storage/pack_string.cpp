#include "storage/pack_string.h"

#include <limits>

#include "util/error_texts.h"
#include "util/fields.h"

namespace lumigram {

bool PackString(std::string& data, std::string& error) {
  error = err::kOutOfMemory;
  try {
    const std::string packed = DeflateAll(data, TCompressionLevel::Fastest);
    if (packed.size() > size_t(std::numeric_limits<int32_t>::max())) return false;
    std::string result;
    AppendField(result, packed);
    data = std::move(result);
    return true;
  } catch (...) {
    return false;
  }
}

bool UnpackString(std::string& data, std::string& error, int64_t maxBytes) {
  error = err::kUnknownFormat;
  try {
    // The field is inflated where it lies; a length past the data fails here.
    size_t offset = 0;
    std::string_view field;
    if (!ReadFieldView(data, offset, field)) return false;
    error = err::kOutOfMemory;
    std::string inflated;
    if (!InflateAll(field, inflated, maxBytes)) return false;
    data = std::move(inflated);
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace lumigram
