#pragma once
// Compressed sections of the program's own formats (card data, optimised
// images): one length-prefixed field holding a zlib stream.

#include <cstdint>
#include <string>

#include "storage/zlib_codec.h"

namespace lumigram {

// Replaces data by its packed form: a 4-byte little-endian length N, then N
// bytes of zlib stream (fastest level). False with error set on failure.
bool PackString(std::string& data, std::string& error);

// Replaces a packed form by the bytes it holds; bytes after the field are
// ignored. "Unknown format" when the length is negative or runs past the
// data, "Out of memory" when the zlib stream is damaged or would inflate to
// more than maxBytes. Fewer than 4 bytes read as an empty field.
bool UnpackString(std::string& data, std::string& error, int64_t maxBytes = kMaxInflatedBytes);

}  // namespace lumigram
