#include "imaging/text_formats/x_bitmap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/imaging/pixel_map.h"
#include "tests/imaging/text_formats/text_format_fixtures.h"
#include "tests/support/scratch_folder.h"

namespace lumigram {
namespace {

using testing::MakeBitmap;
using testing::PixelMap;
using testing::TextFormatFixture;
using testing::WholeFile;

const std::map<TColor, char> kLegend = {{kBlack, '#'}, {kWhite, '.'}};

std::vector<std::string> Read(const std::string& text) {
  TXBitmap bitmap;
  EXPECT_TRUE(bitmap.ReadFromBytes(text)) << text << ": " << bitmap.ErrorText();
  return PixelMap(bitmap.Picture(), kLegend);
}

std::string ReadFails(const std::string& text) {
  TXBitmap bitmap;
  EXPECT_FALSE(bitmap.ReadFromBytes(text)) << text;
  return bitmap.ErrorText();
}

std::string Header(const std::string& width, const std::string& height) {
  return "#define b_width " + width + "\n#define b_height " + height +
         "\nstatic char b_bits[] = {\n";
}

TEST(XBitmap, ReadsTheSystemsX11Bitmaps) {
  const std::string folder = "/usr/include/X11/bitmaps/";
  if (!std::filesystem::exists(folder)) GTEST_SKIP() << "xbitmaps is not installed";
  for (const std::string name :
       {"xlogo16", "xlogo32", "star", "weird_size", "1x1", "plaid", "flagup", "mensetmanus"}) {
    TXBitmap bitmap;
    ASSERT_TRUE(bitmap.ReadFromFile(folder + name)) << name << ": " << bitmap.ErrorText();
    EXPECT_EQ(bitmap.Picture(), testing::NetpbmRawBitmap(TextFormatFixture("xbm/" + name + ".pbm")))
        << name;
    EXPECT_EQ(bitmap.BitsPerPixel(), 1);
  }
}

TEST(XBitmap, NeedsBothSizesAndAStaticLine) {
  // A hot spot definition is passed over; "unsigned char" is fine.
  EXPECT_EQ(Read("#define test_width 16\n#define test_height 2\n#define test_x_hot 3\n"
                 "static unsigned char test_bits[] = {\n   0x01, 0x80, 0xff, 0x00};\n"),
            (std::vector<std::string>{"#..............#", "########........"}));
  EXPECT_EQ(Read("#DEFINE B_WIDTH 2\r\n#Define b_height 1\r\nSTATIC char b[] = {0x03};\r\n"),
            (std::vector<std::string>{"##"}));

  EXPECT_EQ(ReadFails("#define b_width 2\n#define b_height 1\n  static char b[] = {0x03};\n"),
            "Unknown format.");
  EXPECT_EQ(ReadFails("#define b_width 2\nstatic char b[] = {0x03};\n"), "Unknown format.");
  EXPECT_EQ(ReadFails("static char b[] = {0x03};\n#define b_width 2\n#define b_height 1\n"),
            "Unknown format.");
  EXPECT_EQ(ReadFails(""), "Unknown format.");
}

TEST(XBitmap, ReadsSizesAsDecimalNumbers) {
  // Halves round to even: 2.5 is 2, 1.5 is 2.
  EXPECT_EQ(Read(Header(" 2.5 ", "1.5") + "0xff};\n"), (std::vector<std::string>{"##", ".."}));
  EXPECT_EQ(ReadFails(Header("abc", "1") + "0xff};\n"), "Invalid dimensions.");
  EXPECT_EQ(ReadFails(Header("0", "1") + "0xff};\n"), "Invalid dimensions.");
  EXPECT_EQ(ReadFails(Header("3", "-1") + "0xff};\n"), "Invalid dimensions.");
  EXPECT_EQ(ReadFails(Header("19001", "1") + "0xff};\n"), "Out of memory.");
}

TEST(XBitmap, PacksRowsIntoWholeBytesLowestBitLeftmost) {
  // 10 pixels a row take 2 bytes; the high 6 bits of the second are ignored.
  EXPECT_EQ(Read(Header("10", "2") + "0x01, 0xff, 0x80, 0x02 };\n"),
            (std::vector<std::string>{"#.......##", ".......#.#"}));
  // Upper-case X and digits read alike; a digit that is none counts as 0.
  EXPECT_EQ(Read(Header("8", "3") + "0X0F, 0x0f,\n 0x5, };\n"),
            (std::vector<std::string>{"####....", "####....", "....#.#."}));
  // Bytes run on over lines until the line with "}"; what is missing stays white.
  EXPECT_EQ(Read(Header("8", "4") + "0x01,\n\n0x02,\n0x04 }, 0x08\n0x10\n"),
            (std::vector<std::string>{"#.......", ".#......", "..#.....", "........"}));
  // The array may close on the line that opens it.
  EXPECT_EQ(Read("#define b_width 8\n#define b_height 1\nstatic char b[] = { 0x81 };\n"),
            (std::vector<std::string>{"#......#"}));
}

TEST(XBitmap, WritesTheArrayAsLaidOut) {
  TXBitmap bitmap;
  bitmap.Assign(MakeBitmap(9, 1, [](int, int) { return kBlack; }));
  std::string text;
  ASSERT_TRUE(bitmap.WriteToBytes(text));
  EXPECT_EQ(text.substr(0, text.find('{') + 3),
            "#define image_width 9\r\n#define image_height 1\r\nstatic char image_bits[] = {\r\n");
  EXPECT_EQ(text.substr(text.find('{') + 3, 12), "0xff, 0x01, ");

  // Ten bytes to a line, counted across rows; only a red byte of 0 is black.
  bitmap.Assign(MakeBitmap(12, 6, [](int x, int) { return x % 3 ? RGB(0, 200, 200) : kWhite; }));
  ASSERT_TRUE(bitmap.WriteToBytes(text));
  const size_t data = text.find('{') + 3;
  EXPECT_EQ(text.substr(data, 62),
            "0xb6, 0x0d, 0xb6, 0x0d, 0xb6, 0x0d, 0xb6, 0x0d, 0xb6, 0x0d, \r\n");
  EXPECT_EQ(text.substr(data + 62, 25), "0xb6, 0x0d, \r\n};\r\n");

  EXPECT_FALSE(TXBitmap().WriteToBytes(text));
  testing::ScratchFolder folder;
  EXPECT_FALSE(bitmap.ReadFromFile(folder / "missing.xbm"));
  EXPECT_EQ(bitmap.ErrorText(), "File not found.");
}

TEST(XBitmap, RoundTripsOddWidths) {
  for (const int width : {1, 7, 8, 9, 17, 80}) {
    const TBitmap picture = MakeBitmap(
        width, 5, [](int x, int y) { return (x * 7 + y * 3) % 5 < 2 ? kBlack : kWhite; });
    TXBitmap bitmap;
    bitmap.Assign(picture);
    std::string text;
    ASSERT_TRUE(bitmap.WriteToBytes(text));
    TXBitmap back;
    ASSERT_TRUE(back.ReadFromBytes(text)) << back.ErrorText();
    EXPECT_EQ(back.Picture(), picture) << width;
  }
}

}  // namespace
}  // namespace lumigram
