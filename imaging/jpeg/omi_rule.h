#pragma once
// How an optimised image picks its encoding: JPEG qualities 20, 30, ... 90
// are tried in turn against the packed bitmap (size P). The search stops at
// the first quality q where
//   - the JPEG has grown by more than 12000 bytes over the quality-20 one,
//   - q is 90, or
//   - P is no larger than the JPEG;
// the packed bitmap is written when P is smaller than that last JPEG, the
// JPEG otherwise.
//
// The rule is kept apart from the encoders so it can be evaluated on partial
// knowledge: JPEG sizes arriving out of order from two threads, and P known
// only as a lower bound while the bitmap is still being packed.

#include <array>
#include <cstdint>

namespace lumigram {

inline constexpr int kOmiQualities = 8;
inline constexpr int64_t kOmiGrowthBudget = 12000;
constexpr int OmiQuality(int index) {
  return 20 + 10 * index;
}

// What is known so far. A JPEG size of -1 is not known yet.
struct TOmiKnowledge {
  std::array<int64_t, kOmiQualities> jpegSizes;
  int64_t packedAtLeast = 0;  // P is at least this
  bool packedExact = false;   // and exactly this
  TOmiKnowledge() { jpegSizes.fill(-1); }
};

struct TOmiVerdict {
  enum TKind { NeedJpeg, NeedPacked, Decided };
  TKind kind = NeedJpeg;
  // NeedJpeg: the quality index whose size is missing. NeedPacked: the index
  // whose JPEG size P must be told apart from. Decided: where the search stops.
  int index = 0;
  bool packedWins = false;  // Decided: write the packed bitmap
  // No JPEG above this index can matter any more.
  int lastUseful = kOmiQualities - 1;
};

TOmiVerdict EvaluateOmiRule(const TOmiKnowledge& known);

}  // namespace lumigram
