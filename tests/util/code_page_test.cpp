#include "util/code_page.h"

#include <gtest/gtest.h>

namespace lumigram {
namespace {

TEST(CodePage, NamesAreNormalised) {
  EXPECT_EQ(CodePageName("1251"), "CP1251");
  EXPECT_EQ(CodePageName("cp1251"), "CP1251");
  EXPECT_EQ(CodePageName("Windows-1250"), "CP1250");
  EXPECT_EQ(CodePageName("utf-8"), "UTF-8");
  EXPECT_EQ(CodePageName("no such page"), "");
  EXPECT_EQ(CodePageName(""), "");
}

TEST(CodePage, CharsetNumbersPickTheirCodePage) {
  // Each pair: a character and its byte(s) in the code page of that charset.
  const struct {
    int Charset;
    const char* Utf8;
    const char* Bytes;
  } cases[] = {
      {0,
       "\xC3\x96"
       "ffnen \xE2\x82\xAC",
       "\xD6"
       "ffnen \x80"},                                         // Öffnen €
      {204, "\xD0\x96", "\xC6"},                              // Ж
      {161, "\xCE\xA9", "\xD9"},                              // Ω
      {238, "\xC5\x82", "\xB3"},                              // ł
      {128, "\xE6\x97\xA5\xE6\x9C\xAC", "\x93\xFA\x96\x7B"},  // 日本
      {999, "\xC3\xA9", "\xE9"},                              // é, Western by default
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToCharset(c.Utf8, c.Charset), c.Bytes) << c.Charset;
    EXPECT_EQ(CharsetToUtf8(c.Bytes, c.Charset), c.Utf8) << c.Charset;
  }
}

TEST(CodePage, ExactConversionsNameWhatFails) {
  std::string out, error;
  EXPECT_TRUE(Utf8ToCodePage("caf\xC3\xA9", "CP1252", out, error));
  EXPECT_EQ(out, "caf\xE9");
  EXPECT_FALSE(Utf8ToCodePage("ab\xD0\x96", "CP1252", out, error));
  EXPECT_EQ(error, "U+0416 cannot be written in CP1252");
  EXPECT_FALSE(Utf8ToCodePage("ab\xFF", "CP1252", out, error));
  EXPECT_EQ(error, "not valid UTF-8 at offset 2");
  EXPECT_FALSE(CodePageToUtf8("ab\x81", "CP1252", out, error));
  EXPECT_EQ(error, "byte 0x81 at offset 2 is not CP1252 text");
  EXPECT_FALSE(CodePageToUtf8("ab", "CP0", out, error));
  EXPECT_EQ(error, "unknown code page CP0");
  EXPECT_TRUE(CodePageToUtf8("", "CP1252", out, error));
  EXPECT_EQ(out, "");
}

TEST(CodePage, ForgivingConversionsReplaceWhatTheyCannotConvert) {
  EXPECT_EQ(CharsetToUtf8("A\x81"
                          "B",
                          0),
            "A\xEF\xBF\xBD"
            "B");
  EXPECT_EQ(Utf8ToCharset("a\xD0\x96"
                          "b",
                          0),
            "a?b");
  EXPECT_EQ(Utf8ToCharset("a\xFF"
                          "b",
                          0),
            "a?b");
  // Long texts go through the converter in pieces.
  const std::string longText(100000, 'x');
  EXPECT_EQ(CharsetToUtf8(longText + "\xE9", 0), longText + "\xC3\xA9");
}

}  // namespace
}  // namespace lumigram

namespace lumigram {
namespace {

TEST(CodePage, DisplayTextKeepsUtf8AndReadsTheRestAsWestern) {
  EXPECT_EQ(DisplayUtf8("&File"), "&File");
  EXPECT_EQ(DisplayUtf8("R\xC3\xBC"
                        "ckg\xC3\xA4ngig"),
            "R\xC3\xBC"
            "ckg\xC3\xA4ngig");
  // A German translation as its language file holds it.
  EXPECT_EQ(DisplayUtf8("\xD6"
                        "ffnen"),
            "\xC3\x96"
            "ffnen");
  EXPECT_EQ(DisplayUtf8("Gr\xFC\xDF"
                        "e \x80"),
            "Gr\xC3\xBC\xC3\x9F"
            "e \xE2\x82\xAC");
  for (const char* broken : {"\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                             "\x80", "\xF8\x88\x80\x80\x80"})
    EXPECT_FALSE(IsValidUtf8(broken)) << broken;
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80 \xE2\x82\xAC"));
}

}  // namespace
}  // namespace lumigram
