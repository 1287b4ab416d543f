#include "imaging/text_formats/portable_pixelmap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/imaging/pixel_map.h"
#include "tests/imaging/text_formats/text_format_fixtures.h"
#include "tests/support/scratch_folder.h"

namespace lumigram {
namespace {

using namespace std::string_literals;
using testing::MakeBitmap;
using testing::TextFormatFixture;

TBitmap Read(const std::string& bytes, int* type = nullptr) {
  TPortablePixelmap map;
  EXPECT_TRUE(map.ReadFromBytes(bytes)) << bytes << ": " << map.ErrorText();
  if (type) *type = map.PnmType();
  return map.Picture();
}

TBitmap ReadFile(const std::string& name, int expectedType) {
  TPortablePixelmap map;
  EXPECT_TRUE(map.ReadFromFile(TextFormatFixture("anymap/" + name)))
      << name << ": " << map.ErrorText();
  EXPECT_EQ(map.PnmType(), expectedType) << name;
  EXPECT_EQ(map.BitsPerPixel(), expectedType % 3 == 1 ? 1 : expectedType % 3 == 2 ? 8 : 24);
  return map.Picture();
}

std::string ReadFails(const std::string& bytes) {
  TPortablePixelmap map;
  EXPECT_FALSE(map.ReadFromBytes(bytes)) << bytes;
  return map.ErrorText();
}

std::string Write(const TBitmap& bitmap, int type) {
  TPortablePixelmap map;
  map.Assign(bitmap);
  if (type) map.SetPnmType(type);
  std::string bytes;
  EXPECT_TRUE(map.WriteToBytes(bytes)) << map.ErrorText();
  return bytes;
}

// The fixtures' colour picture: channel k of pixel (x, y).
int Channel(int x, int y, int k) {
  return k == 0 ? 36 * x : k == 1 ? 60 * y : 13 * x * y % 256;
}
TBitmap ColourPicture(int (*sample)(int)) {
  return MakeBitmap(7, 5, [&](int x, int y) {
    return RGB(sample(Channel(x, y, 0)), sample(Channel(x, y, 1)), sample(Channel(x, y, 2)));
  });
}

TEST(PortablePixelmap, ReadsNetpbmPixmapsWithoutScalingSamples) {
  const TBitmap colour = ColourPicture([](int v) { return v; });
  for (const char* name : {"colour.ppm", "colour_comments_raw.ppm"})
    EXPECT_EQ(ReadFile(name, 6), colour);
  for (const char* name : {"colour_plain.ppm", "colour_comments.ppm"})
    EXPECT_EQ(ReadFile(name, 3), colour);

  // Maximum 15 (netpbm rounds the samples down to it): taken as they stand.
  const TBitmap fifteen = ColourPicture([](int v) { return (v * 15 + 127) / 255; });
  EXPECT_EQ(ReadFile("colour15.ppm", 6), fifteen);
  EXPECT_EQ(ReadFile("colour15_plain.ppm", 3), fifteen);

  // 16-bit samples are v * 257: plain ones keep their low byte, v again ...
  EXPECT_EQ(ReadFile("colour16_plain.ppm", 3), colour);
  // ... while raw samples are single bytes, so each 16-bit one gives two.
  std::vector<int> bytes;
  for (int i = 0; i < 35 * 3; ++i) bytes.insert(bytes.end(), 2, Channel(i / 3 % 7, i / 21, i % 3));
  const TBitmap sixteen = ReadFile("colour16.ppm", 6);
  for (int i = 0; i < 35; ++i) {
    const size_t s = size_t(3 * i);
    ASSERT_EQ(sixteen.GetPixel(i % 7, i / 7), RGB(bytes[s], bytes[s + 1], bytes[s + 2])) << i;
  }
}

TEST(PortablePixelmap, ReadsNetpbmGreymapsAndBitmaps) {
  const TBitmap ramp = ReadFile("ramp.pgm", 5);
  EXPECT_EQ(ReadFile("ramp_plain.pgm", 2), ramp);
  EXPECT_EQ(ramp.GetPixel(1, 2), RGB(31, 31, 31));
  EXPECT_EQ(ramp.GetPixel(8, 0), kWhite);
  EXPECT_EQ(ReadFile("grey_plain.pgm", 2), ReadFile("grey.pgm", 5));

  for (const std::string name : {"checker13", "checker10"}) {
    const TBitmap expected = testing::NetpbmRawBitmap(TextFormatFixture("anymap/" + name + ".pbm"));
    EXPECT_EQ(ReadFile(name + ".pbm", 4), expected) << name;
    // netpbm writes plain rows without blanks ("0101"): every digit is a pixel.
    EXPECT_EQ(ReadFile(name + "_plain.pbm", 1), expected) << name;
  }
  EXPECT_EQ(ReadFile("checker13_spaced.pbm", 1), ReadFile("checker13.pbm", 4));
}

TEST(PortablePixelmap, ReadsHeadersTheForgivingWay) {
  int type = 0;
  EXPECT_EQ(Read("P3 9 9 255\n2 1\n255\n").Width(), 2);  // numbers on the magic line are ignored
  EXPECT_EQ(Read("p3\n# c\n1 # w\n1\n# m\n255\n255 0 0\n").GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(Read("P2\n0 3 0 2\n255\n").Width(), 3);     // zeros are passed over
  EXPECT_EQ(Read("P2\n1000016 1\n255\n").Width(), 16);  // a run's last five digits count
  Read("P7\n1 1\n255\nabc", &type);
  EXPECT_EQ(type, 6);
  Read("PX\n1 1\n", &type);
  EXPECT_EQ(type, 1);
  // Raw data starts after the one line break ending the header, even when
  // its first byte is a line feed.
  EXPECT_EQ(Read("P6\n1\n1\n255\n\n\x14\x1e").GetPixel(0, 0), RGB(10, 20, 30));

  EXPECT_EQ(ReadFails("X3\n1 1\n255\n"), "Unknown format.");
  EXPECT_EQ(ReadFails("P\n1 1\n255\n"), "Unknown format.");
  EXPECT_EQ(ReadFails("\nP3\n1 1\n255\n"), "Unknown format.");
  EXPECT_EQ(ReadFails(""), "Invalid dimensions.");
  EXPECT_EQ(ReadFails("P6\n4"), "Invalid dimensions.");
  EXPECT_EQ(ReadFails("P1\n3 0\n1 1 1\n"), "Invalid dimensions.");  // a bitmap takes a 0 height
  EXPECT_EQ(ReadFails("P6\n19001 1\n255\n"), "Out of memory.");
  EXPECT_EQ(ReadFails("P6\n1 19001\n255\n"), "Out of memory.");
}

TEST(PortablePixelmap, ReadsPixelsUpToTheMaximumAndLeavesMissingOnesWhite) {
  const TBitmap clamped = Read("P3\n2 1\n255\n300 0 0 1 2 3 4 5 6\n");
  EXPECT_EQ(clamped.GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(clamped.GetPixel(1, 0), RGB(1, 2, 3));
  EXPECT_EQ(Read("P5\n2 1\n100\n\xC8\x32").GetPixel(0, 0), RGB(100, 100, 100));

  const TBitmap raw = Read("P6\n2 2\n255\n\x01\x02\x03\x04");
  EXPECT_EQ(raw.GetPixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(raw.GetPixel(1, 0), kWhite);
  // Two bytes a row for 10 pixels: the second row starts on the third byte.
  const TBitmap rows = Read("P4\n10 3\n\x00\xFF\x80\x00\xFF"s);
  EXPECT_EQ(testing::PixelMap(rows, {{kBlack, '#'}, {kWhite, '.'}}),
            (std::vector<std::string>{"........##", "#.........", "########.."}));

  std::string line = "P2\n3000 1\n255\n";  // one line longer than any buffer
  for (int i = 0; i < 3000; ++i) line += std::to_string(i % 256) + " ";
  const TBitmap long_ = Read(line);
  for (int x = 0; x < 3000; ++x) ASSERT_EQ(long_.GetPixel(x, 0), RGB(x % 256, x % 256, x % 256));
}

TEST(PortablePixelmap, WritesEachTypeAsLaidOut) {
  const TBitmap bw = MakeBitmap(7, 1, [](int x, int) { return x % 2 ? kWhite : RGB(0, 9, 9); });
  EXPECT_EQ(Write(bw, 1), "P1\n7 1\n1 0 1 0 1 0 \r\n1 ");
  EXPECT_EQ(
      Write(MakeBitmap(2, 1, [](int x, int) { return x ? RGB(7, 1, 1) : RGB(100, 0, 0); }), 2),
      "P2\n2 1\n\n255\n100 7 ");
  const TBitmap colour = MakeBitmap(1, 1, [](int, int) { return RGB(1, 20, 255); });
  EXPECT_EQ(Write(colour, 3), "P3\n1 1\n\n255\n1 20 255 ");
  EXPECT_EQ(Write(MakeBitmap(10, 1, [](int x, int) { return x % 9 ? kWhite : kBlack; }), 4),
            "P4\n10 1\n\x80\x40"s);
  EXPECT_EQ(Write(colour, 5), "P5\n1 1\n\n255\n\x01"s);
  EXPECT_EQ(Write(colour, 6), "P6\n1 1\n\n255\n\x01\x14\xff");
  EXPECT_EQ(Write(colour, 0), Write(colour, 6));  // no type yet: a pixmap
}

TEST(PortablePixelmap, RoundTripsEveryType) {
  for (const int width : {1, 7, 8, 9, 17}) {
    const TBitmap colour =
        MakeBitmap(width, 3, [](int x, int y) { return RGB(x * 30, y * 70, x ^ y); });
    const TBitmap grey =
        MakeBitmap(width, 3, [](int x, int y) { return 0x010101 * TColor(x * 15 + y); });
    const TBitmap bw =
        MakeBitmap(width, 3, [](int x, int y) { return (x * y + x) % 3 ? kWhite : kBlack; });
    const TBitmap* pictures[] = {&bw, &grey, &colour};
    for (int type = 1; type <= 6; ++type) {
      const TBitmap& picture = *pictures[(type - 1) % 3];
      int readType = 0;
      ASSERT_EQ(Read(Write(picture, type), &readType), picture) << type << " " << width;
      EXPECT_EQ(readType, type);
    }
  }
}

TEST(PortablePixelmap, ReportsFailuresWithTheirTexts) {
  TPortablePixelmap map;
  std::string bytes;
  EXPECT_FALSE(map.WriteToBytes(bytes));  // nothing a reader would take back
  EXPECT_EQ(map.ErrorText(), "Invalid dimensions.");
  testing::ScratchFolder folder;
  EXPECT_FALSE(map.ReadFromFile(folder / "missing.pgm"));
  EXPECT_EQ(map.ErrorText(), "File not found.");

  map.Assign(MakeBitmap(40, 40, [](int x, int y) { return RGB(x, y, 0); }));
  testing::TRoomLimitedStream none(0);
  EXPECT_THROW(map.SaveToStream(none), EGeneralError);
  EXPECT_EQ(map.ErrorText(), "Stream write failure.");
  testing::TRoomLimitedStream headerOnly(15);
  EXPECT_THROW(map.SaveToStream(headerOnly), EGeneralError);
  EXPECT_EQ(map.ErrorText(), "Out of memory.");
}

}  // namespace
}  // namespace lumigram
