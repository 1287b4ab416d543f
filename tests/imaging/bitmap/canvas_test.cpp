#include "imaging/bitmap/canvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "tests/imaging/pixel_map.h"

namespace lumigram {
namespace {

using testing::PixelMap;
using Rows = std::vector<std::string>;

constexpr TColor kRed = RGB(255, 0, 0);
constexpr TColor kBlue = RGB(0, 0, 255);
const std::map<TColor, char> kLegend = {{kWhite, '.'}, {kBlack, '#'}, {kRed, 'o'}, {kBlue, 'b'}};

TBitmap White(int width, int height) {
  TBitmap bitmap;
  bitmap.SetSize(width, height, kWhite);
  return bitmap;
}

TEST(Canvas, FillsAndFramesWithTheBrushInsideTheClip) {
  TBitmap bitmap = White(7, 5);
  TCanvas canvas(bitmap);
  canvas.SetBrushColor(kRed);
  canvas.SetClipRect({1, 1, 6, 4});
  canvas.FillRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  canvas.SetBrushColor(kBlack);
  canvas.FrameRect({0, 0, 7, 5});                        // only its parts inside the clip
  canvas.FrameRect({3, 1, 4, 4});                        // one pixel wide: a column
  canvas.FillRect({5, 3, 2, 1});                         // inverted: nothing
  canvas.FrameRect({5, 3, 5, 9});                        // zero wide: nothing
  EXPECT_EQ(PixelMap(bitmap, kLegend), (Rows{".......",  //
                                             ".oo#oo.",  //
                                             ".oo#oo.",  //
                                             ".oo#oo.",  //
                                             "......."}));
  canvas.ResetClipRect();
  canvas.FrameRect({0, 0, 7, 5});
  EXPECT_EQ(PixelMap(bitmap, kLegend)[0], "#######");
  EXPECT_EQ(PixelMap(bitmap, kLegend)[2], "#oo#oo#");
  EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 7, 5}));
  canvas.SetClipRect({5, 5, 9, 9});  // beyond the bitmap: an empty clip
  EXPECT_TRUE(canvas.ClipRect().IsEmpty());
  EXPECT_EQ(canvas.GetPixel(0, 0), TBitmap::kNoPixel);
}

TEST(Canvas, RoundRectOutlinesWithThePenAndFillsWithTheBrush) {
  // The toolbar's highlight: corner ellipse 10 wide, 14 high.
  TBitmap bitmap = White(16, 18);
  TCanvas canvas(bitmap);
  canvas.SetPenColor(kBlack);
  canvas.SetBrushColor(kRed);
  canvas.RoundRect({1, 1, 15, 17}, 10, 14);
  const Rows expected{"................",  //
                      "....########....",  //
                      "...#oooooooo#...",  //
                      "..#oooooooooo#..",  //
                      "..#oooooooooo#..",  //
                      ".#oooooooooooo#.",  //
                      ".#oooooooooooo#.",  //
                      ".#oooooooooooo#.",  //
                      ".#oooooooooooo#.",  //
                      ".#oooooooooooo#.",  //
                      ".#oooooooooooo#.",  //
                      ".#oooooooooooo#.",  //
                      ".#oooooooooooo#.",  //
                      "..#oooooooooo#..",  //
                      "..#oooooooooo#..",  //
                      "...#oooooooo#...",  //
                      "....########....",  //
                      "................"};
  EXPECT_EQ(PixelMap(bitmap, kLegend), expected);

  // Clipped, the same pixels appear inside the clip and none outside.
  TBitmap clipped = White(16, 18);
  TCanvas clippedCanvas(clipped);
  clippedCanvas.SetPenColor(kBlack);
  clippedCanvas.SetBrushColor(kRed);
  clippedCanvas.SetClipRect({0, 0, 3, 4});
  clippedCanvas.RoundRect({1, 1, 15, 17}, 10, 14);
  const Rows got = PixelMap(clipped, kLegend);
  for (int y = 0; y < 18; ++y) {
    for (int x = 0; x < 16; ++x) {
      const char want = (x < 3 && y < 4) ? expected[size_t(y)][size_t(x)] : '.';
      EXPECT_EQ(got[size_t(y)][size_t(x)], want) << x << "," << y;
    }
  }
}

TEST(Canvas, RoundRectWithoutCornersIsARectangle) {
  TBitmap bitmap = White(5, 4);
  TCanvas canvas(bitmap);
  canvas.SetBrushColor(kRed);
  canvas.RoundRect({0, 0, 5, 4}, 1, 30);
  EXPECT_EQ(PixelMap(bitmap, kLegend), (Rows{"#####", "#ooo#", "#ooo#", "#####"}));
}

TEST(Canvas, LinesLeaveOutTheirEndPoint) {
  TBitmap bitmap = White(12, 8);
  TCanvas canvas(bitmap);
  canvas.MoveTo(0, 0);
  canvas.LineTo(11, 3);
  EXPECT_EQ(canvas.PenPos().X, 11);
  canvas.MoveTo(0, 7);
  canvas.LineTo(3, 0);
  canvas.SetPenColor(kRed);
  canvas.MoveTo(11, 7);
  canvas.LineTo(8, 7);
  canvas.LineTo(8, 7);                                        // zero length: nothing
  EXPECT_EQ(PixelMap(bitmap, kLegend), (Rows{"##..........",  //
                                             "..####......",  //
                                             "..#...####..",  //
                                             "..#.......#.",  //
                                             ".#..........",  //
                                             ".#..........",  //
                                             "#...........",  //
                                             "#........ooo"}));
}

TEST(Canvas, LinesFromFarOutsideHitTheSamePixels) {
  TBitmap bitmap = White(6, 6);
  TCanvas canvas(bitmap);
  canvas.MoveTo(-1000000000, -1000000000);
  canvas.LineTo(1000000000, 1000000000);
  canvas.SetPenColor(kRed);
  canvas.MoveTo(INT_MIN, 5);
  canvas.LineTo(INT_MAX, 5);
  canvas.SetPenColor(kBlue);
  canvas.MoveTo(INT_MAX, INT_MIN);  // steep, crossing the bitmap's corner region
  canvas.LineTo(INT_MIN, INT_MAX);
  const Rows rows = PixelMap(bitmap, kLegend);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(rows[size_t(i)][size_t(i)], '#') << i;
  EXPECT_EQ(rows[5], "oooooo");
}

TEST(Canvas, CopyRectSkipsWhatLiesOutsideSourceOrClip) {
  const TBitmap source =
      testing::MakeBitmap(3, 3, [](int x, int y) { return (x + y) % 2 ? kBlack : kRed; });
  TBitmap bitmap = White(5, 4);
  TCanvas canvas(bitmap);
  canvas.SetClipRect({0, 0, 4, 4});
  canvas.CopyRect(1, 1, source, {-1, 1, 3, 9});        // source columns 0..2, rows 1..2
  EXPECT_EQ(PixelMap(bitmap, kLegend), (Rows{".....",  //
                                             "..#o.",  //
                                             "..o#.",  //
                                             "....."}));
  canvas.ResetClipRect();
  canvas.Draw(-1, 2, source);
  EXPECT_EQ(PixelMap(bitmap, kLegend)[2], "#oo#.");
  EXPECT_EQ(PixelMap(bitmap, kLegend)[3], "o#...");
}

TEST(Canvas, CopyWithinOneBitmapHandlesOverlap) {
  TBitmap bitmap = testing::MakeBitmap(4, 4, [](int x, int y) { return RGB(x, y, 0); });
  const TBitmap before = bitmap;
  TCanvas canvas(bitmap);
  canvas.CopyRect(1, 1, bitmap, {0, 0, 3, 3});  // down and right by one
  for (int y = 1; y < 4; ++y) {
    for (int x = 1; x < 4; ++x) EXPECT_EQ(bitmap.GetPixel(x, y), RGB(x - 1, y - 1, 0));
  }
  bitmap = before;
  canvas.CopyRect(0, 0, bitmap, {1, 1, 4, 4});  // up and left by one
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(bitmap.GetPixel(x, y), RGB(x + 1, y + 1, 0));
  }
}

TEST(Canvas, TransparentCopyLeavesOutTheKeyColour) {
  TBitmap glyph = testing::MakeBitmap(3, 2, [](int x, int) { return x == 1 ? kBlack : kBlue; });
  TBitmap bitmap = White(4, 3);
  TCanvas canvas(bitmap);
  canvas.SetClipRect({0, 0, 3, 3});
  canvas.DrawTransparent(1, 1, glyph, kBlue);
  canvas.DrawTransparent(-1, 0, glyph, kBlue | 0xFF000000);  // the top byte plays no part
  EXPECT_EQ(PixelMap(bitmap, kLegend), (Rows{"#...", "#.#.", "..#."}));
}

// Background runs are skipped four pixels at a time: lone pixels at every
// place in such a block, and a row end that is not a whole block.
TEST(Canvas, TransparentCopyFindsLonePixelsBetweenKeyRuns) {
  const Rows glyphRows = {"bbbbbbbbbbbbb", "#bbbbbbbbbbbo", "bb#bbb#bbbbbb", "bbbobbbb#bb#b"};
  TBitmap glyph;
  glyph.SetSize(13, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 13; ++x) {
      const char c = glyphRows[size_t(y)][size_t(x)];
      glyph.SetPixel(x, y, c == 'b' ? kBlue : c == '#' ? kBlack : kRed);
    }
  TBitmap bitmap = White(15, 5);
  TCanvas canvas(bitmap);
  canvas.DrawTransparent(1, 1, glyph, kBlue);
  EXPECT_EQ(PixelMap(bitmap, kLegend),
            (Rows{"...............", "...............", ".#...........o.", "...#...#.......",
                  "....o....#..#.."}));
}

TEST(Canvas, NothingOutsideTheClipChangesWhateverTheArguments) {
  static constexpr int kValues[] = {INT_MIN, INT_MIN + 1, -1000000000, -7,     -1, 0, 1, 3, 5, 8,
                                    9,       1000000000,  INT_MAX - 1, INT_MAX};
  std::mt19937 random(1234);
  const auto any = [&]() { return kValues[random() % std::size(kValues)]; };
  const auto anyRect = [&]() { return TRect{any(), any(), any(), any()}; };
  const TBitmap source = testing::MakeBitmap(5, 3, [](int x, int y) { return RGB(x, y, 9); });
  TBitmap bitmap = White(8, 8);
  TCanvas canvas(bitmap);
  canvas.SetClipRect({2, 2, 6, 6});
  for (int round = 0; round < 3000; ++round) {
    canvas.SetBrushColor(RGB(round, 1, 2));
    canvas.SetPenColor(RGB(round, 3, 4));
    canvas.FillRect(anyRect());
    canvas.FrameRect(anyRect());
    canvas.RoundRect(anyRect(), any(), any());
    canvas.MoveTo(any(), any());
    canvas.LineTo(any(), any());
    canvas.SetPixel(any(), any(), kBlack);
    canvas.CopyRect(any(), any(), source, anyRect());
    canvas.CopyRect(any(), any(), bitmap, anyRect());
    canvas.DrawTransparent(any(), any(), source, kBlack);
    canvas.StretchDraw(anyRect(), source, anyRect(), TStretchMode::Nearest);
    canvas.StretchDraw(anyRect(), source, anyRect(), TStretchMode::Smooth);
    canvas.StretchDraw(anyRect(), bitmap, anyRect(), TStretchMode::Smooth);
  }
  ASSERT_EQ(bitmap.Width(), 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      if (!TRect{2, 2, 6, 6}.Contains(x, y)) {
        EXPECT_EQ(bitmap.GetPixel(x, y), kWhite) << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace lumigram
