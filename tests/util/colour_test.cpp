#include "util/colour.h"

#include <gtest/gtest.h>

namespace lumigram {
namespace {

TEST(Colour, Channels) {
  EXPECT_EQ(ChannelOf(0x00332211, 0), 0x11);
  EXPECT_EQ(ChannelOf(0x00332211, 2), 0x33);
  EXPECT_EQ(ChannelOf(0x44332211, 3), 0x44);
  EXPECT_EQ(MaxChannel(0x00102030), 0x30);
  EXPECT_EQ(RGB(1, 2, 3), 0x00030201u);
}

TEST(ContrastColour, InvertsOrPicksWhiteForMidTones) {
  EXPECT_EQ(ContrastColour(0x00123456, 0), 0x00EDCBA9u);
  EXPECT_EQ(ContrastColour(0x01123456, 0), 0x01EDCBA9u);  // top byte kept
  EXPECT_EQ(ContrastColour(0x00808080, 1), kWhite);
  EXPECT_EQ(ContrastColour(kBlack, 1), kWhite);  // by inversion
  EXPECT_EQ(ContrastColour(0x00000064, 1), kWhite);
  EXPECT_EQ(ContrastColour(0x0000009D, 1), 0x00FFFF62u);
  EXPECT_EQ(ContrastColour(0x00123456, 7), 0x00123456u);
}

TEST(MixColor, MixesAndLightens) {
  EXPECT_EQ(MixColor(100, 0x00112233, 0x00FFFFFF), 0x00112233u);
  EXPECT_EQ(MixColor(0, 0x00112233, 0x00445566), 0x00445566u);
  EXPECT_EQ(MixColor(50, 0x00000000, 0x00C8C8C8), 0x00646464u);
  // Above 100 the excess goes from the first colour towards white.
  EXPECT_EQ(MixColor(150, 0x00000000, 0x00ABCDEF), MixColor(50, kWhite, 0x00000000));
  EXPECT_EQ(MixColor(150, 0x00000000, 0x00ABCDEF), 0x007F7F7Fu);
  EXPECT_EQ(MixColor(500, 0x00000000, 0), kWhite);
  // Negative shares drive the channels down to black.
  EXPECT_EQ(MixColor(-50, 0x00FFFFFF, 0x00FFFFFF), 0x007F7F7Fu);
  EXPECT_EQ(MixColor(-300, 0x00FFFFFF, 0x00FFFFFF), 0u);
  // Shares that a style code can spell, far beyond what 32-bit products hold.
  EXPECT_EQ(MixColor(-2147483647 - 1, 0x00FFFFFF, 0), 0u);
  EXPECT_EQ(MixColor(-99999999, 0x00FFFFFF, 0x00FFFFFF), 0u);
  EXPECT_EQ(MixColor(2147483647, 0x00123456, 0), kWhite);
}

}  // namespace
}  // namespace lumigram
