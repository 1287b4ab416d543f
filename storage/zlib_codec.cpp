#include "storage/zlib_codec.h"

#include <algorithm>
#include <cstdint>

#include "storage/memory_inflater.h"

namespace lumigram {

bool InflateAll(TStream& source, std::string& inflated, int64_t maxBytes) {
  inflated.clear();
  const bool noInput = source.Remaining() <= 0;
  TDecompressionStream zip(source);
  char chunk[1000];
  for (;;) {
    const int64_t got = zip.Read(chunk, sizeof chunk);
    if (got <= 0) break;
    if (int64_t(inflated.size()) + got > maxBytes) {
      inflated.clear();
      inflated.shrink_to_fit();
      return false;
    }
    // Grow towards the cap, never past it, so a bomb costs at most the cap
    // plus the buffer it outgrew.
    if (inflated.size() + size_t(got) > inflated.capacity())
      inflated.reserve(size_t(
          std::min<int64_t>(std::max<int64_t>(int64_t(inflated.capacity()) * 2, 4096), maxBytes)));
    inflated.append(chunk, size_t(got));
  }
  // Data cut short would otherwise pass for a smaller file.
  if (!zip.Ended() && !noInput) throw EDecompressionError(kZlibErrorText);
  return true;
}

bool InflateAll(std::string_view packed, std::string& inflated, int64_t maxBytes) {
  inflated.clear();
  TMemoryInflater zip(packed);
  // One byte past the cap tells a stream that passes it.
  const auto room = uint64_t(std::max<int64_t>(maxBytes, 0)) + 1;
  const size_t ask = size_t(std::min<uint64_t>(room, SIZE_MAX));
  if (zip.AppendTo(inflated, ask) > size_t(std::max<int64_t>(maxBytes, 0))) {
    inflated.clear();
    inflated.shrink_to_fit();
    return false;
  }
  if (!zip.Ended() && !packed.empty()) throw EDecompressionError(kZlibErrorText);
  return true;
}

std::string DeflateAll(std::string_view bytes, TCompressionLevel level) {
  TMemoryStream packed;
  TCompressionStream zip(level, packed);
  zip.WriteBuffer(bytes.data(), int64_t(bytes.size()));
  zip.Finish();
  return packed.TakeData();
}

}  // namespace lumigram
