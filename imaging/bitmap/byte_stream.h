#pragma once
// Byte-wise random access to a stream through one 2048-byte window, so the
// text picture formats can look at any position without a stream call per
// byte, and the text scanning those readers share. Positions are stream
// positions; ranges (from, to) include both ends. Nothing here throws.

#include <array>
#include <cstdint>
#include <string>

#include "imaging/bitmap/byte_span.h"
#include "util/stream.h"

namespace lumigram {

class TByteStream {
 public:
  static constexpr int kWindowSize = kByteBufferSize;

  TByteStream() = default;
  // Attaches the stream, which must outlive this object or be detached.
  explicit TByteStream(TStream* stream) { Attach(stream); }
  // Writes back what is still in the window.
  ~TByteStream();
  TByteStream(const TByteStream&) = delete;
  TByteStream& operator=(const TByteStream&) = delete;

  // Writes back a changed window (false, keeping the old stream, when that
  // fails), then works on the stream, nullptr for none.
  bool Attach(TStream* stream);
  // The stream's size at attaching, raised by writes past its end.
  int64_t Size() const { return size_; }

  // Where a window loaded for reading starts: 0 at the byte asked for, 1 the
  // window ends there (for reading backwards), 2 it lies in the middle.
  // Clamped to 0..2.
  void SetReadAhead(int mode);

  // False when the position lies outside the data.
  bool ReadByte(int64_t position, uint8_t& byte);
  // Stores the byte; writing at the end appends. False when the window could
  // not be written back or the position is negative.
  bool WriteByte(int64_t position, uint8_t byte);
  // Writes the bytes one after another, advancing position past them.
  bool WriteText(int64_t& position, const std::string& text);
  // Writes a changed window back; true when nothing needed writing.
  bool Flush();

  // Reads the line at position, which moves past its end and any following
  // CR and LF bytes (empty lines are skipped). The line is lineStart ..
  // lineEnd (lineEnd = lineStart - 1 for an empty line); markerPosition is
  // the first byte equal to marker within it, or -1. last bounds the search
  // (-1: the end of the data). False when there is nothing to read.
  bool ReadLine(int64_t& position, int64_t last, int64_t& markerPosition, uint8_t marker,
                int64_t& lineEnd, int64_t& lineStart);
  // The first position of the byte in the range, or -1.
  int64_t IndexOf(uint8_t byte, int64_t from, int64_t to);
  // The range's bytes (as far as the data reaches).
  std::string ReadText(int64_t from, int64_t to);

  // Pushes the range's decimal numbers (runs of digits, only the last five
  // digits of a run counting) onto the stack, each clamped to limit (-1 or
  // out of 0..65535: 65535), so that PopNumber yields them in text order.
  // When the stack fills up, the earliest numbers of the range are dropped.
  // True when at least one number was pushed.
  bool ParseNumbers(int64_t from, int64_t to, TNumberStack& stack, int limit);
  // The next number in text order; false when the stack is empty.
  static bool PopNumber(TNumberStack& stack, uint16_t& number);
  // Appends "0x" and the byte's two lower-case hexadecimal digits when all
  // four fit; false otherwise.
  static bool ByteToHex(uint8_t byte, TByteSpan& span);
  // Appends every byte written in the range as "x" or "X" and two
  // hexadecimal digits (a digit that is none counts as 0) while the span has
  // room. An "x" without two bytes left in the range gives nothing. True
  // when at least one byte was appended.
  bool ParseHexBytes(int64_t from, int64_t to, TByteSpan& span);

 private:
  bool InWindow(int64_t position) const {
    return start_ >= 0 && position >= start_ && position < start_ + count_;
  }
  // Loads the window starting at first; false on a stream error.
  bool Load(int64_t first);
  // Copies count bytes from first on, loading windows at the bytes needed
  // whatever the read-ahead mode; false when they are not all there.
  bool CopyOut(int64_t first, int64_t count, uint8_t* out);
  // Writes a changed window back; on failure the window is emptied.
  bool WriteBack();
  void Forget();

  TStream* source_ = nullptr;
  std::array<uint8_t, kWindowSize> window_{};
  int64_t start_ = -1;
  int64_t count_ = 0;
  bool changed_ = false;
  int64_t size_ = 0;
  int read_ahead_ = 0;
};

}  // namespace lumigram
