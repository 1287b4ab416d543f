#pragma once
// A picture as a card stores it: an optimised image holding a packed bitmap,
// built by hand so its pixels never depend on the encoder's choice and come
// back exactly.

#include <string>

#include "imaging/bitmap/bitmap.h"
#include "imaging/bmp/bmp_file.h"
#include "storage/pack_string.h"
#include "util/fields.h"

namespace lumigram::testing {

// An optimised image of already encoded picture data ("BMP" or "JPG").
inline std::string OptimisedImageBytes(const std::string& encoding, const std::string& data) {
  std::string bytes = "OMIV1.0";
  bytes += '\0';
  for (const char* info : {"", "", ""}) AppendField(bytes, info);
  AppendField(bytes, encoding);
  AppendField(bytes, data);
  return bytes;
}

inline std::string OptimisedImageBytes(const TBitmap& picture) {
  std::string bmp = WriteBmpFile(picture), error;
  PackString(bmp, error);
  return OptimisedImageBytes("BMP", bmp);
}

}  // namespace lumigram::testing
