#pragma once
// Whole-buffer deflate and inflate over the zlib stream classes, with a cap on
// what inflating may produce: a few kilobytes of forged zlib data can claim
// gigabytes, and they come inside files from strangers.

#include <cstdint>
#include <string>
#include <string_view>

#include "storage/zlib_stream.h"
#include "util/stream.h"

namespace lumigram {

// Default cap on inflated output. The largest thing the program packs is the
// bitmap of a card picture, 3 bytes a pixel: 256 MiB holds more than 9,000 by
// 9,000 pixels, far beyond any real card, while a forged stream still cannot
// take the machine's memory with it.
inline constexpr int64_t kMaxInflatedBytes = int64_t(256) << 20;

// Inflates the zlib stream that starts at the source's position, 1,000 bytes
// a read, into inflated. False when the output would pass maxBytes. Raises
// EDecompressionError on corrupt data and on a stream that stops before its
// end; no bytes at all inflate to nothing.
bool InflateAll(TStream& source, std::string& inflated, int64_t maxBytes = kMaxInflatedBytes);
// The same for a zlib stream in memory, inflated in place into inflated.
bool InflateAll(std::string_view packed, std::string& inflated,
                int64_t maxBytes = kMaxInflatedBytes);

// One complete zlib stream of the bytes. Raises on a zlib failure.
std::string DeflateAll(std::string_view bytes, TCompressionLevel level);

}  // namespace lumigram
