#include "imaging/text/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "imaging/text/font_face.h"
#include "imaging/text/font_match.h"
#include "tests/imaging/pixel_map.h"

namespace lumigram {
namespace {

using testing::PixelMap;

constexpr TColor kPaper = RGB(40, 120, 200);
constexpr TColor kInk = RGB(250, 230, 10);

TFont Font(int height, std::string name = "Arial") {
  TFont font;
  font.Name = std::move(name);
  font.Height = height;
  font.Color = kInk;
  return font;
}

TBitmap Paper(int width = 240, int height = 60) {
  TBitmap bitmap;
  bitmap.SetSize(width, height, kPaper);
  return bitmap;
}

TBitmap Drawn(const TFont& font, std::string_view text, const TTextOptions& options = {}, int x = 2,
              int y = 2) {
  TBitmap bitmap = Paper();
  TCanvas canvas(bitmap);
  TextOut(canvas, x, y, font, text, options);
  return bitmap;
}

// The smallest rectangle holding every pixel that is not paper.
TRect Ink(const TBitmap& bitmap) {
  TRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (bitmap.GetPixel(x, y) == kPaper) continue;
      box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
             std::max(box.Bottom, y + 1)};
    }
  }
  return box;
}

int InkCount(const TBitmap& bitmap) {
  int count = 0;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) count += bitmap.GetPixel(x, y) != kPaper;
  }
  return count;
}

bool HasFace(const TFont& font, const std::string& family) {
  return FaceFamily(font) == family;
}

TEST(Font, PointsAndHeightsAtNinetySixDots) {
  const TFont font;
  EXPECT_EQ(font.Height, -11);
  EXPECT_EQ(font.Size(), 8);
  EXPECT_EQ(HeightOfPoints(8), -11);
  EXPECT_EQ(HeightOfPoints(12), -16);
  EXPECT_EQ(HeightOfPoints(10), -13);  // 13.33
  EXPECT_EQ(HeightOfPoints(-12), 16);
  EXPECT_EQ(HeightOfPoints(INT_MAX), -133333);
  EXPECT_EQ(PointsOfHeight(-16), 12);
  EXPECT_EQ(PointsOfHeight(16), 12);
  EXPECT_EQ(PointsOfHeight(0), 8);
  EXPECT_GT(PointsOfHeight(INT_MIN), 0);
  TFont sized;
  sized.SetSize(24);
  EXPECT_EQ(sized.Height, -32);
  EXPECT_FALSE(FaceFamily(sized).empty());
}

TEST(Text, MeasuresGrowWithTheTextAndTheSize) {
  const TFont small = Font(-12), large = Font(-24);
  EXPECT_EQ(TextWidth(small, ""), 0);
  EXPECT_LT(TextWidth(small, "a"), TextWidth(small, "ab"));
  EXPECT_LT(TextWidth(small, "ab"), TextWidth(small, "ab cd"));
  EXPECT_LT(TextWidth(small, "Lumigram"), TextWidth(large, "Lumigram"));
  EXPECT_LT(TextHeight(small), TextHeight(large));
  // The cell is the em height plus the internal leading, whatever the text.
  EXPECT_GT(TextHeight(large), 24);
  EXPECT_LT(TextHeight(large), 36);
  EXPECT_EQ(TextHeight(large, "#"), TextHeight(large, "gjÅ"));
  const TTextMetrics metrics = FontMetrics(large);
  EXPECT_EQ(metrics.Ascent + metrics.Descent, metrics.Height);
  EXPECT_GT(metrics.Ascent, metrics.Descent);
  EXPECT_EQ(TextExtent(large, "Lumigram"),
            (TTextSize{TextWidth(large, "Lumigram"), TextHeight(large)}));
  // Positive heights are cell heights.
  for (int cell : {10, 16, 33}) EXPECT_EQ(TextHeight(Font(cell)), cell);
  EXPECT_EQ(TextHeight(Font(0)), TextHeight(TFont()));
}

TEST(Text, InkSitsInTheCellFromItsTopLeftCorner) {
  const TFont font = Font(-24);
  const TRect ink = Ink(Drawn(font, "Hg", {}, 7, 9));
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Left, 7);
  EXPECT_LE(ink.Right, 7 + TextWidth(font, "Hg") + 1);
  EXPECT_GT(ink.Top, 9);  // the internal leading lies above capitals
  EXPECT_LE(ink.Bottom, 9 + TextHeight(font));
  EXPECT_GT(ink.Bottom, 9 + FontMetrics(font).Ascent);  // "g" descends
}

TEST(Text, HeightsAreHeldToTheSizeCap) {
  const int largest = TextHeight(Font(-kMaxFontPixels));
  for (int height : {INT_MIN, -100000, 100000, INT_MAX}) {
    EXPECT_EQ(TextHeight(Font(height)), largest) << height;
    EXPECT_GT(TextWidth(Font(height), "W"), 0) << height;
    // The baseline on row 40: the bottom of the giant letter shows.
    const TBitmap bitmap = Drawn(Font(height), "W", {}, 0, 40 - FontMetrics(Font(height)).Ascent);
    EXPECT_GT(InkCount(bitmap), 1000) << height;
  }
  EXPECT_GE(TextHeight(Font(-1)), 1);
  EXPECT_GE(TextHeight(Font(1)), 1);
}

TEST(Text, KerningPullsPairsTogether) {
  const TFont font = Font(-24);
  if (!HasFace(font, "Liberation Sans")) GTEST_SKIP() << "needs Liberation Sans";
  EXPECT_LT(TextWidth(font, "AV"), TextWidth(font, "A") + TextWidth(font, "V"));
}

TEST(Text, BoldIsWider) {
  TFont bold = Font(-20);
  bold.Bold = true;
  EXPECT_GT(TextWidth(bold, "Lumigram text"), TextWidth(Font(-20), "Lumigram text"));
  EXPECT_GT(InkCount(Drawn(bold, "Lumigram")), InkCount(Drawn(Font(-20), "Lumigram")));
}

TEST(Text, UnderlineAndStrikeOutRunTheWholeWidth) {
  TFont plain = Font(-24);
  plain.Quality = TFontQuality::Monochrome;
  TFont underlined = plain, struck = plain;
  underlined.Underline = true;
  struck.StrikeOut = true;
  const int x = 5, y = 4;
  const TBitmap base = Drawn(plain, "Hello", {}, x, y);
  const int width = TextWidth(plain, "Hello");
  const int ascent = FontMetrics(plain).Ascent;
  // The rows the line fills from x to x + width; nothing changes beside them.
  auto lineRows = [&](const TFont& font) {
    const TBitmap lined = Drawn(font, "Hello", {}, x, y);
    std::vector<int> rows;
    for (int row = 0; row < lined.Height(); ++row) {
      bool full = true, changed = false;
      for (int col = 0; col < lined.Width(); ++col) {
        const bool differs = lined.GetPixel(col, row) != base.GetPixel(col, row);
        if (col < x || col >= x + width) {
          EXPECT_FALSE(differs) << col << "," << row;
          continue;
        }
        full = full && lined.GetPixel(col, row) == kInk;
        changed = changed || differs;
      }
      if (full && changed) rows.push_back(row);
    }
    return rows;
  };
  const std::vector<int> under = lineRows(underlined);
  const std::vector<int> strike = lineRows(struck);
  ASSERT_FALSE(under.empty());
  ASSERT_FALSE(strike.empty());
  EXPECT_GE(under.front(), y + ascent);  // below the baseline
  EXPECT_LT(under.back(), y + TextHeight(plain));
  EXPECT_LT(strike.back(), y + ascent);  // through the letters
  EXPECT_GT(strike.front(), y + ascent / 3);
}

TEST(Text, DrawsOnlyInsideBothClips) {
  const TFont font = Font(-30);
  TBitmap bitmap = Paper();
  TCanvas canvas(bitmap);
  canvas.SetClipRect({10, 0, 200, 60});
  const TRect clip{0, 12, 60, 25};
  TextOut(canvas, 0, 0, font, "WWWWWWWWWWWWWWWWWWWW", {.Clip = clip});
  const TRect ink = Ink(bitmap);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Left, 10);
  EXPECT_LE(ink.Right, 60);
  EXPECT_GE(ink.Top, 12);
  EXPECT_LE(ink.Bottom, 25);
  // Far away or half off the bitmap: nothing outside it, nothing breaks.
  TBitmap other = Paper();
  TCanvas whole(other);
  TextOut(whole, INT_MAX - 5, INT_MIN, font, "WWW");
  TextOut(whole, INT_MIN, INT_MAX, font, "WWW");
  EXPECT_EQ(InkCount(other), 0);
  TextOut(whole, -15, -10, font, "WWW");
  TextOut(whole, 230, 50, font, "WWW");
  EXPECT_GT(InkCount(other), 0);
}

TEST(Text, MonochromeDrawsOnlyTheTextColour) {
  TFont font = Font(-18);
  font.Italic = true;
  auto colours = [](const TBitmap& bitmap) {
    int other = 0;
    for (int y = 0; y < bitmap.Height(); ++y) {
      for (int x = 0; x < bitmap.Width(); ++x) {
        const TColor c = bitmap.GetPixel(x, y);
        other += c != kPaper && c != kInk;
      }
    }
    return other;
  };
  const TBitmap mono = Drawn(font, "Lumigram@%", {.Quality = TFontQuality::Monochrome});
  EXPECT_GT(InkCount(mono), 50);
  EXPECT_EQ(colours(mono), 0);
  EXPECT_GT(colours(Drawn(font, "Lumigram@%")), 0);  // antialiased by default
  // The font's quality holds unless the call asks for another.
  font.Quality = TFontQuality::Monochrome;
  EXPECT_EQ(Drawn(font, "Lumigram@%"), mono);
  EXPECT_GT(colours(Drawn(font, "Lumigram@%", {.Quality = TFontQuality::Antialiased})), 0);
}

TEST(Text, ASystemColourDrawsBlack) {
  TFont font = Font(-18);
  font.Color = 0xFF000008;
  const TBitmap bitmap = Drawn(font, "Hi", {.Quality = TFontQuality::Monochrome});
  const TRect ink = Ink(bitmap);
  ASSERT_FALSE(ink.IsEmpty());
  int black = 0;
  for (int x = ink.Left; x < ink.Right; ++x) black += bitmap.GetPixel(x, ink.Top + 2) == kBlack;
  EXPECT_GT(black, 0);
}

TEST(Text, BytesFollowTheFontsCharacterSet) {
  TFont cyrillic = Font(-24);
  cyrillic.Charset = kCyrillicCharset;
  const std::string bytes = "\xCF\xF0\xE8";  // "При" in Windows-1251
  const TBitmap asUtf8 =
      Drawn(cyrillic, "\xD0\x9F\xD1\x80\xD0\xB8", {.Encoding = TTextEncoding::Utf8});
  EXPECT_EQ(Drawn(cyrillic, bytes), asUtf8);
  EXPECT_EQ(TextWidth(cyrillic, bytes),
            TextWidth(cyrillic, "\xD0\x9F\xD1\x80\xD0\xB8", TTextEncoding::Utf8));
  TFont western = cyrillic;
  western.Charset = kAnsiCharset;
  EXPECT_NE(Drawn(western, bytes), asUtf8);  // "Ïðè"
  // Bytes a set leaves undefined, and broken UTF-8, show the replacement character.
  EXPECT_EQ(TextWidth(western, "\x81"), TextWidth(western, "\xEF\xBF\xBD", TTextEncoding::Utf8));
  EXPECT_EQ(TextWidth(western, "a\xFF\xE2\x82", TTextEncoding::Utf8),
            TextWidth(western, "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", TTextEncoding::Utf8));
}

TEST(Text, AnyBytesAndAnyNameAreDrawn) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += char(b);
  for (int charset : {0, 1, 2, 128, 134, 177, 204, 255, -7}) {
    TFont font = Font(-14);
    font.Charset = charset;
    EXPECT_GT(TextWidth(font, all), 0) << charset;
    EXPECT_GT(InkCount(Drawn(font, all)), 0) << charset;
  }
  for (std::string name : {std::string(), std::string("no such face"), std::string("x\0y", 3),
                           std::string("\xFF\xFE:bold=1*?"), std::string(10000, 'Q')}) {
    const TFont font = Font(-14, name);
    EXPECT_FALSE(FaceFamily(font).empty()) << name.size();
    EXPECT_GT(TextWidth(font, "text"), 0);
  }
}

TEST(Text, SameInputSamePixels) {
  TFont font = Font(-20);
  font.Underline = true;
  const TBitmap first = Drawn(font, "Determinism 0123");
  ClearFontCaches();
  EXPECT_EQ(Drawn(font, "Determinism 0123"), first);
  EXPECT_EQ(Drawn(font, "Determinism 0123"), first);
}

TEST(Text, DejaVuSansPixelsArePinned) {
  TFont font = Font(-12, "DejaVu Sans");
  if (!HasFace(font, "DejaVu Sans")) GTEST_SKIP() << "needs DejaVu Sans";
  TBitmap bitmap = Paper(22, 14);
  TCanvas canvas(bitmap);
  TextOut(canvas, 1, 0, font, "Hig", {.Quality = TFontQuality::Monochrome});
  const std::vector<std::string> expected{"......................",  //
                                          "......................",  //
                                          "..#.....#..#..........",  //
                                          "..#.....#.............",  //
                                          "..#.....#..#...#####..",  //
                                          "..#.....#..#..##..##..",  //
                                          "..#######..#..#....#..",  //
                                          "..#.....#..#..#....#..",  //
                                          "..#.....#..#..#....#..",  //
                                          "..#.....#..#..##..##..",  //
                                          "..#.....#..#...#####..",  //
                                          "...................#..",  //
                                          "...............#..##..",  //
                                          "................###..."};
  EXPECT_EQ(PixelMap(bitmap, {{kPaper, '.'}, {kInk, '#'}}), expected);
}

// Faces whose style is missing get it drawn in.
TEST(FontFace, SynthesisedBoldAndItalic) {
  TFaceChoice choice;
  ASSERT_TRUE(MatchFace("DejaVu Sans", false, false, "", choice));
  FT_Library library = nullptr;
  ASSERT_EQ(FT_Init_FreeType(&library), 0);
  {
    auto regular = TFontFace::Open(library, choice);
    choice.SynthesiseBold = true;
    auto bold = TFontFace::Open(library, choice);
    choice.SynthesiseBold = false;
    choice.SynthesiseItalic = true;
    auto italic = TFontFace::Open(library, choice);
    ASSERT_TRUE(regular && bold && italic);
    const int64_t em = regular->EmForHeight(-40);
    const uint32_t glyph = regular->GlyphOf(U'l');
    EXPECT_GT(bold->Advance(glyph, em), regular->Advance(glyph, em));
    EXPECT_EQ(italic->Advance(glyph, em), regular->Advance(glyph, em));
    TGlyphImage plain, thick, slanted;
    ASSERT_TRUE(regular->Render(glyph, em, true, plain));
    ASSERT_TRUE(bold->Render(glyph, em, true, thick));
    ASSERT_TRUE(italic->Render(glyph, em, true, slanted));
    EXPECT_GT(thick.Width, plain.Width);
    // An upright stroke leans: its top row sits right of its bottom row.
    auto firstInk = [](const TGlyphImage& image, int row) {
      for (int x = 0; x < image.Width; ++x) {
        if (image.Coverage[size_t(row * image.Width + x)]) return x;
      }
      return -1;
    };
    EXPECT_EQ(firstInk(plain, 0), firstInk(plain, plain.Rows - 1));
    EXPECT_GT(firstInk(slanted, 0), firstInk(slanted, slanted.Rows - 1) + 3);
  }
  FT_Done_FreeType(library);
}

}  // namespace
}  // namespace lumigram
