#include "imaging/jpeg/jpeg_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/imaging/test_data.h"
#include "util/error_texts.h"

namespace lumigram {
namespace {

using testing::ReadTestData;

// Lossy files: each channel within a few steps of what was encoded.
::testing::AssertionResult Near(TColor actual, TColor expected, int tolerance = 6) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int a = int((actual >> shift) & 0xFF);
    const int e = int((expected >> shift) & 0xFF);
    if (std::abs(a - e) > tolerance)
      return ::testing::AssertionFailure()
             << std::hex << "0x" << actual << " is not near 0x" << expected;
  }
  return ::testing::AssertionSuccess();
}

constexpr TColor Rgb(int r, int g, int b) {
  return TColor(r) | TColor(g) << 8 | TColor(b) << 16;
}

struct TDecoded {
  bool ok = false;
  TBitmap bitmap;
  int bits = 0;
  std::string error;
};

TDecoded Decode(const std::string& bytes, int maxSide = kMaxJpegSide) {
  TDecoded d;
  d.ok = ReadJpeg(bytes, d.bitmap, d.bits, d.error, maxSide);
  return d;
}

// The four squares of the 32 x 32 colour fixtures, sampled at their centres.
void ExpectQuadrants(const TBitmap& b, TColor tl, TColor tr, TColor bl, TColor br) {
  ASSERT_EQ(b.Width(), 32);
  ASSERT_EQ(b.Height(), 32);
  EXPECT_TRUE(Near(b.GetPixel(8, 8), tl));
  EXPECT_TRUE(Near(b.GetPixel(24, 8), tr));
  EXPECT_TRUE(Near(b.GetPixel(8, 24), bl));
  EXPECT_TRUE(Near(b.GetPixel(24, 24), br));
}

TEST(JpegReaderTest, ReadsColourFilesBaselineAndProgressive) {
  for (const char* name : {"jpeg/baseline.jpg", "jpeg/progressive.jpg"}) {
    SCOPED_TRACE(name);
    const TDecoded d = Decode(ReadTestData(std::string("imaging/") + name));
    ASSERT_TRUE(d.ok) << d.error;
    EXPECT_EQ(d.bits, 24);
    ExpectQuadrants(d.bitmap, Rgb(255, 0, 0), Rgb(64, 128, 192), Rgb(255, 255, 0), Rgb(20, 20, 20));
  }
}

TEST(JpegReaderTest, GreyscaleReportsEightBitsAndGreyPixels) {
  const TDecoded d = Decode(ReadTestData("imaging/jpeg/grey.jpg"));
  ASSERT_TRUE(d.ok) << d.error;
  EXPECT_EQ(d.bits, 8);
  // cjpeg's luminance: 0.299 R + 0.587 G + 0.114 B.
  ExpectQuadrants(d.bitmap, Rgb(76, 76, 76), Rgb(116, 116, 116), Rgb(226, 226, 226),
                  Rgb(20, 20, 20));
}

TEST(JpegReaderTest, CmykWithAndWithoutAdobeInversionGiveTheSameColours) {
  // Squares of 8 x 8: no ink, full cyan, magenta with yellow, half black. The
  // files hold flat blocks only, which decode exactly.
  for (const char* name : {"imaging/jpeg/cmyk_plain.jpg", "imaging/jpeg/cmyk_adobe.jpg"}) {
    SCOPED_TRACE(name);
    const TDecoded d = Decode(ReadTestData(name));
    ASSERT_TRUE(d.ok) << d.error;
    EXPECT_EQ(d.bits, 24);
    ASSERT_EQ(d.bitmap.Width(), 16);
    EXPECT_EQ(d.bitmap.GetPixel(0, 0), kWhite);
    EXPECT_EQ(d.bitmap.GetPixel(12, 3), Rgb(0, 255, 255));
    EXPECT_EQ(d.bitmap.GetPixel(5, 12), Rgb(255, 0, 0));
    EXPECT_EQ(d.bitmap.GetPixel(15, 15), Rgb(127, 127, 127));
  }
}

TEST(JpegReaderTest, AdobeYcckFromImageMagick) {
  const TDecoded d = Decode(ReadTestData("imaging/jpeg/ycck_adobe.jpg"));
  ASSERT_TRUE(d.ok) << d.error;
  EXPECT_EQ(d.bits, 24);
  ExpectQuadrants(d.bitmap, Rgb(255, 0, 0), Rgb(64, 128, 192), Rgb(255, 255, 0), Rgb(20, 20, 20));
}

TEST(JpegReaderTest, TruncatedFileKeepsWhatArrivedAndFillsTheRestGrey) {
  const TDecoded d = Decode(ReadTestData("imaging/jpeg/truncated.jpg"));
  ASSERT_TRUE(d.ok) << d.error;
  ASSERT_EQ(d.bitmap.Width(), 128);
  ASSERT_EQ(d.bitmap.Height(), 128);
  EXPECT_TRUE(Near(d.bitmap.GetPixel(8, 8), Rgb(255, 0, 0)));
  EXPECT_TRUE(Near(d.bitmap.GetPixel(24, 8), Rgb(0, 0, 255)));
  EXPECT_TRUE(Near(d.bitmap.GetPixel(120, 120), Rgb(128, 128, 128), 2));
}

TEST(JpegReaderTest, RefusesWhatIsNoJpeg) {
  const std::string baseline = ReadTestData("imaging/jpeg/baseline.jpg");
  for (const std::string& bytes :
       {std::string(), std::string("\xFF\xD8"), std::string("GIF89a not a jpeg at all"),
        baseline.substr(0, 300), std::string(1000, '\xFF')}) {
    const TDecoded d = Decode(bytes);
    EXPECT_FALSE(d.ok);
    EXPECT_EQ(d.error, err::kUnknownFormat);
  }
}

// The baseline fixture with its frame header claiming another size.
std::string WithSize(std::string bytes, int width, int height) {
  const size_t sof = bytes.find("\xFF\xC0");
  EXPECT_NE(sof, std::string::npos);
  bytes[sof + 5] = char(height >> 8);
  bytes[sof + 6] = char(height);
  bytes[sof + 7] = char(width >> 8);
  bytes[sof + 8] = char(width);
  return bytes;
}

TEST(JpegReaderTest, SizeCapsComeBeforeAnyAllocation) {
  const std::string baseline = ReadTestData("imaging/jpeg/baseline.jpg");
  // At the cap the (mostly missing) picture still decodes.
  TDecoded d = Decode(WithSize(baseline, 16, 19000));
  ASSERT_TRUE(d.ok) << d.error;
  EXPECT_EQ(d.bitmap.Height(), 19000);
  EXPECT_FALSE(Decode(WithSize(baseline, 16, 19001)).ok);
  EXPECT_FALSE(Decode(WithSize(baseline, 19001, 16)).ok);
  EXPECT_FALSE(Decode(baseline, 31).ok);
  EXPECT_TRUE(Decode(baseline, 32).ok);
  // 8000 x 8000 from 664 bytes: no JPEG packs pixels that densely.
  d = Decode(WithSize(baseline, 8000, 8000));
  EXPECT_FALSE(d.ok);
  EXPECT_EQ(d.error, err::kUnknownFormat);
  EXPECT_TRUE(d.bitmap.Empty());
}

}  // namespace
}  // namespace lumigram
