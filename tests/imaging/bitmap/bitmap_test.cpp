#include "imaging/bitmap/bitmap.h"

#include <gtest/gtest.h>

#include <utility>

namespace lumigram {
namespace {

TEST(Bitmap, RowsAreBlueGreenRedPaddedToFourBytes) {
  TBitmap bitmap;
  EXPECT_TRUE(bitmap.Empty());
  ASSERT_TRUE(bitmap.SetSize(3, 2, kWhite));
  EXPECT_EQ(bitmap.Stride(), 12);
  bitmap.SetPixel(1, 1, RGB(0x11, 0x22, 0x33));
  const uint8_t* row = bitmap.ScanLine(1);
  EXPECT_EQ(row[3] + (row[4] << 8) + (row[5] << 16), 0x112233);
  for (int i = 9; i < 12; ++i) EXPECT_EQ(row[i], 0) << i;  // padding
  EXPECT_EQ(bitmap.ScanLine(2), nullptr);
  EXPECT_EQ(bitmap.GetPixel(3, 0), TBitmap::kNoPixel);
  bitmap.SetPixel(0, 2, kBlack);  // outside: ignored
  bitmap.SetPixel(-1, 1, kBlack);
  EXPECT_EQ(bitmap.GetPixel(0, 1), kWhite);
}

TEST(Bitmap, ResizingKeepsTheTopLeftAndFillsTheRest) {
  TBitmap bitmap;
  ASSERT_TRUE(bitmap.SetSize(2, 2, RGB(1, 2, 3)));
  bitmap.SetPixel(1, 1, kBlack);
  ASSERT_TRUE(bitmap.SetSize(3, 3, kWhite));
  EXPECT_EQ(bitmap.GetPixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(bitmap.GetPixel(1, 1), kBlack);
  EXPECT_EQ(bitmap.GetPixel(2, 1), kWhite);
  EXPECT_EQ(bitmap.GetPixel(0, 2), kWhite);
  ASSERT_TRUE(bitmap.SetSize(0, 5));
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.ScanLine(0), nullptr);
}

TEST(Bitmap, RefusesSizesBeyondItsLimitsChangingNothing) {
  TBitmap bitmap;
  ASSERT_TRUE(bitmap.SetSize(4, 4, kBlack));
  EXPECT_FALSE(bitmap.SetSize(-1, 4));
  EXPECT_FALSE(bitmap.SetSize(TBitmap::kMaxSide + 1, 1));
  EXPECT_FALSE(bitmap.SetSize(1, 2147483647));
  EXPECT_FALSE(bitmap.SetSize(TBitmap::kMaxSide, TBitmap::kMaxSide));  // 2.7 GB
  EXPECT_EQ(bitmap.Width(), 4);
  EXPECT_EQ(bitmap.GetPixel(3, 3), kBlack);
}

TEST(Bitmap, CopiesAreIndependentAndMovesLeaveAnEmptyBitmap) {
  TBitmap a;
  ASSERT_TRUE(a.SetSize(2, 1, kBlack));
  TBitmap b = a;
  b.SetPixel(0, 0, kWhite);
  EXPECT_EQ(a.GetPixel(0, 0), kBlack);
  EXPECT_FALSE(a == b);
  TBitmap c = std::move(b);
  EXPECT_EQ(c.GetPixel(0, 0), kWhite);
  EXPECT_EQ(b.Width(), 0);  // NOLINT(bugprone-use-after-move): defined as empty
  EXPECT_EQ(b.ScanLine(0), nullptr);
}

}  // namespace
}  // namespace lumigram
