#pragma once
// A picture as a card stores it: an optimised image holding a packed bitmap,
// built by hand so its pixels never depend on the encoder's choice and come
// back exactly.

#include <string>

#include "imaging/bitmap.h"
#include "imaging/bmp_file.h"
#include "storage/pack_string.h"
#include "util/fields.h"

namespace lumigram::testing {

inline std::string OptimisedImageBytes(const TBitmap& picture) {
  std::string bmp = WriteBmpFile(picture), error;
  PackString(bmp, error);
  std::string bytes = "OMIV1.0";
  bytes += '\0';
  for (const char* info : {"", "", ""}) AppendField(bytes, info);
  AppendField(bytes, "BMP");
  AppendField(bytes, bmp);
  return bytes;
}

}  // namespace lumigram::testing
