#include "imaging/text_formats/text_picture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/imaging/pixel_map.h"
#include "tests/imaging/text_formats/text_format_fixtures.h"
#include "tests/support/scratch_folder.h"
#include "util/files.h"

namespace lumigram {
namespace {

using testing::MakeBitmap;
using testing::ScratchFolder;
using testing::TextFormatFixture;
using testing::WholeFile;

constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kSilver = 0xC0C0C0;

const std::string kAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz()";

// n as count base-64 digits, least significant first.
std::string Digits(uint32_t n, int count) {
  std::string text;
  for (int i = 0; i < count; ++i, n /= 64) text += kAlphabet[n % 64];
  return text;
}

TBitmap Read(const std::string& text) {
  TTextPicture picture;
  EXPECT_TRUE(picture.FromText(text)) << text << ": " << picture.ErrorText();
  return picture.Picture();
}

std::string ReadFails(const std::string& text) {
  TTextPicture picture;
  EXPECT_FALSE(picture.FromText(text)) << text;
  return picture.ErrorText();
}

std::string Write(const TBitmap& bitmap, int depth, int wrapMode = TTextPicture::kWrapNone) {
  const std::string text = BitmapToTextPicture(bitmap, depth, wrapMode);
  EXPECT_FALSE(text.empty());
  return text;
}

// Pixel (x, y) is palette[(x + 2y) mod palette size]: the fixtures' rule.
void ExpectFixturePattern(const TBitmap& bitmap, const std::vector<TColor>& palette) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      ASSERT_EQ(bitmap.GetPixel(x, y), palette[size_t(x + 2 * y) % palette.size()])
          << x << "," << y;
    }
  }
}

TEST(TextPicture, ReadsFixturesMadeByAnIndependentEncoder) {
  TTextPicture picture;
  ASSERT_TRUE(picture.ReadFromFile(TextFormatFixture("textpic/depth1.tep"))) << picture.ErrorText();
  EXPECT_EQ(picture.Width(), 13);
  EXPECT_EQ(picture.Height(), 3);
  ExpectFixturePattern(picture.Picture(), {0xFF0000, 0x0080FF});

  ASSERT_TRUE(picture.ReadFromFile(TextFormatFixture("textpic/depth3_quoted.tep")));
  EXPECT_EQ(picture.Width(), 5);
  ExpectFixturePattern(picture.Picture(), {0x000000, 0x112233, 0x445566, 0x778899, 0xAABBCC,
                                           0xDDEEFF, 0x0000FF, 0xFFFFFF});

  ASSERT_TRUE(picture.ReadFromFile(TextFormatFixture("textpic/depth6_lines.tep")));
  EXPECT_EQ(picture.Width(), 70);
  std::vector<TColor> palette64;
  for (uint32_t i = 0; i < 64; ++i) palette64.push_back((i * 0x030507) & 0xFFFFFF);
  ExpectFixturePattern(picture.Picture(), palette64);

  // Only two colours given: the rest are the default palette, then black.
  ASSERT_TRUE(picture.ReadFromFile(TextFormatFixture("textpic/depth4_short_palette.tep")));
  ExpectFixturePattern(picture.Picture(),
                       {0x123456, 0x654321, 0x00FFFF, kGreen, kBlue, kSilver, 0x808080, kWhite,
                        kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack});
  EXPECT_EQ(picture.BitsPerPixel(), 3);
}

TEST(TextPicture, IgnoresLayoutQuotesAndComments) {
  const TBitmap plain = Read("T6200100~01#");
  EXPECT_EQ(plain.GetPixel(0, 0), kBlack);
  EXPECT_EQ(plain.GetPixel(1, 0), kRed);
  EXPECT_EQ(Read("'T6 2 0 0'+\r\n'1 0 0~ 0'+'1#'"), plain);
  // Comments nest and may hold "#" and "~".
  EXPECT_EQ(Read("{ a # b ~ {nested}}T6{~}200100~{#}0{{}}1#"), plain);
  // A stray "}" turns everything after it into a comment until "{" balances.
  EXPECT_EQ(Read("}T1100100~{T6200100~01#"), plain);
  // "T" inside the pixels is just the digit 29; "~" there is skipped.
  TBitmap grey;
  grey.SetSize(1, 1);
  grey.SetPixel(0, 0, 0x808080);
  EXPECT_EQ(Read("T5100100~~6#"), grey);
}

TEST(TextPicture, RefusesHeadersThatDoNotDescribeAPicture) {
  EXPECT_EQ(ReadFails(""), "Unknown format");
  EXPECT_EQ(ReadFails("no picture here"), "Unknown format");  // no "T" digit before the end
  EXPECT_EQ(ReadFails("T0100100~0#"), "Unknown format");
  EXPECT_EQ(ReadFails("T7100100~0#"), "Unknown format");
  EXPECT_EQ(ReadFails("T6000100~0#"), "Unknown format");                      // width 0
  EXPECT_EQ(ReadFails("T6100000~0#"), "Unknown format");                      // height 0
  EXPECT_EQ(ReadFails("T6100100#~0#"), "Unknown format");                     // "#" before "~"
  EXPECT_EQ(ReadFails("T6100100"), "Unknown format");                         // data ends first
  EXPECT_EQ(ReadFails("T6" + Digits(19001, 3) + "100~0#"), "Out of memory");  // above the limit

  // A failed read leaves the picture as it was.
  TTextPicture picture;
  ASSERT_TRUE(picture.FromText("T6300200~#"));
  EXPECT_FALSE(picture.FromText("T6100#"));
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.Height(), 2);
}

TEST(TextPicture, ClampsPaletteIndicesToThePalette) {
  // Depth 4: 16 entries, the last white; digit 40 ("e") paints entry 15.
  std::string text = "T4100100";
  for (int i = 0; i < 15; ++i) text += "0000";
  EXPECT_EQ(Read(text + "))))~e#").GetPixel(0, 0), kWhite);
  // Depth 5: digit 63 paints entry 31.
  text = "T5100100";
  for (int i = 0; i < 31; ++i) text += "0000";
  EXPECT_EQ(Read(text + Digits(kRed, 4) + "~)#").GetPixel(0, 0), kRed);
}

TEST(TextPicture, StopsAtAFullPictureAndLeavesShortDataWhite) {
  TMemoryStream stream(std::string("T6100100~5XYZ#tail"));
  TTextPicture picture;
  picture.LoadFromStream(stream);
  EXPECT_EQ(picture.Picture().GetPixel(0, 0), kSilver);
  EXPECT_EQ(stream.Position(), 10);  // just after the one pixel digit

  TMemoryStream failing(std::string("T6100100#more"));
  EXPECT_THROW(picture.LoadFromStream(failing), EGeneralError);
  EXPECT_EQ(failing.Position(), 9);  // just after the "#"

  for (const std::string text : {"T6200200~5", "T6200200~5#55"}) {
    const TBitmap short_ = Read(text);
    EXPECT_EQ(short_.GetPixel(0, 0), kSilver);
    EXPECT_EQ(short_.GetPixel(1, 0), kWhite);
    EXPECT_EQ(short_.GetPixel(1, 1), kWhite);
  }
}

TEST(TextPicture, WritesTheHeaderAndDigitsAsLaidOut) {
  EXPECT_EQ(Write(MakeBitmap(2, 1, [](int x, int) { return x ? kBlue : kRed; }), 6),
            "T6200100)30000m)~01#");
  // 7 x 1 at depth 1: two pixel digits, the second carrying one pixel.
  EXPECT_EQ(Write(MakeBitmap(7, 1, [](int x, int) { return x % 2 ? kWhite : kBlack; }), 1),
            "T17001000000))))~g0#");
  // Colours beyond the palette's room take index 0.
  const TBitmap three =
      MakeBitmap(3, 1, [](int x, int) { return x ? x == 1 ? kGreen : kBlue : kRed; });
  EXPECT_EQ(Write(three, 1), "T1300100)3000yF0~2#");
}

TEST(TextPicture, BreaksLinesByWrapMode) {
  const TBitmap wide = MakeBitmap(1000, 1, [](int x, int) { return TColor(x % 64) * 0x040404; });
  const std::string plain = Write(wide, 6);
  const size_t tilde = plain.find('~');
  const std::string header = plain.substr(0, tilde + 1);
  const std::string digits = plain.substr(tilde + 1, 1000);
  ASSERT_EQ(plain, header + digits + "#");

  std::string lines = header + "\r\n";
  for (size_t i = 0; i < 1000; i += 68) {
    lines += digits.substr(i, 68) + (i + 68 <= 1000 ? "\r\n" : "");
  }
  EXPECT_EQ(Write(wide, 6, TTextPicture::kWrapLines), lines + "#");

  // Quoted pieces of 250 digits; a line break at every fourth join, the one
  // after the header counting as the first.
  EXPECT_EQ(Write(wide, 6, TTextPicture::kWrapQuoted),
            header + "'+'" + digits.substr(0, 250) + "'+'" + digits.substr(250, 250) + "'+'" +
                digits.substr(500, 250) + "'+\r\n'" + digits.substr(750) + "'+'#");

  for (int mode = 0; mode <= 2; ++mode) EXPECT_EQ(Read(Write(wide, 6, mode)), wide) << mode;
}

TEST(TextPicture, RoundTripsEveryDepthAndWrapMode) {
  for (int depth = 1; depth <= 6; ++depth) {
    const int colours = 1 << depth;
    for (const int width : {1, 5, 7, 13, 64}) {
      const TBitmap bitmap = MakeBitmap(width, 3, [&](int x, int y) {
        return TColor((x * 3 + y * 5) % colours) * 0x030507 + 0x102030;
      });
      for (int mode = 0; mode <= 2; ++mode) {
        ASSERT_EQ(Read(Write(bitmap, depth, mode)), bitmap) << depth << " " << width << " " << mode;
      }
    }
  }
}

TEST(TextPicture, EncodesAndDecodesGlyphStrings) {
  const TBitmap glyph =
      MakeBitmap(16, 15, [](int x, int y) { return (x ^ y) & 4 ? kRed : kSilver; });
  // The quoted form goes between the quotes of a string constant.
  const std::string text = BitmapToTextPicture(glyph, 1, TTextPicture::kWrapQuoted);
  EXPECT_EQ(TextPictureToBitmap("'" + text + "'"), glyph);
  EXPECT_TRUE(TextPictureToBitmap("not a picture").Empty());
  EXPECT_TRUE(BitmapToTextPicture(TBitmap()).empty());
}

TEST(TextPicture, ReportsWriteFailures) {
  TTextPicture picture;
  std::string text;
  EXPECT_FALSE(picture.ToText(text));  // no picture
  EXPECT_EQ(picture.ErrorText(), "Out of memory");
  picture.Assign(MakeBitmap(3000, 1, [](int x, int) { return TColor(x % 64); }));
  testing::TRoomLimitedStream full(100);
  EXPECT_THROW(picture.SaveToStream(full), EGeneralError);
  EXPECT_EQ(picture.ErrorText(), "Out of memory");
}

TEST(TextPicture, ReadsAndReplacesFiles) {
  ScratchFolder folder;
  TTextPicture picture;
  EXPECT_FALSE(picture.ReadFromFile(folder / "missing.tep"));
  EXPECT_EQ(picture.ErrorText(), "File not found");
  EXPECT_FALSE(picture.ReadFromFile(folder.Path()));
  EXPECT_EQ(picture.ErrorText(), "File not found");
  // A pipe is not opened: that could wait for a writer forever.
  ASSERT_EQ(::mkfifo((folder / "pipe.tep").c_str(), 0600), 0);
  EXPECT_FALSE(picture.ReadFromFile(folder / "pipe.tep"));
  EXPECT_EQ(picture.ErrorText(), "File in use");

  const std::string path = folder / "glyph.tep";
  std::string error;
  ASSERT_TRUE(WriteStringToFile(path, "old text", error));
  EXPECT_FALSE(picture.WriteToFile(path));  // nothing to write: the old file stays
  EXPECT_EQ(WholeFile(path), "old text");
  picture.Assign(MakeBitmap(2, 1, [](int x, int) { return x ? kBlue : kRed; }));
  ASSERT_TRUE(picture.WriteToFile(path));
  EXPECT_EQ(WholeFile(path), "T6200100)30000m)~01#");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);
}

}  // namespace
}  // namespace lumigram
