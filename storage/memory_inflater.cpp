#include "storage/memory_inflater.h"

#include <algorithm>

#include "storage/zlib_stream.h"

namespace lumigram {

namespace {

// zlib counts in 32-bit units; larger spans are fed through in pieces.
constexpr size_t kLargestPiece = size_t(1) << 30;
// Appending writes this much at a time: small enough that the zero fill
// of the new room is still in the cache when zlib overwrites it.
constexpr size_t kAppendPiece = size_t(256) << 10;

}  // namespace

TMemoryInflater::TMemoryInflater(std::string_view packed) : rest_(packed) {
  if (inflateInit(&zrec_) != Z_OK) throw EDecompressionError(kZlibErrorText);
}

TMemoryInflater::~TMemoryInflater() {
  inflateEnd(&zrec_);
}

size_t TMemoryInflater::Read(char* out, size_t count) {
  size_t produced = 0;
  while (produced < count && !ended_) {
    if (zrec_.avail_in == 0) {
      if (rest_.empty()) break;
      const size_t piece = std::min(rest_.size(), kLargestPiece);
      zrec_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(rest_.data()));
      zrec_.avail_in = uInt(piece);
      rest_.remove_prefix(piece);
    }
    const size_t space = std::min(count - produced, kLargestPiece);
    zrec_.next_out = reinterpret_cast<Bytef*>(out + produced);
    zrec_.avail_out = uInt(space);
    const int result = inflate(&zrec_, Z_NO_FLUSH);
    produced += space - zrec_.avail_out;
    // Z_NEED_DICT would never progress: a preset dictionary is not ours.
    if (result == Z_STREAM_END)
      ended_ = true;
    else if (result != Z_OK)
      throw EDecompressionError(kZlibErrorText);
  }
  return produced;
}

size_t TMemoryInflater::AppendTo(std::string& text, size_t count) {
  size_t done = 0;
  while (done < count && !ended_) {
    const size_t old = text.size();
    const size_t piece = std::min(count - done, kAppendPiece);
    // Doubling, but never past what was asked for.
    if (old + piece > text.capacity())
      text.reserve(std::max(old + piece, std::min(2 * text.capacity(), old + (count - done))));
    text.resize(old + piece);
    const size_t got = Read(text.data() + old, piece);
    text.resize(old + got);
    done += got;
    if (got < piece) break;
  }
  return done;
}

}  // namespace lumigram
