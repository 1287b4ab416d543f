#include "imaging/omi_rule.h"

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

TEST(OmiRuleTest, PackedBitmapNoLargerThanTheFirstJpegStopsAtOnce) {
  ExpectDecided(EvaluateOmiRule(Known({5000}, 4999)), 20, true);
  // Equal sizes stop the search too, but only a smaller bitmap wins.
  ExpectDecided(EvaluateOmiRule(Known({5000}, 5000)), 20, false);
}

TEST(OmiRuleTest, GrowthBeyondTheBudgetStopsWithThatJpeg) {
  // Exactly 12000 bytes of growth goes on; one more byte stops, and the JPEG
  // that overshot is the candidate.
  ExpectDecided(EvaluateOmiRule(Known({10000, 22000, 22001}, 1000000)), 40, false);
  ExpectDecided(EvaluateOmiRule(Known({10000, 22001}, 1000000)), 30, false);
  // Against the quality-20 size, not the previous step's.
  ExpectDecided(EvaluateOmiRule(Known({10000, 16000, 21000, 22500}, 1000000)), 50, false);
}

TEST(OmiRuleTest, QualityNinetyIsTheLastStep) {
  ExpectDecided(EvaluateOmiRule(Known({1000, 1100, 1200, 1300, 1400, 1500, 1600, 1700}, 1000000)),
                90, false);
  ExpectDecided(EvaluateOmiRule(Known({1000, 1100, 1200, 1300, 1400, 1500, 1600, 1700}, 1650)), 90,
                true);
}

TEST(OmiRuleTest, JpegOvertakingThePackedBitmapOnTheWay) {
  ExpectDecided(EvaluateOmiRule(Known({3000, 4000, 5200, 6000}, 5100)), 40, true);
  ExpectDecided(EvaluateOmiRule(Known({3000, 4000, 5100, 6000}, 5100)), 40, false);
  // A JPEG that shrinks on the way (it happens) is judged the same way.
  ExpectDecided(EvaluateOmiRule(Known({3000, 2900, 2950, 3100}, 3050)), 50, true);
}

TEST(OmiRuleTest, PartialKnowledgeAsksForTheFirstMissingPiece) {
  TOmiVerdict verdict = EvaluateOmiRule(Known({}, 0, false));
  EXPECT_EQ(verdict.kind, TOmiVerdict::NeedJpeg);
  EXPECT_EQ(verdict.index, 0);
  EXPECT_EQ(verdict.lastUseful, 7);

  // A bound on P no larger than J20 cannot tell the first step apart.
  verdict = EvaluateOmiRule(Known({5000, 6000}, 5000, false));
  EXPECT_EQ(verdict.kind, TOmiVerdict::NeedPacked);
  EXPECT_EQ(verdict.index, 0);
  // Above both, the bitmap is known to be larger: the next JPEG is wanted.
  verdict = EvaluateOmiRule(Known({5000, 6000}, 6001, false));
  EXPECT_EQ(verdict.kind, TOmiVerdict::NeedJpeg);
  EXPECT_EQ(verdict.index, 2);
  // The same bound suffices to settle a budget stop as "JPG".
  ExpectDecided(EvaluateOmiRule(Known({5000, 18000}, 18001, false)), 30, false);
}

TEST(OmiRuleTest, KnownStopsBoundTheUsefulQualities) {
  // Quality 60 overshot the budget, so nothing above it can matter even while
  // 40 and 50 are still missing.
  TOmiKnowledge known = Known({5000, 6000}, 0, false);
  known.jpegSizes[4] = 20000;
  known.jpegSizes[6] = 30000;
  TOmiVerdict verdict = EvaluateOmiRule(known);
  EXPECT_EQ(verdict.lastUseful, 4);
  EXPECT_EQ(verdict.kind, TOmiVerdict::NeedPacked);

  // An exact P no larger than a JPEG bounds the search the same way.
  known = Known({5000, 6000}, 6500, true);
  known.jpegSizes[3] = 7000;
  verdict = EvaluateOmiRule(known);
  EXPECT_EQ(verdict.lastUseful, 3);
  EXPECT_EQ(verdict.kind, TOmiVerdict::NeedJpeg);
  EXPECT_EQ(verdict.index, 2);
}

}  // namespace
}  // namespace lumigram
