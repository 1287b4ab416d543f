#include "util/text.h"

#include <gtest/gtest.h>

namespace lumigram {
namespace {

TEST(ReadNumber, FollowsTheLenientRules) {
  EXPECT_EQ(ReadNumber("40"), 40);
  EXPECT_EQ(ReadNumber("+40"), 40);
  EXPECT_EQ(ReadNumber("-5"), -5);
  EXPECT_EQ(ReadNumber("40%"), 40);
  EXPECT_EQ(ReadNumber("60,"), 60);
  EXPECT_EQ(ReadNumber("s60"), 0);
  EXPECT_EQ(ReadNumber(" 40"), 0);
  EXPECT_EQ(ReadNumber(""), 0);
  EXPECT_EQ(ReadNumber("++4"), 0);
  EXPECT_EQ(ReadNumber("-"), 0);
  EXPECT_EQ(ReadNumber("-x"), 0);
  EXPECT_EQ(ReadNumber("+-7"), -7);
}

TEST(ReadNumber, WrapsInThirtyTwoBitsWithoutFault) {
  EXPECT_EQ(ReadNumber("2147483647"), 2147483647);
  EXPECT_EQ(ReadNumber("2147483648"), INT32_MIN);
  EXPECT_EQ(ReadNumber("4294967296"), 0);
  EXPECT_EQ(ReadNumber("99999999999999999999"), 1661992959);
}

TEST(FormatNumbers, ThousandsAndDecimals) {
  EXPECT_EQ(FormatThousands(1234567), "1,234,567");
  EXPECT_EQ(FormatThousands(123), "123");
  EXPECT_EQ(FormatThousands(1000), "1,000");
  EXPECT_EQ(FormatThousands(0), "0");
  EXPECT_EQ(FormatDecimals("3.14159", "2"), "3.14");
  EXPECT_EQ(FormatDecimals("7", "3"), "7.000");
  EXPECT_EQ(FormatDecimals("7.5", "0"), "7");
  EXPECT_EQ(FormatDecimals("2.1x5", "3"), "2.150");
  EXPECT_EQ(IntToText(-12), "-12");
  EXPECT_EQ(IntToText(0), "0");
}

TEST(TextToInt, RoundsHalvesToEven) {
  EXPECT_EQ(TextToInt("2.5"), 2);
  EXPECT_EQ(TextToInt("3.5"), 4);
  EXPECT_EQ(TextToInt("-2.5"), -2);
  EXPECT_EQ(TextToInt("2.51"), 3);
  EXPECT_EQ(TextToInt("17"), 17);
  EXPECT_EQ(TextToInt("abc"), 0);
  EXPECT_EQ(TextToInt("12abc"), 0);
  EXPECT_EQ(TextToInt(""), 0);
  EXPECT_EQ(TextToInt("1e100"), 0);
}

TEST(CaseFolding, TouchesAsciiLettersOnly) {
  EXPECT_EQ(UpperAscii("abc\xe9z1"), "ABC\xe9Z1");
  EXPECT_EQ(LowerAscii("ABC\xc9Z1"), "abc\xc9z1");
  EXPECT_TRUE(SameTextAscii("Index.HTML", "index.html"));
  EXPECT_FALSE(SameTextAscii("\xe9", "\xc9"));
}

TEST(ReplaceAll, NeverSearchesAReplacementAgain) {
  EXPECT_EQ(ReplaceAll("a'b''c", "'", "''"), "a''b''''c");
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAll("abcabc", "bc", ""), "aa");
}

TEST(SplitAtZero, SplitsAtTheFirstZeroByte) {
  std::string before, after;
  EXPECT_TRUE(SplitAtZero(std::string("LG1.0\0ab\0c", 10), before, after));
  EXPECT_EQ(before, "LG1.0");
  EXPECT_EQ(after, std::string("ab\0c", 4));
  EXPECT_FALSE(SplitAtZero("no zero", before, after));
}

TEST(Paths, PiecesOfAPath) {
  EXPECT_EQ(ExtractFolder("/home/a/card.exe"), "/home/a/");
  EXPECT_EQ(ExtractFolder("card.exe"), "");
  EXPECT_EQ(ExtractFileName("/home/a/card.exe"), "card.exe");
  EXPECT_EQ(ExtractExtension("card.tar.gz"), "gz");
  EXPECT_EQ(ExtractExtension("README"), "");
  EXPECT_EQ(IncludeSlash(""), "/");
  EXPECT_EQ(IncludeSlash("/a/"), "/a/");
  EXPECT_EQ(IncludeSlash("/a"), "/a/");
  // The search for the dot does not stop at a folder separator.
  EXPECT_EQ(StripExtension("/home/my.cards/README"), "/home/my");
  EXPECT_EQ(StripExtension("card"), "card");
}

TEST(Clamp, HighWinsWhenTheBoundsCross) {
  EXPECT_EQ(Clamp(5, 0, -1), -1);
  EXPECT_EQ(Clamp(-3, 0, 10), 0);
  EXPECT_EQ(Clamp(30, 0, 10), 10);
}

}  // namespace
}  // namespace lumigram
