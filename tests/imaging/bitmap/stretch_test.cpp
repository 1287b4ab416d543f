#include <gtest/gtest.h>

#include <vector>

#include "imaging/bitmap/canvas.h"
#include "tests/imaging/pixel_map.h"

namespace lumigram {
namespace {

using testing::MakeBitmap;

TColor Grey(int v) {
  return RGB(v, v, v);
}

// The red channel of row y.
std::vector<int> Reds(const TBitmap& bitmap, int y = 0) {
  std::vector<int> reds;
  for (int x = 0; x < bitmap.Width(); ++x) reds.push_back(ChannelOf(bitmap.GetPixel(x, y), 0));
  return reds;
}

TBitmap Stretched(const TBitmap& source, int width, int height, TStretchMode mode) {
  TBitmap target;
  target.SetSize(width, height, kBlack);
  TCanvas(target).StretchDraw({0, 0, width, height}, source, mode);
  return target;
}

TEST(StretchDraw, NearestRepeatsAndDropsPixels) {
  const TBitmap source = MakeBitmap(2, 2, [](int x, int y) { return Grey(10 * x + 100 * y); });
  const TBitmap big = Stretched(source, 4, 4, TStretchMode::Nearest);
  EXPECT_EQ(Reds(big, 0), (std::vector<int>{0, 0, 10, 10}));
  EXPECT_EQ(Reds(big, 3), (std::vector<int>{100, 100, 110, 110}));
  // Each target pixel takes the source pixel under its centre.
  const TBitmap row = MakeBitmap(4, 1, [](int x, int) { return Grey(x); });
  EXPECT_EQ(Reds(Stretched(row, 2, 1, TStretchMode::Nearest)), (std::vector<int>{1, 3}));
}

TEST(StretchDraw, SmoothShrinkingAveragesTheCoveredArea) {
  const TBitmap source = MakeBitmap(4, 2, [](int x, int y) { return Grey(x * 40 + y * 11); });
  // Blocks of 2 x 2: (0 + 40 + 11 + 51) / 4 = 25.5 rounds up.
  EXPECT_EQ(Reds(Stretched(source, 2, 1, TStretchMode::Smooth)), (std::vector<int>{26, 106}));
  // Three to two: the middle pixel is shared, a third and two thirds.
  const TBitmap three = MakeBitmap(3, 1, [](int x, int) { return Grey(x * 90); });
  EXPECT_EQ(Reds(Stretched(three, 2, 1, TStretchMode::Smooth)), (std::vector<int>{30, 150}));
  // The channels stay apart.
  const TBitmap mixed =
      MakeBitmap(2, 1, [](int x, int) { return x ? RGB(200, 0, 10) : RGB(0, 100, 30); });
  EXPECT_EQ(Stretched(mixed, 1, 1, TStretchMode::Smooth).GetPixel(0, 0), RGB(100, 50, 20));
}

TEST(StretchDraw, SmoothEnlargingInterpolatesBetweenCentres) {
  const TBitmap source = MakeBitmap(2, 1, [](int x, int) { return Grey(x * 200); });
  EXPECT_EQ(Reds(Stretched(source, 4, 1, TStretchMode::Smooth)),
            (std::vector<int>{0, 50, 150, 200}));
  const TBitmap column = MakeBitmap(1, 2, [](int, int y) { return Grey(y * 200); });
  const TBitmap tall = Stretched(column, 2, 4, TStretchMode::Smooth);
  EXPECT_EQ(Reds(tall, 1), (std::vector<int>{50, 50}));
  EXPECT_EQ(Reds(tall, 2), (std::vector<int>{150, 150}));
}

TEST(StretchDraw, SmoothKeepsFlatColoursAndEqualSizes) {
  const TBitmap flat = MakeBitmap(7, 5, [](int, int) { return RGB(255, 17, 254); });
  for (const auto& [w, h] : std::vector<std::pair<int, int>>{{3, 11}, {13, 2}, {1, 1}, {7, 5}}) {
    const TBitmap result = Stretched(flat, w, h, TStretchMode::Smooth);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x)
        ASSERT_EQ(result.GetPixel(x, y), RGB(255, 17, 254)) << w << "x" << h;
    }
  }
  const TBitmap noisy =
      MakeBitmap(5, 4, [](int x, int y) { return RGB(x * 37, y * 59, x * y * 13); });
  EXPECT_EQ(Stretched(noisy, 5, 4, TStretchMode::Smooth), noisy);
}

TEST(StretchDraw, ClippingCutsWithoutShiftingTheResult) {
  const TBitmap source = MakeBitmap(9, 7, [](int x, int y) { return RGB(x * 29, y * 41, x * y); });
  for (const TStretchMode mode : {TStretchMode::Nearest, TStretchMode::Smooth}) {
    const TBitmap whole = Stretched(source, 5, 11, mode);
    TBitmap part;
    part.SetSize(5, 11, kBlack);
    TCanvas canvas(part);
    canvas.SetClipRect({1, 3, 4, 8});
    canvas.StretchDraw({0, 0, 5, 11}, source, mode);
    for (int y = 0; y < 11; ++y) {
      for (int x = 0; x < 5; ++x) {
        const bool inside = x >= 1 && x < 4 && y >= 3 && y < 8;
        EXPECT_EQ(part.GetPixel(x, y), inside ? whole.GetPixel(x, y) : kBlack) << x << "," << y;
      }
    }
  }
}

TEST(StretchDraw, PixelsMappedOutsideTheSourceAreLeftAlone) {
  const TBitmap source = MakeBitmap(2, 1, [](int x, int) { return Grey(100 + x); });
  for (const TStretchMode mode : {TStretchMode::Nearest, TStretchMode::Smooth}) {
    TBitmap target;
    target.SetSize(4, 1, kBlack);
    // Source columns -2..1: the left half of the target has no source.
    TCanvas(target).StretchDraw({0, 0, 4, 1}, source, {-2, 0, 2, 1}, mode);
    EXPECT_EQ(Reds(target), (std::vector<int>{0, 0, 100, 101}));
  }
}

TEST(StretchDraw, IntoItselfReadsTheOriginalPixels) {
  TBitmap bitmap = MakeBitmap(4, 1, [](int x, int) { return Grey(x * 10); });
  TCanvas(bitmap).StretchDraw({0, 0, 4, 1}, bitmap, {0, 0, 2, 1}, TStretchMode::Nearest);
  EXPECT_EQ(Reds(bitmap), (std::vector<int>{0, 0, 10, 10}));
}

}  // namespace
}  // namespace lumigram
