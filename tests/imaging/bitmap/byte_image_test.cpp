#include "imaging/bitmap/byte_image.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumigram {
namespace {

TEST(ByteImage, WriteNextFillsRowByRowAndStopsAtTheEnd) {
  TBitmap bitmap;
  ASSERT_TRUE(bitmap.SetSize(2, 2, kBlack));
  TByteImage image(&bitmap);
  for (uint32_t pixel : {0x000001u, 0x000100u, 0x010000u, 0x030201u}) {
    EXPECT_TRUE(image.WriteNext(pixel));
  }
  EXPECT_FALSE(image.WriteNext(0xFFFFFF));
  EXPECT_EQ(bitmap.GetPixel(0, 0), RGB(0, 0, 1));  // blue is the low byte
  EXPECT_EQ(bitmap.GetPixel(1, 0), RGB(0, 1, 0));
  EXPECT_EQ(bitmap.GetPixel(0, 1), RGB(1, 0, 0));
  EXPECT_EQ(bitmap.GetPixel(1, 1), RGB(3, 2, 1));
  image.Attach(&bitmap);  // the same bitmap: the cursor stays past the end
  EXPECT_FALSE(image.WriteNext(0));
}

TEST(ByteImage, CursorAndPixelsStayInsideThePicture) {
  TBitmap bitmap;
  ASSERT_TRUE(bitmap.SetSize(3, 2, kBlack));
  TByteImage image(&bitmap);
  image.SetCursor(99, -5);  // clamped to (2, 0)
  ASSERT_TRUE(image.WriteNext(0x0000FF));
  EXPECT_EQ(bitmap.GetPixel(2, 0), RGB(0, 0, 255));
  EXPECT_EQ(image.CursorX(), 0);
  EXPECT_EQ(image.CursorY(), 1);
  image.SetCursor(-7, 1);  // column -1: outside
  EXPECT_FALSE(image.WriteNext(0xFFFFFF));
  image.SetPixel(3, 0, 0xFFFFFF);
  uint32_t pixel = 77;
  image.GetPixel(0, 2, pixel);
  EXPECT_EQ(pixel, 77u);
  image.GetPixel(2, 0, pixel);
  EXPECT_EQ(pixel, 0x0000FFu);
  EXPECT_EQ(image.Row(2), nullptr);
  TBitmap empty;
  image.Attach(&empty);
  EXPECT_FALSE(image.WriteNext(1));
}

TEST(ByteImage, ABitmapShrunkBehindItsBackIsNotOverrun) {
  TBitmap bitmap;
  ASSERT_TRUE(bitmap.SetSize(4, 4, kBlack));
  TByteImage image(&bitmap);
  image.SetCursor(3, 3);
  ASSERT_TRUE(bitmap.SetSize(1, 1));
  EXPECT_FALSE(image.WriteNext(0xFFFFFF));
  image.SetPixel(3, 0, 0xFFFFFF);
  EXPECT_EQ(image.Row(3), nullptr);
  image.Attach(&bitmap);  // a new size: attached afresh
  EXPECT_TRUE(image.WriteNext(0xFFFFFF));
  EXPECT_FALSE(image.WriteNext(0xFFFFFF));
}

TEST(ByteImage, SplitBitsMostSignificantFirst) {
  TByteSpan span;
  TByteImage::SplitBits(0xA0, span);
  EXPECT_EQ(std::vector<uint8_t>(span.Bytes.begin(), span.Bytes.begin() + span.Count),
            (std::vector<uint8_t>{1, 0, 1, 0, 0, 0, 0, 0}));
  span.Count = kByteBufferSize - 3;
  TByteImage::SplitBits(0xFF, span);
  EXPECT_EQ(span.Count, kByteBufferSize);
}

}  // namespace
}  // namespace lumigram
