#include "util/scramble.h"

#include <gtest/gtest.h>

namespace lumigram {
namespace {

std::string AllBytesFrom(int first) {
  std::string text;
  for (int i = first; i < 256; ++i) text += char(i);
  return text;
}

TEST(Scramble, AddAndSubUndoEachOther) {
  const std::string text = AllBytesFrom(0);
  EXPECT_EQ(ScrambleSub(ScrambleAdd(text, "key"), "key"), text);
  EXPECT_EQ(ScrambleAdd(ScrambleSub(text, "key"), "key"), text);
  EXPECT_EQ(ScrambleAdd("\xff\x01", "\x02\x02"), "\x01\x03");
  EXPECT_EQ(ScrambleAdd("abc", ""), "abc");
  EXPECT_EQ(ScrambleAdd("", "key"), "");
}

TEST(Scramble, FourteenVariantAvoidsControlBytes) {
  // 0xF0 + 0x20 = 0x110 wraps past 255, so 14 more: 0x1E.
  EXPECT_EQ(ScrambleAdd14("\xf0", "\x20"), "\x1e");
  const std::string text = AllBytesFrom(14);
  const std::string scrambled = ScrambleAdd14(text, FixedTextKey());
  for (char c : scrambled) EXPECT_GE(uint8_t(c), 14) << int(uint8_t(c));
  EXPECT_EQ(ScrambleSub14(scrambled, FixedTextKey()), text);
}

TEST(HideText, RevealsWhatItHid) {
  for (int round = 0; round < 50; ++round) {  // the key is random: try several
    const std::string text = "Kelvado's card, " + std::to_string(round) + " \xe9\xff";
    EXPECT_EQ(RevealText(HideText(text, THideVariant::Text), THideVariant::Text), text);
    const std::string binary = AllBytesFrom(0) + text;
    EXPECT_EQ(RevealText(HideText(binary, THideVariant::Binary), THideVariant::Binary), binary);
  }
  EXPECT_EQ(RevealText(HideText("", THideVariant::Text), THideVariant::Text), "");
}

TEST(HideText, TextVariantIsSafeInsideQuotes) {
  for (int round = 0; round < 50; ++round) {
    const std::string hidden = HideText(std::string(40, '\''), THideVariant::Text);
    const int keyLength = uint8_t(hidden[0]) - 14;
    EXPECT_GE(keyLength, 10);
    EXPECT_LE(keyLength, 50);
    for (char c : hidden) EXPECT_GE(uint8_t(c), 14);
    // Every quote is doubled, so no run of quotes has odd length.
    size_t run = 0;
    for (char c : hidden + "x") {
      if (c == '\'') {
        ++run;
      } else {
        EXPECT_EQ(run % 2, 0u);
        run = 0;
      }
    }
  }
}

TEST(RevealText, DamagedInputGivesEmptyText) {
  EXPECT_EQ(RevealText("", THideVariant::Binary), "");
  EXPECT_EQ(RevealText("\x05", THideVariant::Binary), "");
  EXPECT_EQ(RevealText("\x30"
                       "abc",
                       THideVariant::Binary),
            "");  // key of 34 in 3 bytes
}

TEST(FixedKeys, HaveTheirLengthsAndArePrintable) {
  EXPECT_EQ(FixedTextKey().size(), 97u);
  EXPECT_EQ(KeyAlphabet().size(), 53u);
  for (char c : std::string(FixedTextKey()) + std::string(KeyAlphabet())) {
    EXPECT_GE(c, 32);
    EXPECT_LT(c, 127);
  }
}

}  // namespace
}  // namespace lumigram
