#include "storage/zip_handler.h"

#include "util/error_texts.h"

namespace lumigram {

bool TZipHandler::Decompress(TStringStream& stream, std::string& error, int64_t maxBytes) {
  error = err::kOutOfMemory;
  lastError_ = err::kOutOfMemory;
  const int64_t start = stream.Position();
  try {
    std::string inflated;
    if (InflateAll(stream, inflated, maxBytes)) {
      stream.Clear();
      stream.WriteText(inflated);
      return true;
    }
  } catch (...) {
  }
  stream.SetPosition(start);
  return false;
}

TZipHandler& ZipHandler() {
  static TZipHandler handler;
  return handler;
}

}  // namespace lumigram
