#include <gtest/gtest.h>

#include <string>

#include "imaging/bitmap/le_bytes.h"
#include "imaging/bmp/bmp_file.h"
#include "tests/imaging/bmp/windows_fixtures.h"
#include "tests/imaging/pixel_map.h"
#include "util/error_texts.h"

namespace lumigram {
namespace {

using testing::MaxChannelDifference;
using testing::PixelMap;
using testing::ReadReferencePpm;
using testing::WindowsFixture;

const std::map<TColor, char> kLegend = {{kBlack, '0'},           {RGB(255, 0, 0), '1'},
                                        {RGB(0, 255, 0), '2'},   {RGB(0, 0, 255), '3'},
                                        {RGB(255, 255, 0), '4'}, {kWhite, '.'}};

struct TFixture {
  const char* File;
  const char* Reference;
  int Tolerance;  // ImageMagick cuts channels to 5 or 6 bits for 16-bit files
  int Bits;
};

// A 40-byte header for a BMP file with the given fields.
std::string FileWithHeader(int32_t width, int32_t height, int bits, uint32_t compression,
                           const std::string& rest, uint32_t used = 0) {
  std::string header;
  le::PutU32(header, 40);
  le::PutU32(header, uint32_t(width));
  le::PutU32(header, uint32_t(height));
  le::PutU16(header, 1);
  le::PutU16(header, uint32_t(bits));
  le::PutU32(header, compression);
  le::PutU32(header, 0);
  le::PutU32(header, 0);
  le::PutU32(header, 0);
  le::PutU32(header, used);
  le::PutU32(header, 0);
  std::string file = "BM";
  le::PutU32(file, uint32_t(14 + header.size() + rest.size()));
  le::PutU32(file, 0);
  le::PutU32(file, 0);  // no pixel offset: the pixels follow the colour table
  return file + header + rest;
}

TEST(BmpReaderTest, ReadsFilesOfEveryDepthAndHeader) {
  const TFixture fixtures[] = {
      {"rgb24.bmp", "ref.ppm", 0, 24},    {"topdown24.bmp", "ref.ppm", 0, 24},
      {"pal8.bmp", "ref.ppm", 0, 8},      {"rle8.bmp", "ref.ppm", 0, 8},
      {"pal4.bmp", "ref16.ppm", 0, 4},    {"pal1.bmp", "ref2.ppm", 0, 1},
      {"rgb555.bmp", "ref.ppm", 8, 15},   {"v5rgb555.bmp", "ref.ppm", 8, 15},
      {"v5rgb565.bmp", "ref.ppm", 8, 16}, {"bitfields565.bmp", "ref.ppm", 8, 16},
      {"xrgb32.bmp", "ref.ppm", 0, 32},   {"v5argb32.bmp", "ref.ppm", 0, 32},
      {"v4argb32.bmp", "ref.ppm", 0, 32}, {"os2rgb24.bmp", "ref.ppm", 0, 24},
      {"os2pal8.bmp", "ref.ppm", 0, 8},   {"os2pal4.bmp", "ref16.ppm", 0, 4},
  };
  for (const TFixture& f : fixtures) {
    SCOPED_TRACE(f.File);
    TBitmap bitmap;
    int bits = 0;
    std::string error;
    ASSERT_TRUE(ReadBmpFile(WindowsFixture(f.File), bitmap, bits, error)) << error;
    EXPECT_EQ(bits, f.Bits);
    const int difference = MaxChannelDifference(bitmap, ReadReferencePpm(f.Reference));
    EXPECT_GE(difference, 0);
    EXPECT_LE(difference, f.Tolerance);
  }
}

TEST(BmpReaderTest, SixteenBitChannelsScaleToTheFullRange) {
  // Black and white stay exact through ImageMagick's 16-bit files.
  TBitmap bitmap;
  int bits = 0;
  std::string error;
  for (const char* file : {"rgb555.bmp", "v5rgb565.bmp"}) {
    ASSERT_TRUE(ReadBmpFile(WindowsFixture(file), bitmap, bits, error));
    EXPECT_EQ(bitmap.GetPixel(0, 0), kBlack) << file;
    EXPECT_EQ(bitmap.GetPixel(12, 6), kWhite) << file;
  }
  // Middle values: 5 bits of 16 give 132, 6 bits of 32 give 130.
  std::string pixels;
  le::PutU16(pixels, 0x7FFF);
  le::PutU16(pixels, 0x4210);
  ASSERT_TRUE(ReadBmpFile(FileWithHeader(2, 1, 16, 0, pixels), bitmap, bits, error)) << error;
  EXPECT_EQ(bits, 15);
  EXPECT_EQ(bitmap.GetPixel(0, 0), kWhite);
  EXPECT_EQ(bitmap.GetPixel(1, 0), RGB(132, 132, 132));
  std::string masked;
  for (uint32_t mask : {0xF800u, 0x07E0u, 0x001Fu}) le::PutU32(masked, mask);
  le::PutU16(masked, 0x8410);
  le::PutU16(masked, 0xFFFF);
  ASSERT_TRUE(ReadBmpFile(FileWithHeader(2, 1, 16, 3, masked), bitmap, bits, error)) << error;
  EXPECT_EQ(bits, 16);
  EXPECT_EQ(bitmap.GetPixel(0, 0), RGB(132, 130, 132));
  EXPECT_EQ(bitmap.GetPixel(1, 0), kWhite);
  // Other masks report 24 bits: here 4-4-4 and 4 bits of 8 give 136.
  std::string odd;
  for (uint32_t mask : {0x0F00u, 0x00F0u, 0x000Fu}) le::PutU32(odd, mask);
  le::PutU16(odd, 0x08F0);
  le::PutU16(odd, 0);
  ASSERT_TRUE(ReadBmpFile(FileWithHeader(2, 1, 16, 3, odd), bitmap, bits, error)) << error;
  EXPECT_EQ(bits, 24);
  EXPECT_EQ(bitmap.GetPixel(0, 0), RGB(136, 255, 0));
}

TEST(BmpReaderTest, RleJumpsEscapesAndUntouchedPixels) {
  TBitmap bitmap;
  int bits = 0;
  std::string error;
  ASSERT_TRUE(ReadBmpFile(WindowsFixture("rle4.bmp"), bitmap, bits, error)) << error;
  EXPECT_EQ(bits, 4);
  EXPECT_EQ(PixelMap(bitmap, kLegend),
            (std::vector<std::string>{"........", "........", "..33....", ".....124", "12121...",
                                      "0004...."}));
  ASSERT_TRUE(ReadBmpFile(WindowsFixture("rle8jump.bmp"), bitmap, bits, error)) << error;
  EXPECT_EQ(bits, 8);
  EXPECT_EQ(PixelMap(bitmap, kLegend), (std::vector<std::string>{"3333", "...2", "1..."}));
}

TEST(BmpReaderTest, IndexesPastAShortColourTableAreBlack) {
  TBitmap bitmap;
  int bits = 0;
  std::string error;
  ASSERT_TRUE(ReadBmpFile(WindowsFixture("shortpalette.bmp"), bitmap, bits, error)) << error;
  EXPECT_EQ(bitmap.GetPixel(0, 0), RGB(9, 9, 9));
  EXPECT_EQ(bitmap.GetPixel(1, 0), RGB(255, 0, 0));
  EXPECT_EQ(bitmap.GetPixel(2, 0), RGB(0, 0, 255));
  EXPECT_EQ(bitmap.GetPixel(3, 0), kBlack);
}

TEST(BmpReaderTest, WrittenFilesReadBackExactly) {
  for (const auto& [w, h] : {std::pair{1, 1}, {3, 2}, {5, 4}, {0, 0}, {4, 0}}) {
    const TBitmap original = testing::MakeBitmap(
        w, h, [](int x, int y) { return RGB(x * 40 + 1, y * 50 + 2, (x ^ y) * 30 + 3); });
    TBitmap read;
    read.SetSize(7, 7, kBlack);
    int bits = 0;
    std::string error;
    ASSERT_TRUE(ReadBmpFile(WriteBmpFile(original), read, bits, error)) << w << "x" << h;
    EXPECT_EQ(read, original) << w << "x" << h;
    EXPECT_EQ(bits, 24);
  }
}

TEST(BmpReaderTest, PackedDibsMatchTheirFiles) {
  for (const char* file :
       {"rgb24.bmp", "pal4.bmp", "v5rgb565.bmp", "bitfields565.bmp", "os2pal8.bmp", "rle8.bmp"}) {
    SCOPED_TRACE(file);
    const std::string bmp = WindowsFixture(file);
    TBitmap fromFile, fromDib;
    int fileBits = 0, dibBits = 0;
    std::string error;
    ASSERT_TRUE(ReadBmpFile(bmp, fromFile, fileBits, error));
    ASSERT_TRUE(DecodeDib(std::string_view(bmp).substr(14), fromDib, dibBits, error)) << error;
    EXPECT_EQ(fromDib, fromFile);
    EXPECT_EQ(dibBits, fileBits);
  }
}

TEST(BmpReaderTest, CutOffPixelsStayWhite) {
  // 13 x 7 at 24 bits: rows of 40 bytes, bottom-up. Keep two rows and half a
  // row: the bottom rows are read, the rest is white.
  const std::string bmp = WindowsFixture("rgb24.bmp");
  const TBitmap reference = ReadReferencePpm("ref.ppm");
  TBitmap bitmap;
  int bits = 0;
  std::string error;
  ASSERT_TRUE(ReadBmpFile(bmp.substr(0, 54 + 2 * 40 + 20), bitmap, bits, error)) << error;
  ASSERT_EQ(bitmap.Width(), 13);
  ASSERT_EQ(bitmap.Height(), 7);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 13; ++x) {
      const bool present = y >= 5 || (y == 4 && x < 6);  // 20 bytes: six whole pixels
      EXPECT_EQ(bitmap.GetPixel(x, y), present ? reference.GetPixel(x, y) : kWhite)
          << x << "," << y;
    }
  // A cut RLE stream: what it gave is kept.
  const std::string rle = WindowsFixture("rle4.bmp");
  ASSERT_TRUE(ReadBmpFile(rle.substr(0, rle.size() - 12), bitmap, bits, error));
  EXPECT_EQ(PixelMap(bitmap, kLegend),
            (std::vector<std::string>{"........", "........", "........", "........", "12121...",
                                      "0004...."}));
}

// Plain 24-bit rows take a shortcut; 32-bit rows of the same pixels go the
// general way. Odd widths have padded rows; both row orders; a file cut
// inside a pixel.
TEST(BmpReaderTest, TwentyFourBitRowsReadAsTheGeneralDecoderReadsThem) {
  auto pixel = [](int x, int y) { return RGB(x * 37 + y, 255 - x * 11, y * 53 + 7); };
  for (int width : {1, 2, 3, 5, 13}) {
    for (int height : {3, -3}) {
      const int rows = height < 0 ? -height : height;
      std::string rgb24, rgb32;
      for (int i = 0; i < rows; ++i) {
        const int y = height < 0 ? i : rows - 1 - i;
        for (int x = 0; x < width; ++x) {
          const TColor c = pixel(x, y);
          const std::string bgr = {char(c >> 16), char(c >> 8), char(c)};
          rgb24 += bgr;
          rgb32 += bgr + '\0';
        }
        rgb24.append(size_t((4 - width * 3 % 4) % 4), '\x55');
      }
      TBitmap fast, general;
      int bits = 0;
      std::string error;
      ASSERT_TRUE(ReadBmpFile(FileWithHeader(width, height, 24, 0, rgb24), fast, bits, error));
      EXPECT_EQ(bits, 24);
      ASSERT_TRUE(ReadBmpFile(FileWithHeader(width, height, 32, 0, rgb32), general, bits, error));
      ASSERT_EQ(fast, general) << width << " x " << height;
      EXPECT_EQ(fast.GetPixel(width - 1, 0), pixel(width - 1, 0));
      // Cut two bytes into the second stored row's second pixel.
      const size_t rowBytes = size_t(width * 3 + 3) / 4 * 4;
      const std::string cut = FileWithHeader(width, height, 24, 0, rgb24.substr(0, rowBytes + 5));
      ASSERT_TRUE(ReadBmpFile(cut, fast, bits, error));
      for (int i = 0; i < rows; ++i) {
        const int y = height < 0 ? i : rows - 1 - i;
        for (int x = 0; x < width; ++x) {
          const bool present = i == 0 || (i == 1 && x == 0);
          EXPECT_EQ(fast.GetPixel(x, y), present ? pixel(x, y) : kWhite) << x << "," << y;
        }
      }
    }
  }
}

TEST(BmpReaderTest, RefusesMalformedAndUnsupportedHeaders) {
  const std::string pixels(64, '\0');
  struct TCase {
    const char* What;
    std::string Bytes;
    const char* Error;
  };
  const TCase cases[] = {
      {"not a bitmap", "GIF89a", err::kUnknownFormat},
      {"file header only", "BM" + std::string(12, '\0'), err::kUnknownFormat},
      {"cut header", FileWithHeader(2, 2, 24, 0, pixels).substr(0, 40), err::kUnknownFormat},
      {"negative width", FileWithHeader(-2, 2, 24, 0, pixels), err::kUnknownFormat},
      {"lowest height", FileWithHeader(2, INT32_MIN, 24, 0, pixels), err::kUnknownFormat},
      {"2 bits", FileWithHeader(2, 2, 2, 0, pixels), err::kUnknownFormat},
      {"RLE8 at 4 bits", FileWithHeader(2, 2, 4, 1, pixels), err::kUnknownFormat},
      {"bit fields at 24 bits", FileWithHeader(2, 2, 24, 3, pixels), err::kUnknownFormat},
      {"JPEG inside", FileWithHeader(2, 2, 24, 4, pixels), err::kUnknownFormat},
      {"top-down RLE", FileWithHeader(2, -2, 8, 1, pixels), err::kUnknownFormat},
      {"too wide", FileWithHeader(19001, 1, 24, 0, pixels), err::kOutOfMemory},
      {"too high", FileWithHeader(1, -19001, 24, 0, pixels), err::kOutOfMemory},
      {"huge", FileWithHeader(INT32_MAX, INT32_MAX, 32, 0, pixels), err::kOutOfMemory},
  };
  for (const TCase& c : cases) {
    TBitmap bitmap;
    bitmap.SetSize(2, 1, kBlack);
    const TBitmap before = bitmap;
    int bits = 99;
    std::string error;
    EXPECT_FALSE(ReadBmpFile(c.Bytes, bitmap, bits, error)) << c.What;
    EXPECT_EQ(error, c.Error) << c.What;
    EXPECT_EQ(bitmap, before) << c.What;
    EXPECT_EQ(bits, 99) << c.What;
  }
}

TEST(BmpReaderTest, HostileCountsStayInsideTheBuffer) {
  TBitmap bitmap;
  int bits = 0;
  std::string error;
  // A colour table said to hold 4 billion colours, cut off by the end.
  EXPECT_TRUE(ReadBmpFile(FileWithHeader(3, 1, 8, 0, std::string(7, '\x01'), 0xFFFFFFFF), bitmap,
                          bits, error));
  // An RLE jump far past the picture, and runs far past the right edge; the
  // colour table holds black only.
  const std::string black(4, '\0');
  const std::string jump = black + std::string("\x01\0\0\x02\xFF\xFF\x02\0", 8);
  ASSERT_TRUE(ReadBmpFile(FileWithHeader(2, 2, 8, 1, jump, 1), bitmap, bits, error));
  EXPECT_EQ(PixelMap(bitmap, kLegend), (std::vector<std::string>{"..", "0."}));
  const std::string runs = black + std::string("\xFF\0\0\0\0\x05\0\0\0\0\0\0", 12);
  ASSERT_TRUE(ReadBmpFile(FileWithHeader(2, 2, 8, 1, runs, 1), bitmap, bits, error));
  EXPECT_EQ(PixelMap(bitmap, kLegend), (std::vector<std::string>{"00", "00"}));
  // The size cap can be lowered.
  EXPECT_FALSE(ReadBmpFile(WindowsFixture("rgb24.bmp"), bitmap, bits, error, 12));
  EXPECT_EQ(error, err::kOutOfMemory);
}

}  // namespace
}  // namespace lumigram
