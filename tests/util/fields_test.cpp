#include "util/fields.h"

#include <gtest/gtest.h>

namespace lumigram {
namespace {

TEST(Bytes, LittleEndianIntegersAndDoubles) {
  EXPECT_EQ(IntToBytes4(0x01020304), std::string("\x04\x03\x02\x01", 4));
  EXPECT_EQ(Bytes4ToInt(IntToBytes4(-2)), -2);
  EXPECT_EQ(Bytes4ToInt("abc"), 0);
  EXPECT_EQ(Bytes8ToDouble(DoubleToBytes8(3.25)), 3.25);
  EXPECT_EQ(DoubleToBytes8(1.0), std::string("\0\0\0\0\0\0\xf0\x3f", 8));
  EXPECT_EQ(Bytes8ToDouble("1234567"), 0.0);
}

TEST(ReadField, ReadsFieldsBackToBack) {
  std::string text;
  AppendField(text, "first");
  AppendField(text, "");
  AppendField(text, std::string("\0\1", 2));
  size_t offset = 0;
  std::string field;
  ASSERT_TRUE(ReadField(text, offset, field));
  EXPECT_EQ(field, "first");
  ASSERT_TRUE(ReadField(text, offset, field));
  EXPECT_EQ(field, "");
  ASSERT_TRUE(ReadField(text, offset, field));
  EXPECT_EQ(field, std::string("\0\1", 2));
  EXPECT_EQ(offset, text.size());
}

TEST(ReadField, ShortFieldFailsButMovesPastTheAnnouncedLength) {
  const std::string text = IntToBytes4(10) + "123456";
  size_t offset = 0;
  std::string field;
  EXPECT_FALSE(ReadField(text, offset, field));
  EXPECT_EQ(offset, 14u);
  EXPECT_EQ(field, "123456");
}

TEST(ReadField, FewerThanFourBytesLeftReadAsAnEmptyField) {
  size_t offset = 1;
  std::string field = "stale";
  EXPECT_TRUE(ReadField("abc", offset, field));
  EXPECT_EQ(field, "");
  offset = 100;  // beyond the end altogether
  EXPECT_TRUE(ReadField("abc", offset, field));
}

TEST(ReadField, NegativeOrHugeLengthsAllocateNothing) {
  size_t offset = 0;
  std::string field;
  EXPECT_FALSE(ReadField(IntToBytes4(-1) + "xyz", offset, field));
  EXPECT_EQ(offset, 0u);
  // A length of 2 GB in a 10-byte string fails with only the bytes present.
  EXPECT_FALSE(ReadField(IntToBytes4(0x7FFFFFFF) + "abcdef", offset, field));
  EXPECT_EQ(field, "abcdef");
}

}  // namespace
}  // namespace lumigram
