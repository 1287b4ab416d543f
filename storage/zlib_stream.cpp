#include "storage/zlib_stream.h"

#include <algorithm>

namespace lumigram {

namespace {

// zlib counts in 32-bit units; larger requests are fed through in pieces.
constexpr int64_t kLargestPiece = int64_t(1) << 30;

}  // namespace

int ZlibLevel(TCompressionLevel level) {
  switch (level) {
    case TCompressionLevel::None:
      return Z_NO_COMPRESSION;
    case TCompressionLevel::Fastest:
      return Z_BEST_SPEED;
    case TCompressionLevel::Max:
      return Z_BEST_COMPRESSION;
    case TCompressionLevel::Default:
      break;
  }
  return Z_DEFAULT_COMPRESSION;
}

TCustomZlibStream::TCustomZlibStream(TStream& strm)
    : strm_(strm), strmPos_(strm.Position()), buffer_(kBufferSize) {}

void TCustomZlibStream::Progress() {
  if (OnProgress) OnProgress(*this);
}

// --- compression ---

TCompressionStream::TCompressionStream(TCompressionLevel level, TStream& dest)
    : TCustomZlibStream(dest) {
  zrec_.next_out = buffer_.data();
  zrec_.avail_out = kBufferSize;
  if (deflateInit(&zrec_, ZlibLevel(level)) != Z_OK) throw ECompressionError(kZlibErrorText);
}

TCompressionStream::~TCompressionStream() {
  try {
    Finish();
  } catch (...) {
    // A destructor cannot report; callers who care call Finish() themselves.
  }
}

void TCompressionStream::FlushBuffer(int64_t bytes) {
  strm_.WriteBuffer(buffer_.data(), bytes);
  zrec_.next_out = buffer_.data();
  zrec_.avail_out = kBufferSize;
  strmPos_ = strm_.Position();
  Progress();
}

int64_t TCompressionStream::Write(const void* buffer, int64_t count) {
  if (finished_) throw ECompressionError(kInvalidStreamOperation);
  if (count <= 0) return 0;
  if (strm_.Position() != strmPos_) strm_.SetPosition(strmPos_);
  const auto* input = static_cast<const Bytef*>(buffer);
  for (int64_t done = 0; done < count;) {
    const int64_t piece = std::min(count - done, kLargestPiece);
    zrec_.next_in = const_cast<Bytef*>(input + done);
    zrec_.avail_in = uInt(piece);
    while (zrec_.avail_in > 0) {
      if (deflate(&zrec_, Z_NO_FLUSH) < 0) throw ECompressionError(kZlibErrorText);
      if (zrec_.avail_out == 0) FlushBuffer(kBufferSize);
    }
    done += piece;
  }
  return count;
}

void TCompressionStream::Finish() {
  if (finished_) return;
  finished_ = true;
  zrec_.next_in = nullptr;
  zrec_.avail_in = 0;
  try {
    if (strm_.Position() != strmPos_) strm_.SetPosition(strmPos_);
    for (;;) {
      const int result = deflate(&zrec_, Z_FINISH);
      if (result < 0) throw ECompressionError(kZlibErrorText);
      if (result == Z_STREAM_END) break;
      FlushBuffer(kBufferSize - zrec_.avail_out);
    }
    if (zrec_.avail_out < uInt(kBufferSize)) {
      strm_.WriteBuffer(buffer_.data(), kBufferSize - zrec_.avail_out);
      strmPos_ = strm_.Position();
    }
  } catch (...) {
    deflateEnd(&zrec_);
    throw;
  }
  deflateEnd(&zrec_);
}

int64_t TCompressionStream::Read(void*, int64_t) {
  throw ECompressionError(kInvalidStreamOperation);
}

int64_t TCompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
  if (offset == 0 && origin == TSeekOrigin::Current) return int64_t(zrec_.total_in);
  throw ECompressionError(kInvalidStreamOperation);
}

// --- decompression ---

TDecompressionStream::TDecompressionStream(TStream& source)
    : TCustomZlibStream(source), start_(strmPos_) {
  zrec_.next_in = buffer_.data();
  zrec_.avail_in = 0;
  if (inflateInit(&zrec_) != Z_OK) throw EDecompressionError(kZlibErrorText);
}

TDecompressionStream::~TDecompressionStream() {
  inflateEnd(&zrec_);
}

int64_t TDecompressionStream::Read(void* buffer, int64_t count) {
  if (count <= 0 || ended_) return 0;
  auto* output = static_cast<Bytef*>(buffer);
  int64_t produced = 0;
  if (strm_.Position() != strmPos_) strm_.SetPosition(strmPos_);
  while (produced < count && !ended_) {
    if (zrec_.avail_in == 0) {
      const int64_t got = strm_.Read(buffer_.data(), kBufferSize);
      if (got <= 0) break;
      zrec_.next_in = buffer_.data();
      zrec_.avail_in = uInt(got);
      strmPos_ = strm_.Position();
      Progress();
    }
    const auto space = uInt(std::min(count - produced, kLargestPiece));
    zrec_.next_out = output + produced;
    zrec_.avail_out = space;
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

int64_t TDecompressionStream::Write(const void*, int64_t) {
  throw EDecompressionError(kInvalidStreamOperation);
}

int64_t TDecompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
  if (offset == 0 && origin == TSeekOrigin::Beginning) {
    if (inflateReset(&zrec_) != Z_OK) throw EDecompressionError(kZlibErrorText);
    zrec_.next_in = buffer_.data();
    zrec_.avail_in = 0;
    ended_ = false;
    strm_.SetPosition(start_);
    strmPos_ = start_;
    return 0;
  }
  const auto here = int64_t(zrec_.total_out);
  int64_t skip = -1;
  if (origin == TSeekOrigin::Current && offset >= 0) skip = offset;
  if (origin == TSeekOrigin::Beginning && offset > here) skip = offset - here;
  if (skip < 0) throw EDecompressionError(kInvalidStreamOperation);
  char discard[4096];
  while (skip > 0) {
    const int64_t piece = std::min<int64_t>(skip, sizeof discard);
    if (Read(discard, piece) < piece) break;
    skip -= piece;
  }
  return int64_t(zrec_.total_out);
}

}  // namespace lumigram
