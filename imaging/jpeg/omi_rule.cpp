#include "imaging/jpeg/omi_rule.h"

namespace lumigram {

TOmiVerdict EvaluateOmiRule(const TOmiKnowledge& known) {
  TOmiVerdict verdict;
  // Whatever is still open, the search cannot go past a known stop: a quality
  // that overshot the growth budget, or one whose JPEG is no smaller than P.
  const int64_t first = known.jpegSizes[0];
  for (int i = 0; i < kOmiQualities; ++i) {
    const int64_t size = known.jpegSizes[i];
    if (size < 0) continue;
    const bool overBudget = i > 0 && first >= 0 && size - first > kOmiGrowthBudget;
    const bool packedNoLarger = known.packedExact && known.packedAtLeast <= size;
    if (overBudget || packedNoLarger) {
      verdict.lastUseful = i;
      break;
    }
  }

  for (int i = 0; i < kOmiQualities; ++i) {
    const int64_t size = known.jpegSizes[i];
    if (size < 0) {
      verdict.kind = TOmiVerdict::NeedJpeg;
      verdict.index = i;
      return verdict;
    }
    // P against this JPEG: a lower bound above it settles "larger".
    if (!known.packedExact && known.packedAtLeast <= size) {
      verdict.kind = TOmiVerdict::NeedPacked;
      verdict.index = i;
      return verdict;
    }
    const bool packedNoLarger = known.packedExact && known.packedAtLeast <= size;
    if (packedNoLarger || i == kOmiQualities - 1 || (i > 0 && size - first > kOmiGrowthBudget)) {
      verdict.kind = TOmiVerdict::Decided;
      verdict.index = i;
      verdict.packedWins = known.packedExact && known.packedAtLeast < size;
      verdict.lastUseful = i;
      return verdict;
    }
  }
  return verdict;  // not reached: the last quality always stops
}

}  // namespace lumigram
