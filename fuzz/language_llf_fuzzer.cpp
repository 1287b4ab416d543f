// The main language file reader, fed arbitrary bytes.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lang/language.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lumigram::TLanguage table;
  if (table.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size)))
    table.Translate("&Open...\r\nSave &As\nExit.");
  return 0;
}
