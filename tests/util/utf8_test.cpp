#include "util/utf8.h"

#include <gtest/gtest.h>

namespace lumigram {
namespace {

// The edges where decoders usually differ: the first and last lead bytes,
// the smallest value of each length, surrogates, U+10FFFF and cut-offs.
TEST(Utf8, DecodesOnlyWellFormedSequences) {
  const struct {
    std::string_view Text;
    size_t Length;
    char32_t CodePoint;
  } cases[] = {
      {"A", 1, U'A'},
      {"\xC2\x80", 2, 0x80},
      {"\xDF\xBF", 2, 0x7FF},
      {"\xE0\xA0\x80", 3, 0x800},
      {"\xEF\xBF\xBD", 3, 0xFFFD},
      {"\xF0\x90\x80\x80", 4, 0x10000},
      {"\xF4\x8F\xBF\xBF", 4, 0x10FFFF},
      {"\xC1\xBF", 0, 0},          // overlong by its lead
      {"\xE0\x9F\xBF", 0, 0},      // overlong three bytes
      {"\xF0\x8F\xBF\xBF", 0, 0},  // overlong four bytes
      {"\xED\xA0\x80", 0, 0},      // a surrogate
      {"\xF4\x90\x80\x80", 0, 0},  // past U+10FFFF
      {"\xF5\x80\x80\x80", 0, 0},  // a lead no sequence has
      {"\x80", 0, 0},              // a lone continuation byte
      {"\xE2\x82", 0, 0},          // cut off
      {"\xE2\x28\xAC", 0, 0},      // a bad continuation byte
      {"", 0, 0},
  };
  for (const auto& c : cases) {
    char32_t codePoint = 0;
    EXPECT_EQ(DecodeUtf8(c.Text, codePoint), c.Length) << testing::PrintToString(c.Text);
    if (c.Length) {
      EXPECT_EQ(codePoint, c.CodePoint) << testing::PrintToString(c.Text);
    }
  }
  // A bad sequence is skipped whole by the converters, one byte at a time
  // by the readers.
  EXPECT_EQ(Utf8SequenceLength(0xE2), 3u);
  EXPECT_EQ(Utf8SequenceLength(0xC1), 1u);
  size_t position = 0;
  EXPECT_EQ(NextCodePoint("\xE2\x82\x41", position), kReplacementCharacter);
  EXPECT_EQ(position, 1u);
}

}  // namespace
}  // namespace lumigram
