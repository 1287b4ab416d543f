#pragma once
// Inflates the zlib stream of one box item in place. One shared instance.

#include <cstdint>
#include <string>

#include "storage/zlib_codec.h"
#include "util/stream.h"

namespace lumigram {

class TZipHandler {
 public:
  // Replaces the content of the string stream by the bytes its zlib stream
  // (from the current position on) inflates to; the position ends after
  // them. False with error and LastError "Out of memory" on damaged data or
  // when the output would pass maxBytes; the stream is then unchanged.
  bool Decompress(TStringStream& stream, std::string& error, int64_t maxBytes = kMaxInflatedBytes);

  const std::string& LastError() const { return lastError_; }

 private:
  std::string lastError_;
};

// The shared handler, made on first use and freed at program exit.
TZipHandler& ZipHandler();

}  // namespace lumigram
