#include "storage/zlib_codec.h"

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
    inflated.append(chunk, size_t(got));
  }
  // Data cut short would otherwise pass for a smaller file.
  if (!zip.Ended() && !noInput) throw EDecompressionError(kZlibErrorText);
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
