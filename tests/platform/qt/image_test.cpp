#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/qt/qt_image.h"

namespace lumigram {
namespace {

TColor Pattern(int x, int y) {
  return RGB(x * 37 + y, y * 53 + 7, (x ^ y) * 29);
}

TBitmap PatternBitmap(int width, int height) {
  TBitmap bitmap;
  EXPECT_TRUE(bitmap.SetSize(width, height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, Pattern(x, y));
  return bitmap;
}

// Odd widths leave padding at the end of each of our rows, which a
// conversion must neither show as pixels nor fill with garbage.
TEST(QtImageTest, RoundTripsEveryPixelAtOddAndEvenWidths) {
  for (int width : {1, 2, 3, 5, 7, 33}) {
    for (int height : {1, 3, 4}) {
      const TBitmap original = PatternBitmap(width, height);
      const QImage image = ToQImage(original);
      ASSERT_EQ(image.size(), QSize(width, height));
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
          ASSERT_EQ(ColourOfRgb(image.pixel(x, y)), Pattern(x, y)) << width << "x" << height;

      TBitmap back;
      std::string error;
      ASSERT_TRUE(FromQImage(image, back, error));
      EXPECT_EQ(back, original) << width << "x" << height;  // padding included
    }
  }
}

TEST(QtImageTest, ReadsOtherFormatsAndLaysTransparencyOverWhite) {
  QImage image(3, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, qRgba(10, 20, 30, 255));
  image.setPixel(1, 0, qRgba(200, 0, 0, 0));
  image.setPixel(2, 0, qRgba(0, 0, 0, 128));
  TBitmap bitmap;
  std::string error;
  ASSERT_TRUE(FromQImage(image, bitmap, error));
  EXPECT_EQ(bitmap.GetPixel(0, 0), RGB(10, 20, 30));
  EXPECT_EQ(bitmap.GetPixel(1, 0), kWhite);
  // Half-transparent black over white: mid grey, give or take rounding.
  const TColor grey = bitmap.GetPixel(2, 0);
  for (int channel = 0; channel < 3; ++channel) EXPECT_NEAR(ChannelOf(grey, channel), 127, 2);

  QImage indexed = QImage(2, 2, QImage::Format_Mono);
  indexed.fill(1);
  indexed.setColor(1, qRgb(0, 255, 0));
  ASSERT_TRUE(FromQImage(indexed, bitmap, error));
  EXPECT_EQ(bitmap.GetPixel(1, 1), RGB(0, 255, 0));
}

TEST(QtImageTest, RefusesWhatTheBitmapCannotHoldAndKeepsTheBitmap) {
  const TBitmap original = PatternBitmap(3, 2);
  TBitmap bitmap = original;
  std::string error;
  EXPECT_FALSE(FromQImage(QImage(), bitmap, error));
  EXPECT_EQ(error, "Unknown format");
  EXPECT_EQ(bitmap, original);

  QImage tooWide(TBitmap::kMaxSide + 1, 1, QImage::Format_RGB32);
  ASSERT_FALSE(tooWide.isNull());
  tooWide.fill(Qt::red);
  EXPECT_FALSE(FromQImage(tooWide, bitmap, error));
  EXPECT_EQ(error, "Out of memory");
  EXPECT_EQ(bitmap, original);

  EXPECT_TRUE(ToQImage(TBitmap()).isNull());
}

TEST(QtImageTest, ColoursMatchQtsChannels) {
  const TColor colour = RGB(1, 2, 3);
  EXPECT_EQ(RgbOfColour(colour), qRgb(1, 2, 3));
  EXPECT_EQ(ColourOfRgb(qRgba(1, 2, 3, 99)), colour);
}

}  // namespace
}  // namespace lumigram
