#include "imaging/bitmap/byte_stream.h"

#include <algorithm>
#include <cstring>

namespace lumigram {

namespace {

constexpr uint8_t kCR = 13;
constexpr uint8_t kLF = 10;

bool IsLineBreak(uint8_t b) {
  return b == kCR || b == kLF;
}
bool IsDigit(uint8_t b) {
  return b >= '0' && b <= '9';
}

int HexValue(uint8_t b) {
  if (b >= '0' && b <= '9') return b - '0';
  if (b >= 'a' && b <= 'f') return b - 'a' + 10;
  if (b >= 'A' && b <= 'F') return b - 'A' + 10;
  return 0;
}

}  // namespace

TByteStream::~TByteStream() {
  Flush();
}

void TByteStream::Forget() {
  start_ = -1;
  count_ = 0;
  changed_ = false;
}

bool TByteStream::Attach(TStream* stream) {
  if (!Flush()) return false;
  source_ = nullptr;
  size_ = 0;
  Forget();
  if (!stream) return true;
  try {
    size_ = stream->Size();
  } catch (...) {
    size_ = 0;
    return false;
  }
  source_ = stream;
  return true;
}

void TByteStream::SetReadAhead(int mode) {
  read_ahead_ = std::clamp(mode, 0, 2);
}

bool TByteStream::WriteBack() {
  if (!changed_) return true;
  try {
    if (source_->Position() != start_) source_->Seek(start_, TSeekOrigin::Beginning);
    if (source_->Write(window_.data(), count_) == count_) {
      changed_ = false;
      return true;
    }
  } catch (...) {
  }
  Forget();
  return false;
}

bool TByteStream::Flush() {
  return !source_ || WriteBack();
}

bool TByteStream::Load(int64_t first) {
  if (!WriteBack()) return false;
  Forget();
  try {
    int64_t at = source_->Position();
    if (at != first) at = source_->Seek(first, TSeekOrigin::Beginning);
    // A short read is retried while data is known to follow, so that a
    // window holds fewer than 2048 bytes only at the end of the data.
    int64_t got = 0;
    while (got < kWindowSize) {
      const int64_t n = source_->Read(window_.data() + got, kWindowSize - got);
      if (n <= 0) break;
      got += std::min(n, kWindowSize - got);
      if (at + got >= size_) break;
    }
    start_ = at;
    count_ = got;
    return true;
  } catch (...) {
    Forget();
    return false;
  }
}

bool TByteStream::ReadByte(int64_t position, uint8_t& byte) {
  if (!InWindow(position)) {
    if (!source_ || position < 0 || position >= size_) return false;
    static constexpr int64_t kBefore[] = {0, kWindowSize - 1, kWindowSize / 2 - 1};
    if (!Load(std::max<int64_t>(position - kBefore[read_ahead_], 0)) || !InWindow(position)) {
      return false;
    }
  }
  byte = window_[size_t(position - start_)];
  return true;
}

bool TByteStream::CopyOut(int64_t first, int64_t count, uint8_t* out) {
  if (!source_ || first < 0 || count > size_ - first) return false;
  while (count > 0) {
    if (!InWindow(first) && (!Load(first) || !InWindow(first))) return false;
    const int64_t n = std::min(count, start_ + count_ - first);
    std::memcpy(out, window_.data() + (first - start_), size_t(n));
    out += n;
    first += n;
    count -= n;
  }
  return true;
}

bool TByteStream::WriteByte(int64_t position, uint8_t byte) {
  if (!source_ || position < 0) return false;
  const auto covers = [this](int64_t p) {
    return start_ >= 0 && p >= start_ && p < start_ + kWindowSize;
  };
  if (!covers(position) && !Load(position)) return false;
  if (!covers(position)) return false;
  const int64_t offset = position - start_;
  if (offset >= count_) {
    // Bytes skipped over become zeros, as in a file written past its end.
    std::memset(window_.data() + count_, 0, size_t(offset - count_));
    count_ = offset + 1;
  }
  window_[size_t(offset)] = byte;
  changed_ = true;
  size_ = std::max(size_, position + 1);
  return true;
}

bool TByteStream::WriteText(int64_t& position, const std::string& text) {
  for (const char c : text) {
    if (!WriteByte(position, uint8_t(c))) return false;
    ++position;
  }
  return true;
}

bool TByteStream::ReadLine(int64_t& position, int64_t last, int64_t& markerPosition, uint8_t marker,
                           int64_t& lineEnd, int64_t& lineStart) {
  position = std::max<int64_t>(position, 0);
  if (last < 0 || last >= size_) last = size_ - 1;
  lineStart = position;
  lineEnd = position - 1;
  markerPosition = -1;
  uint8_t b = 0;
  if (position > last || !ReadByte(position, b)) return false;
  int64_t p = position;
  bool broken = false;
  while (p <= last && ReadByte(p, b)) {
    if (IsLineBreak(b)) {
      broken = true;
      break;
    }
    if (b == marker && markerPosition < 0) markerPosition = p;
    ++p;
  }
  lineEnd = p - 1;
  if (broken) {
    while (p <= last && ReadByte(p, b) && IsLineBreak(b)) ++p;
  }
  position = p;
  return true;
}

int64_t TByteStream::IndexOf(uint8_t byte, int64_t from, int64_t to) {
  to = std::min(to, size_ - 1);
  uint8_t b = 0;
  for (int64_t p = std::max<int64_t>(from, 0); p <= to && ReadByte(p, b); ++p) {
    if (b == byte) return p;
  }
  return -1;
}

std::string TByteStream::ReadText(int64_t from, int64_t to) {
  to = std::min(to, size_ - 1);
  std::string text;
  uint8_t b = 0;
  for (int64_t p = std::max<int64_t>(from, 0); p <= to && ReadByte(p, b); ++p) {
    text.push_back(char(b));
  }
  return text;
}

bool TByteStream::ParseNumbers(int64_t from, int64_t to, TNumberStack& stack, int limit) {
  if (limit < 0 || limit > 65535) limit = 65535;
  from = std::max<int64_t>(from, 0);
  to = std::min(to, size_ - 1);
  bool pushed = false;
  int value = 0, digits = 0, scale = 1;
  const auto endRun = [&]() {
    if (digits == 0) return;
    if (!stack.Full()) {
      stack.Items[size_t(stack.Count++)] = uint16_t(std::min(value, limit));
      pushed = true;
    }
    value = digits = 0;
    scale = 1;
  };
  // The range is scanned from its end a window's worth at a time, so that
  // a long range costs one stream read per 2048 bytes in any read-ahead mode.
  std::array<uint8_t, kWindowSize> chunk;
  for (int64_t chunkEnd = to; chunkEnd >= from && !stack.Full(); chunkEnd -= kWindowSize) {
    const int64_t chunkStart = std::max(from, chunkEnd - (kWindowSize - 1));
    if (!CopyOut(chunkStart, chunkEnd - chunkStart + 1, chunk.data())) return false;
    for (int64_t p = chunkEnd; p >= chunkStart; --p) {
      const uint8_t b = chunk[size_t(p - chunkStart)];
      if (!IsDigit(b)) {
        endRun();
      } else if (digits < 5) {  // more significant digits are ignored
        value += (b - '0') * scale;
        scale *= 10;
        ++digits;
      } else {
        ++digits;
      }
    }
  }
  endRun();
  return pushed;
}

bool TByteStream::PopNumber(TNumberStack& stack, uint16_t& number) {
  if (stack.Count <= 0) return false;
  number = stack.Items[size_t(--stack.Count)];
  return true;
}

bool TByteStream::ByteToHex(uint8_t byte, TByteSpan& span) {
  if (span.Count > kByteBufferSize - 4) return false;
  static constexpr char kDigits[] = "0123456789abcdef";
  span.Add('0');
  span.Add('x');
  span.Add(uint8_t(kDigits[byte >> 4]));
  span.Add(uint8_t(kDigits[byte & 15]));
  return true;
}

bool TByteStream::ParseHexBytes(int64_t from, int64_t to, TByteSpan& span) {
  to = std::min(to, size_ - 1);
  bool appended = false;
  uint8_t b = 0, high = 0, low = 0;
  for (int64_t p = std::max<int64_t>(from, 0); p <= to && !span.Full(); ++p) {
    if (!ReadByte(p, b)) break;
    if (b != 'x' && b != 'X') continue;
    if (p + 2 > to || !ReadByte(p + 1, high) || !ReadByte(p + 2, low)) break;
    span.Add(uint8_t(HexValue(high) * 16 + HexValue(low)));
    appended = true;
    p += 2;  // the digits are not looked at again
  }
  return appended;
}

}  // namespace lumigram
