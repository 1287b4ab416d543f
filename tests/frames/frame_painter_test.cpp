// The frame painter, pixel by pixel: the worked example, the edge cases of
// the style code as they show on screen, a ring-by-ring reference painter,
// and the automatic frame colour.

#include "frames/frame_painter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frames/frame_styles.h"
#include "frames/style_code.h"
#include "imaging/bitmap/canvas.h"
#include "tests/imaging/pixel_map.h"

namespace lumigram {
namespace {

using testing::MakeBitmap;
using testing::PixelMap;

constexpr TColor kBase = 0xC0C0C0;
constexpr TColor kShade60 = 0x737373;
constexpr TColor kInside = 0x123456;  // what the painter must leave alone

TColor Grey(int level) {
  return RGB(level, level, level);
}

TBitmap Blank(int width, int height, TColor colour = kInside) {
  TBitmap bitmap;
  bitmap.SetSize(width, height, colour);
  return bitmap;
}

// Paints on a picture of width x height inside a frame of the given size.
TBitmap Painted(const std::string& code, int size, TColor colour = kBase, int width = 40,
                int height = 30) {
  TBitmap bitmap = Blank(width + 2 * size, height + 2 * size);
  PaintFrame({colour, size, code, ""}, &bitmap);
  return bitmap;
}

// The colour of ring i, read in the middle of the top edge.
TColor Ring(const TBitmap& bitmap, int i) {
  return bitmap.GetPixel(bitmap.Width() / 2, i);
}

// The painter as the rule reads: one outline per ring, band after band.
void ReferencePaint(const TFrameInfo& settings, TBitmap& bitmap) {
  if (settings.Size <= 0 || settings.Code.empty()) return;
  TCanvas canvas(bitmap);
  const int w = bitmap.Width(), h = bitmap.Height();
  TStyleCodeReader reader(settings.Code, PaintableBase(settings.Color));
  TFrameBand band;
  int start = 0;
  while (reader.Next(band)) {
    const int n = std::clamp(band.Percent * settings.Size / 100, 0, settings.Size);
    int inset = start;
    for (int e = 0; e <= n; ++e) {
      inset = start + e;
      if (inset >= settings.Size) break;
      canvas.SetBrushColor(MixColor(n == 0 ? 0 : e * 100 / n, band.Inner, band.Outer));
      canvas.FrameRect({inset, inset, w - inset, h - inset});
    }
    start = inset + 1;
  }
}

TEST(PaintFrame, ColoredInsertWorkedExample) {
  const TBitmap bitmap = Painted(kFrameStyles[kColoredInsertStyle].Code, 52);
  // Band 1, rings 0-20: from the 60 per cent shade to the base colour.
  EXPECT_EQ(Ring(bitmap, 0), kShade60);
  EXPECT_EQ(Ring(bitmap, 10), Grey(153));
  EXPECT_EQ(Ring(bitmap, 20), kBase);
  // Band 2, rings 21-28: back from the base colour to the shade.
  EXPECT_EQ(Ring(bitmap, 21), kBase);
  EXPECT_EQ(Ring(bitmap, 24), Grey(159));
  EXPECT_EQ(Ring(bitmap, 28), kShade60);
  // Band 3, rings 29-48: flat shade; band 4, rings 49-51: 20 per cent lighter.
  for (int i = 29; i <= 48; ++i) EXPECT_EQ(Ring(bitmap, i), kShade60) << i;
  for (int i = 49; i <= 51; ++i) EXPECT_EQ(Ring(bitmap, i), 0xCCCCCCu) << i;
  EXPECT_EQ(Ring(bitmap, 52), kInside);
  // Every side shows the same rings.
  const int w = bitmap.Width(), h = bitmap.Height();
  for (int i : {0, 10, 24, 50}) {
    EXPECT_EQ(bitmap.GetPixel(i, h / 2), Ring(bitmap, i)) << i;
    EXPECT_EQ(bitmap.GetPixel(w - 1 - i, h / 2), Ring(bitmap, i)) << i;
    EXPECT_EQ(bitmap.GetPixel(w / 2, h - 1 - i), Ring(bitmap, i)) << i;
    EXPECT_EQ(bitmap.GetPixel(i, i), Ring(bitmap, i)) << i;
    EXPECT_EQ(bitmap.GetPixel(w - 1 - i, h - 1 - i), Ring(bitmap, i)) << i;
  }
  EXPECT_EQ(bitmap.GetPixel(52, 52), kInside);
  EXPECT_EQ(bitmap.GetPixel(w - 53, h - 53), kInside);
}

TEST(PaintFrame, WholeSmallFrame) {
  // Red shading to blue over three rings, around a green inside.
  TBitmap bitmap = Blank(8, 7, 0x00FF00);
  PaintFrame({kBase, 3, "100,255,16711680", ""}, &bitmap);
  const std::map<TColor, char> legend = {
      {0x0000FF, 'r'}, {RGB(170, 0, 84), 'a'}, {RGB(86, 0, 168), 'b'}, {0x00FF00, 'g'}};
  EXPECT_EQ(PixelMap(bitmap, legend), (std::vector<std::string>{
                                          "rrrrrrrr",
                                          "raaaaaar",
                                          "rabbbbar",
                                          "rabggbar",
                                          "rabbbbar",
                                          "raaaaaar",
                                          "rrrrrrrr",
                                      }));
  // The literal 16711680 is pure blue: bytes blue, green, red.
  TBitmap blue = Blank(4, 4);
  PaintFrame({kBase, 1, "100,16711680,16711680", ""}, &blue);
  const uint8_t* p = blue.ScanLine(0);
  EXPECT_EQ((std::vector<int>{p[0], p[1], p[2]}), (std::vector<int>{255, 0, 0}));
}

TEST(PaintFrame, LeavesTheBitmapAloneWhenThereIsNothingToPaint) {
  const TBitmap before = MakeBitmap(20, 16, [](int x, int y) { return TColor(x * 7 + y * 300); });
  for (const TFrameInfo& settings : {
           TFrameInfo{kBase, 0, "100,d,d", ""},
           TFrameInfo{kBase, -5, "100,d,d", ""},
           TFrameInfo{kBase, 4, "", "extra text is not painted"},
           TFrameInfo{kBase, 4, "// only\r\n//comments\n", ""},
           TFrameInfo{kBase, 4, "\r\n\n", ""},
       }) {
    TBitmap bitmap = before;
    PaintFrame(settings, &bitmap);
    EXPECT_EQ(bitmap, before) << settings.Code << " size " << settings.Size;
  }
  PaintFrame({kBase, 4, "100,d,d", ""}, nullptr);
  TBitmap empty;
  PaintFrame({kBase, 4, "100,d,d", ""}, &empty);
  EXPECT_TRUE(empty.Empty());
}

TEST(PaintFrame, ModernShadesAcrossAllRings) {
  const TBitmap bitmap = Painted("100,s60,d", 52);
  EXPECT_EQ(Ring(bitmap, 0), kShade60);
  EXPECT_EQ(Ring(bitmap, 51), Grey(190));  // p = 5100 div 52 = 98
  EXPECT_EQ(Ring(bitmap, 52), kInside);
}

TEST(PaintFrame, BandsOfOddLines) {
  // A lone width: n = 26 plus one ring, black, the rest of the rim untouched.
  TBitmap bitmap = Painted("50", 52);
  EXPECT_EQ(Ring(bitmap, 0), kBlack);
  EXPECT_EQ(Ring(bitmap, 26), kBlack);
  EXPECT_EQ(Ring(bitmap, 27), kInside);
  // An empty middle field is "d": both colours the base.
  bitmap = Painted("50,,d", 52);
  EXPECT_EQ(Ring(bitmap, 0), kBase);
  EXPECT_EQ(Ring(bitmap, 26), kBase);
  // Two commas at the end: a lone comma (black) and a missing field (black).
  bitmap = Painted("50,,", 52);
  EXPECT_EQ(Ring(bitmap, 0), kBlack);
  EXPECT_EQ(Ring(bitmap, 13), kBlack);
  // s60 with its comma, shading to the missing (black) inner colour.
  bitmap = Painted("50,s60,", 52);
  EXPECT_EQ(Ring(bitmap, 0), kShade60);
  EXPECT_EQ(Ring(bitmap, 13), Grey(57));  // p = 50: half of 115
  EXPECT_EQ(Ring(bitmap, 26), kBlack);
  // Four or more fields paint as the first three.
  EXPECT_EQ(Painted("40,s60,d,255,9\r\nr,d,s60,0", 25), Painted("40,s60,d\r\nr,d,s60", 25));
}

TEST(PaintFrame, WidthsBeyondAndBelowTheRim) {
  // Clamped to 100: the whole rim, and the later line is never read.
  TBitmap bitmap = Painted("150,d,d\r\n0,255,255", 52);
  for (int i = 0; i < 52; ++i) EXPECT_EQ(Ring(bitmap, i), kBase) << i;
  EXPECT_EQ(Ring(bitmap, 52), kInside);
  // A zero-width band still paints one ring; "r" then takes all 100 per cent
  // from inset 1 and is cut at the inner edge.
  bitmap = Painted("0,d,d\r\nr,s60,s60", 52);
  EXPECT_EQ(Ring(bitmap, 0), kBase);
  for (int i = 1; i < 52; ++i) EXPECT_EQ(Ring(bitmap, i), kShade60) << i;
  EXPECT_EQ(Ring(bitmap, 52), kInside);
}

TEST(PaintFrame, ShadesAndBaseColours) {
  EXPECT_EQ(Ring(Painted("100,s0,s0", 4), 2), kBlack);
  EXPECT_EQ(Ring(Painted("100,s100,s100", 4), 2), kBase);
  EXPECT_EQ(Ring(Painted("100,s200,s200", 4), 2), kWhite);
  EXPECT_EQ(Ring(Painted("100,s999,s999", 4), 2), kWhite);
  EXPECT_EQ(Ring(Painted("100,s-5,s-5", 4), 2), kBlack);
  EXPECT_EQ(Ring(Painted("100,s-2147483648,s-2147483648", 4), 2), kBlack);
  // A system colour (top bit set) paints as black, and shades from black.
  EXPECT_EQ(Ring(Painted("100,d,d", 4, 0x80000005), 2), kBlack);
  EXPECT_EQ(Ring(Painted("100,s200,s200", 4, 0x80000005), 2), kWhite);
  EXPECT_EQ(Ring(Painted("100,s150,s150", 4, 0x80000005), 2), Grey(127));
  // Only the low 24 bits of a colour reach the screen.
  EXPECT_EQ(Ring(Painted("100,d,d", 4, 0x01ABCDEF), 2), 0xABCDEFu);
  EXPECT_EQ(Ring(Painted("100,-1,-1", 4), 2), kWhite);
}

TEST(PaintFrame, OversizedFramesPaintAsTheLargest) {
  TBitmap big = Blank(600, 560), largest = Blank(600, 560);
  PaintFrame({kBase, 100000, kFrameStyles[kClassicStyle].Code, ""}, &big);
  PaintFrame({kBase, 255, kFrameStyles[kClassicStyle].Code, ""}, &largest);
  EXPECT_EQ(big, largest);
  EXPECT_EQ(big.GetPixel(254, 300), Ring(largest, 254));
  EXPECT_EQ(big.GetPixel(255, 300), kInside);
}

TEST(PaintFrame, MatchesOneOutlinePerRing) {
  std::vector<std::string> codes;
  for (const TFrameStyle& style : kFrameStyles) codes.push_back(style.Code);
  codes.insert(codes.end(), {"50", "0,d,d\r\nr,s60,s60", "10,255\n//x\n0,0,65280\r\n5,,\r\nr",
                             "30,s60,d\r\n30,d,s60\r\n30,s80,255", "r,16711680,255"});
  const TBitmap pattern(MakeBitmap(70, 70, [](int x, int y) { return TColor(x * 977 + y * 131); }));
  const int shapes[][2] = {{1, 1}, {1, 9}, {9, 1}, {2, 2}, {3, 8}, {7, 5}, {30, 20}, {61, 70}};
  for (const std::string& code : codes) {
    for (int size : {1, 2, 3, 7, 12, 25, 52}) {
      for (const auto& shape : shapes) {
        TBitmap expected;
        expected.SetSize(shape[0], shape[1]);
        TCanvas(expected).Draw(0, 0, pattern);
        TBitmap actual = expected;
        const TFrameInfo settings{0x3080C0, size, code, ""};
        ReferencePaint(settings, expected);
        PaintFrame(settings, &actual);
        ASSERT_EQ(actual, expected)
            << code << " size " << size << " on " << shape[0] << "x" << shape[1];
      }
    }
  }
}

TEST(AutoFrameColor, FirstBrightCornerInOrder) {
  constexpr TColor kDark = RGB(69, 20, 0);   // brightest channel 69
  constexpr TColor kBright = RGB(0, 0, 70);  // brightest channel 70
  auto picture = [](TColor tl, TColor tr, TColor br, TColor bl) {
    return MakeBitmap(5, 4, [=](int x, int y) {
      if (y == 0) return x == 0 ? tl : x == 4 ? tr : kWhite;
      if (y == 3) return x == 0 ? bl : x == 4 ? br : kWhite;
      return kWhite;
    });
  };
  TBitmap bitmap = picture(0x111180, 0x228022, 0x803333, 0x804444);
  EXPECT_EQ(AutoFrameColor(&bitmap), 0x111180u);
  bitmap = picture(kDark, 0x228022, 0x803333, 0x804444);
  EXPECT_EQ(AutoFrameColor(&bitmap), 0x228022u);
  bitmap = picture(kDark, kDark, kBright, 0x804444);
  EXPECT_EQ(AutoFrameColor(&bitmap), kBright);
  bitmap = picture(kDark, kDark, kDark, 0x804444);
  EXPECT_EQ(AutoFrameColor(&bitmap), 0x804444u);
  // All dark: the bottom-left corner, 40 per cent towards white.
  bitmap = picture(kDark, kDark, kDark, RGB(64, 0, 0));
  EXPECT_EQ(AutoFrameColor(&bitmap), RGB(140, 102, 102));
  bitmap = picture(kBlack, kBlack, kBlack, kBlack);
  EXPECT_EQ(AutoFrameColor(&bitmap), Grey(102));
}

TEST(AutoFrameColor, TinyAndMissingPictures) {
  TBitmap one = Blank(1, 1, 0x404040);
  EXPECT_EQ(AutoFrameColor(&one), Grey(140));  // 40 per cent of 255 plus 60 of 64
  one.SetPixel(0, 0, 0x00C000);
  EXPECT_EQ(AutoFrameColor(&one), 0x00C000u);
  TBitmap empty;
  EXPECT_EQ(AutoFrameColor(&empty), kBlack);
  EXPECT_EQ(AutoFrameColor(nullptr), kBlack);
}

}  // namespace
}  // namespace lumigram
