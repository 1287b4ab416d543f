#pragma once
// Stream adapters over zlib (zlib header and Adler-32 trailer). These are the
// one place in the program that raises: EZlibError and its two descendants,
// with "error" for a zlib failure and "Invalid stream operation" for a read,
// write or seek the direction of the stream does not allow. Callers catch.

#include <zlib.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

#include "util/stream.h"

namespace lumigram {

class EZlibError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class ECompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};

inline constexpr const char* kZlibErrorText = "error";
inline constexpr const char* kInvalidStreamOperation = "Invalid stream operation";

// Level codes; the program itself always packs with Fastest.
enum class TCompressionLevel : int { None = 0, Fastest = 1, Default = 2, Max = 3 };
// zlib's level for a code: 0, 1, Z_DEFAULT_COMPRESSION, 9.
int ZlibLevel(TCompressionLevel level);

class TCustomZlibStream : public TStream {
 public:
  static constexpr int kBufferSize = 65536;

  ~TCustomZlibStream() override = default;

  // Called after each buffer moved to or from the underlying stream.
  std::function<void(TCustomZlibStream&)> OnProgress;

 protected:
  explicit TCustomZlibStream(TStream& strm);
  void Progress();

  TStream& strm_;
  int64_t strmPos_;  // where the next transfer in strm_ must happen
  z_stream zrec_{};
  std::vector<Bytef> buffer_;
};

// Write-only: deflates what is written and writes the result to dest.
class TCompressionStream : public TCustomZlibStream {
 public:
  TCompressionStream(TCompressionLevel level, TStream& dest);
  // Finishes the stream if Finish() was not called, swallowing any failure:
  // call Finish() to learn about it.
  ~TCompressionStream() override;

  // Flushes the rest of the deflate stream into dest and ends it. Raises on
  // a zlib or write failure; deflate is ended either way. Later calls do nothing.
  void Finish();

  int64_t Read(void* buffer, int64_t count) override;  // raises
  int64_t Write(const void* buffer, int64_t count) override;
  // Only Seek(0, Current) is allowed: it gives the number of bytes taken in.
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;

 private:
  void FlushBuffer(int64_t bytes);
  bool finished_ = false;
};

// Read-only: reads compressed bytes from source and inflates them.
class TDecompressionStream : public TCustomZlibStream {
 public:
  explicit TDecompressionStream(TStream& source);
  ~TDecompressionStream() override;

  // Fewer bytes than asked for means the zlib stream ended or the source ran out.
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;  // raises
  // Seek(0, Beginning) starts over from where the compressed data began; a
  // forward seek inflates and discards (stopping at the end of the data);
  // any other seek raises. Returns the number of bytes produced so far.
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;

  // zlib reported the end of the compressed stream (trailer checked).
  bool Ended() const { return ended_; }

 private:
  int64_t start_;  // where the compressed data begins in the source
  bool ended_ = false;
};

}  // namespace lumigram
