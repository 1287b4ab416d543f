#include "imaging/jpeg/jpeg_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "imaging/jpeg/jpeg_reader.h"
#include "tests/imaging/pixel_map.h"
#include "util/error_texts.h"

namespace lumigram {
namespace {

using testing::MakeBitmap;

TBitmap Gradient(int width, int height) {
  return MakeBitmap(width, height, [](int x, int y) {
    return TColor(x * 4 % 256) | TColor(y * 5 % 256) << 8 | TColor((x + y) * 2 % 256) << 16;
  });
}

std::string Encode(const TBitmap& bitmap, int quality) {
  std::string bytes;
  std::string error;
  EXPECT_TRUE(WriteJpeg(bitmap, quality, bytes, error)) << error;
  return bytes;
}

// The first entry (the DC step) of the first quantisation table.
int FirstQuantStep(const std::string& jpeg) {
  const size_t dqt = jpeg.find("\xFF\xDB");
  if (dqt == std::string::npos || dqt + 5 >= jpeg.size()) return -1;
  return uint8_t(jpeg[dqt + 5]);
}

TEST(JpegWriterTest, WritesABaselineJfifThatDecodesBack) {
  const TBitmap picture = Gradient(61, 47);  // odd sizes: partial blocks at the edges
  const std::string jpeg = Encode(picture, 90);
  EXPECT_EQ(jpeg.substr(0, 2), "\xFF\xD8");
  EXPECT_EQ(jpeg.substr(6, 4), "JFIF");
  EXPECT_NE(jpeg.find("\xFF\xC0"), std::string::npos);
  EXPECT_EQ(jpeg.find("\xFF\xC2"), std::string::npos);
  EXPECT_EQ(jpeg.substr(jpeg.size() - 2), "\xFF\xD9");

  TBitmap decoded;
  int bits = 0;
  std::string error;
  ASSERT_TRUE(ReadJpeg(jpeg, decoded, bits, error)) << error;
  EXPECT_EQ(bits, 24);
  ASSERT_EQ(decoded.Width(), 61);
  ASSERT_EQ(decoded.Height(), 47);
  int worst = 0;
  for (int y = 0; y < 47; ++y) {
    for (int x = 0; x < 61; ++x) {
      const TColor a = picture.GetPixel(x, y);
      const TColor b = decoded.GetPixel(x, y);
      for (int shift = 0; shift < 24; shift += 8)
        worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    }
  }
  EXPECT_LE(worst, 24);  // chroma is halved, so sharp colour steps blur a little
}

TEST(JpegWriterTest, QualityIsClampedAndKeptBaseline) {
  const TBitmap picture = Gradient(32, 32);
  EXPECT_EQ(FirstQuantStep(Encode(picture, 50)), 16);  // the standard table itself
  EXPECT_EQ(FirstQuantStep(Encode(picture, 100)), 1);
  // Quality 1 scales the table fifty times; baseline files cap a step at 255.
  EXPECT_EQ(FirstQuantStep(Encode(picture, 1)), 255);
  EXPECT_EQ(Encode(picture, -5), Encode(picture, 1));
  EXPECT_EQ(Encode(picture, 250), Encode(picture, 100));
  EXPECT_LT(Encode(picture, 20).size(), Encode(picture, 90).size());
}

TEST(JpegWriterTest, AnEncoderReusedForOtherPicturesGivesTheSameBytes) {
  const TBitmap small = Gradient(20, 10);
  const TBitmap large = Gradient(300, 200);
  TJpegEncoder encoder;
  ASSERT_TRUE(encoder.Encode(small, 75));
  const std::string first(encoder.Output());
  ASSERT_TRUE(encoder.Encode(large, 30));
  const std::string largeBytes(encoder.Output());
  ASSERT_TRUE(encoder.Encode(small, 75));
  EXPECT_EQ(std::string(encoder.Output()), first);
  EXPECT_EQ(largeBytes, Encode(large, 30));
  encoder.Trim(0);
  ASSERT_TRUE(encoder.Encode(small, 75));
  EXPECT_EQ(std::string(encoder.Output()), first);
}

TEST(JpegWriterTest, EmptyBitmapFails) {
  std::string bytes = "old";
  std::string error;
  EXPECT_FALSE(WriteJpeg(TBitmap(), 50, bytes, error));
  EXPECT_EQ(error, err::kUnexpectedError);
  EXPECT_TRUE(bytes.empty());
  TJpegEncoder encoder;
  EXPECT_FALSE(encoder.Encode(TBitmap(), 50));
  EXPECT_TRUE(encoder.Output().empty());
}

}  // namespace
}  // namespace lumigram
