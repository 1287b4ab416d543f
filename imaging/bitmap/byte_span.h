#pragma once
// Fixed-capacity buffers shared by the text picture readers and writers:
// they never grow, so a hostile file cannot make them allocate.

#include <array>
#include <cstddef>
#include <cstdint>

namespace lumigram {

inline constexpr int kByteBufferSize = 2048;

// Up to 2048 bytes and their count.
struct TByteSpan {
  std::array<uint8_t, kByteBufferSize> Bytes{};
  int Count = 0;

  bool Full() const { return Count >= kByteBufferSize; }
  // Appends the byte while there is room; false when full.
  bool Add(uint8_t byte) {
    if (Full()) return false;
    Bytes[size_t(Count++)] = byte;
    return true;
  }
  void Clear() { Count = 0; }
};

// Up to 2048 unsigned 16-bit numbers and their count; a stack.
struct TNumberStack {
  std::array<uint16_t, kByteBufferSize> Items{};
  int Count = 0;

  bool Full() const { return Count >= kByteBufferSize; }
  void Clear() { Count = 0; }
};

}  // namespace lumigram
