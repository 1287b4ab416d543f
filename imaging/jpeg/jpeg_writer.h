#pragma once
// JPEG encoding of the program's 24-bit bitmap with libjpeg's defaults
// (baseline, 4:2:0 colour) at a chosen quality.

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "imaging/bitmap/bitmap.h"

namespace lumigram {

// One compressor set up once and kept with its output buffer, so encoding
// the same picture at several qualities allocates next to nothing. One
// encoder serves one thread at a time.
class TJpegEncoder {
 public:
  TJpegEncoder();
  ~TJpegEncoder();
  TJpegEncoder(const TJpegEncoder&) = delete;
  TJpegEncoder& operator=(const TJpegEncoder&) = delete;

  // Encodes at the quality, clamped to 1..100. False for an empty bitmap,
  // when libjpeg fails (no memory), or when cancel turns true on the way.
  bool Encode(const TBitmap& bitmap, int quality, const std::atomic<bool>* cancel = nullptr);
  // The file Encode made; valid until the next Encode.
  std::string_view Output() const;
  // Frees the output buffer when it holds more than maxKept bytes.
  void Trim(size_t maxKept);

 private:
  struct TState;
  std::unique_ptr<TState> state_;
};

// Hands out encoders kept from earlier calls, from any thread.
std::unique_ptr<TJpegEncoder> TakeJpegEncoder();
void ReturnJpegEncoder(std::unique_ptr<TJpegEncoder> encoder);

// The JPEG file of the bitmap at the quality (clamped to 1..100); error is
// "Unexpected error" on failure.
bool WriteJpeg(const TBitmap& bitmap, int quality, std::string& bytes, std::string& error);

}  // namespace lumigram
