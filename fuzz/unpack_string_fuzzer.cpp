// UnpackString on arbitrary bytes: packed sections of card and picture files
// come from strangers. Whatever unpacks must pack and unpack back to itself.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "storage/pack_string.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumigram;
  // A small cap keeps runs quick; that the cap holds is part of the check.
  constexpr int64_t kCap = int64_t(8) << 20;
  std::string bytes(reinterpret_cast<const char*>(data), size), error;
  if (!UnpackString(bytes, error, kCap)) {
    if (error != "Unknown format" && error != "Out of memory") std::abort();
    return 0;
  }
  if (int64_t(bytes.size()) > kCap) std::abort();
  const std::string unpacked = bytes;
  if (!PackString(bytes, error) || !UnpackString(bytes, error, kCap) || bytes != unpacked)
    std::abort();
  return 0;
}
