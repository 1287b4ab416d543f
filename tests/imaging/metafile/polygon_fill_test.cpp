#include "imaging/metafile/polygon_fill.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "imaging/metafile/stroke.h"
#include "tests/imaging/pixel_map.h"

namespace lumigram {
namespace {

using testing::PixelMap;

std::vector<std::string> Filled(int width, int height, const std::vector<TContour>& contours,
                                TFillRule rule) {
  TBitmap bitmap;
  bitmap.SetSize(width, height);
  TCanvas canvas(bitmap);
  canvas.SetBrushColor(kBlack);
  FillPolygon(canvas, contours, rule);
  return PixelMap(bitmap, {{kWhite, '.'}, {kBlack, '#'}});
}

TContour Square(double left, double top, double side, bool clockwise = true) {
  TContour c{{left, top}, {left + side, top}, {left + side, top + side}, {left, top + side}};
  if (!clockwise) std::swap(c[1], c[3]);
  return c;
}

TEST(PolygonFill, PixelsWhoseCentresLieInside) {
  EXPECT_EQ(Filled(6, 5, {Square(1, 1, 3)}, TFillRule::EvenOdd),
            (std::vector<std::string>{"......", ".###..", ".###..", ".###..", "......"}));
  // A triangle's slanted edge takes a pixel only when it passes its centre.
  EXPECT_EQ(Filled(4, 4, {{{0, 0}, {4, 0}, {0, 4}}}, TFillRule::Winding),
            (std::vector<std::string>{"###.", "##..", "#...", "...."}));
}

TEST(PolygonFill, RulesDifferWhereContoursOverlap) {
  const std::vector<TContour> same{Square(0, 0, 6), Square(2, 2, 2)};
  const std::vector<TContour> opposite{Square(0, 0, 6), Square(2, 2, 2, false)};
  const std::vector<std::string> ring{"######", "######", "##..##", "##..##", "######", "######"};
  const std::vector<std::string> solid(6, "######");
  EXPECT_EQ(Filled(6, 6, same, TFillRule::EvenOdd), ring);
  EXPECT_EQ(Filled(6, 6, same, TFillRule::Winding), solid);
  EXPECT_EQ(Filled(6, 6, opposite, TFillRule::Winding), ring);
}

TEST(PolygonFill, StaysInsideTheClipWhateverTheCoordinates) {
  const std::vector<TContour> huge{Square(-1e12, -1e12, 2e12)};
  const TRect clip{3, 2, 7, 5};
  int64_t pixels = 0;
  ScanPolygon(huge, TFillRule::EvenOdd, clip, [&](int y, int left, int right) {
    EXPECT_TRUE(y >= clip.Top && y < clip.Bottom);
    EXPECT_EQ(left, clip.Left);
    EXPECT_EQ(right, clip.Right);
    pixels += right - left;
  });
  EXPECT_EQ(pixels, 12);

  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<TContour> broken{{{nan, 0}, {inf, 5}, {0, nan}}, {{1, 1}}, {}};
  int spans = 0;
  ScanPolygon(broken, TFillRule::Winding, clip, [&](int, int, int) { ++spans; });
  EXPECT_EQ(spans, 0);
}

TEST(PolygonFill, StopsOnceTheWorkLimitIsPassed) {
  const std::vector<TContour> tall{Square(0, 0, 1000)};
  int rows = 0;
  ScanPolygon(
      tall, TFillRule::EvenOdd, {0, 0, 1000, 1000}, [&](int, int, int) { ++rows; }, 5000);
  EXPECT_GT(rows, 0);
  EXPECT_LT(rows, 10);
}

TEST(StepLine, LeavesOutTheEndAndVisitsOnlyTheClip) {
  std::vector<TPoint> visited;
  const auto collect = [&](int x, int y, int64_t) { visited.push_back({x, y}); };
  StepLine({0, 0}, {4, 2}, {0, 0, 10, 10}, collect);
  EXPECT_EQ(visited, (std::vector<TPoint>{{0, 0}, {1, 1}, {2, 1}, {3, 2}}));

  visited.clear();
  const int64_t steps = StepLine({-10000000, 3}, {10000000, 3}, {2, 0, 6, 10}, collect);
  EXPECT_EQ(steps, 4);
  EXPECT_EQ(visited, (std::vector<TPoint>{{2, 3}, {3, 3}, {4, 3}, {5, 3}}));
}

TEST(WideStroke, CoversItsWidthAndFillsTheJoints) {
  const std::vector<TPointF> line{{2.5, 4.5}, {9.5, 4.5}};
  const std::vector<std::string> flat =
      Filled(12, 8, WideStroke(line, 4, TLineCap::Flat, TLineCap::Flat), TFillRule::Winding);
  EXPECT_EQ(flat, (std::vector<std::string>{"............", "............", "..#######...",
                                            "..#######...", "..#######...", "..#######...",
                                            "............", "............"}));
  // Round ends reach half the width beyond the end points.
  const std::vector<std::string> round =
      Filled(12, 8, WideStroke(line, 4, TLineCap::Round, TLineCap::Round), TFillRule::Winding);
  EXPECT_EQ(round[4], "###########.");

  // A right-angled corner: the joint fills the outer pixel that neither
  // segment reaches.
  const std::vector<TPointF> corner{{1.5, 8.5}, {1.5, 1.5}, {8.5, 1.5}};
  const std::vector<std::string> bent =
      Filled(10, 10, WideStroke(corner, 3, TLineCap::Flat, TLineCap::Flat), TFillRule::Winding);
  EXPECT_EQ(bent[0], "########..");
  EXPECT_EQ(bent[3], "###.......");
}

}  // namespace
}  // namespace lumigram
