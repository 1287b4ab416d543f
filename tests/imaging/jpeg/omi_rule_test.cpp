#include "imaging/jpeg/omi_rule.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace lumigram {
namespace {

TOmiKnowledge Known(std::initializer_list<int64_t> sizes, int64_t packed, bool exact = true) {
  TOmiKnowledge known;
  int i = 0;
  for (const int64_t size : sizes) known.jpegSizes[size_t(i++)] = size;
  known.packedAtLeast = packed;
  known.packedExact = exact;
  return known;
}

void ExpectDecided(const TOmiVerdict& verdict, int quality, bool packedWins) {
  ASSERT_EQ(verdict.kind, TOmiVerdict::Decided);
  EXPECT_EQ(OmiQuality(verdict.index), quality);
  EXPECT_EQ(verdict.packedWins, packedWins);
}

TEST(OmiRuleTest, StopsAtTheFirstStepThatEndsTheSearch) {
  // P no larger than J20 stops at once; equal sizes stop but keep the JPEG.
  ExpectDecided(EvaluateOmiRule(Known({5000}, 4999)), 20, true);
  ExpectDecided(EvaluateOmiRule(Known({5000}, 5000)), 20, false);
  // 12000 bytes of growth over J20 goes on, one more stops with the JPEG
  // that overshot.
  ExpectDecided(EvaluateOmiRule(Known({10000, 22000, 22001}, 1000000)), 40, false);
  ExpectDecided(EvaluateOmiRule(Known({10000, 16000, 21000, 22500}, 1000000)), 50, false);
  // Quality 90 is the last step.
  const std::initializer_list<int64_t> slow = {1000, 1100, 1200, 1300, 1400, 1500, 1600, 1700};
  ExpectDecided(EvaluateOmiRule(Known(slow, 1000000)), 90, false);
  ExpectDecided(EvaluateOmiRule(Known(slow, 1650)), 90, true);
  // A JPEG overtaking P on the way, also after shrinking for a step.
  ExpectDecided(EvaluateOmiRule(Known({3000, 4000, 5200, 6000}, 5100)), 40, true);
  ExpectDecided(EvaluateOmiRule(Known({3000, 4000, 5100, 6000}, 5100)), 40, false);
  ExpectDecided(EvaluateOmiRule(Known({3000, 2900, 2950, 3100}, 3050)), 50, true);
}

TEST(OmiRuleTest, PartialKnowledgeAsksForTheFirstMissingPiece) {
  TOmiVerdict verdict = EvaluateOmiRule(Known({}, 0, false));
  EXPECT_EQ(verdict.kind, TOmiVerdict::NeedJpeg);
  EXPECT_EQ(verdict.index, 0);
  EXPECT_EQ(verdict.lastUseful, 7);
  // A bound on P no larger than J20 cannot settle the first step; above
  // both JPEGs it can, and the next JPEG is wanted.
  verdict = EvaluateOmiRule(Known({5000, 6000}, 5000, false));
  EXPECT_EQ(verdict.kind, TOmiVerdict::NeedPacked);
  EXPECT_EQ(verdict.index, 0);
  verdict = EvaluateOmiRule(Known({5000, 6000}, 6001, false));
  EXPECT_EQ(verdict.kind, TOmiVerdict::NeedJpeg);
  EXPECT_EQ(verdict.index, 2);
  ExpectDecided(EvaluateOmiRule(Known({5000, 18000}, 18001, false)), 30, false);

  // Quality 60 overshot the budget: nothing above it can matter, even while
  // 40 and 50 are missing. An exact P no larger than a JPEG bounds it too.
  TOmiKnowledge known = Known({5000, 6000}, 0, false);
  known.jpegSizes[4] = 20000;
  known.jpegSizes[6] = 30000;
  EXPECT_EQ(EvaluateOmiRule(known).lastUseful, 4);
  known = Known({5000, 6000}, 6500, true);
  known.jpegSizes[3] = 7000;
  verdict = EvaluateOmiRule(known);
  EXPECT_EQ(verdict.lastUseful, 3);
  EXPECT_EQ(verdict.kind, TOmiVerdict::NeedJpeg);
  EXPECT_EQ(verdict.index, 2);
}

}  // namespace
}  // namespace lumigram
