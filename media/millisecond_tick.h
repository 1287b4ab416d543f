#pragma once
// The millisecond tick the timers measure with: steady, never set back.

#include <chrono>
#include <cstdint>

namespace lumigram {

inline int64_t MillisecondTick() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace lumigram
