#include "imaging/portable_pixelmap.h"

#include <gtest/gtest.h>

#include <string>

#include "../support/scratch_folder.h"
#include "picture_files.h"
#include "pixel_map.h"

namespace lumigram {
namespace {

using namespace std::string_literals;
using testing::FileBytes;
using testing::ImagingData;
using testing::MakeBitmap;
using testing::PlainNetpbmPicture;
using testing::RawNetpbmBitmap;

TBitmap Read(const std::string& bytes, int* type = nullptr) {
  TPortablePixelmap map;
  EXPECT_TRUE(map.ReadFromBytes(bytes)) << bytes << ": " << map.ErrorText();
  if (type) *type = map.PnmType();
  return map.Picture();
}

TBitmap ReadFile(const std::string& name, int expectedType) {
  TPortablePixelmap map;
  EXPECT_TRUE(map.ReadFromFile(ImagingData("anymap/" + name))) << name << ": " << map.ErrorText();
  EXPECT_EQ(map.PnmType(), expectedType) << name;
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

TEST(PortablePixelmap, ReadsNetpbmPixmapsRawPlainAndCommented) {
  const TBitmap expected =
      MakeBitmap(7, 5, [](int x, int y) { return RGB(36 * x, 60 * y, 13 * x * y % 256); });
  EXPECT_EQ(ReadFile("colour.ppm", 6), expected);
  EXPECT_EQ(ReadFile("colour_plain.ppm", 3), expected);
  EXPECT_EQ(ReadFile("colour_comments.ppm", 3), expected);
  EXPECT_EQ(ReadFile("colour_comments_raw.ppm", 6), expected);
}

TEST(PortablePixelmap, TakesSamplesAsTheyStandWhateverTheMaximum) {
  // Maximum 15: no scaling, so the picture is nearly black.
  const TBitmap fifteen = PlainNetpbmPicture(FileBytes(ImagingData("anymap/colour15_plain.ppm")));
  EXPECT_EQ(ReadFile("colour15_plain.ppm", 3), fifteen);
  EXPECT_EQ(ReadFile("colour15.ppm", 6), fifteen);
  EXPECT_EQ(fifteen.GetPixel(6, 4), RGB(13, 14, 3));

  // 16-bit plain samples keep their low 8 bits.
  EXPECT_EQ(ReadFile("colour16_plain.ppm", 3),
            PlainNetpbmPicture(FileBytes(ImagingData("anymap/colour16_plain.ppm"))));
  // Raw samples are single bytes, so each 16-bit sample gives two.
  const auto raw = testing::SplitNetpbm(FileBytes(ImagingData("anymap/colour16.ppm")));
  const TBitmap sixteen = ReadFile("colour16.ppm", 6);
  for (int i = 0; i < 35; ++i) {
    const auto sample = [&](int k) { return uint8_t(raw.rest[size_t(3 * i + k)]); };
    ASSERT_EQ(sixteen.GetPixel(i % 7, i / 7), RGB(sample(0), sample(1), sample(2))) << i;
  }
}

TEST(PortablePixelmap, ReadsNetpbmGreymaps) {
  for (const std::string name : {"ramp", "grey"}) {
    const TBitmap expected =
        PlainNetpbmPicture(FileBytes(ImagingData("anymap/" + name + "_plain.pgm")));
    EXPECT_EQ(ReadFile(name + ".pgm", 5), expected) << name;
    EXPECT_EQ(ReadFile(name + "_plain.pgm", 2), expected) << name;
  }
  TPortablePixelmap map;
  ASSERT_TRUE(map.ReadFromFile(ImagingData("anymap/ramp.pgm")));
  EXPECT_EQ(map.BitsPerPixel(), 8);
}

TEST(PortablePixelmap, ReadsNetpbmBitmapsOfOddWidths) {
  for (const std::string name : {"checker13", "checker10"}) {
    const TBitmap expected = RawNetpbmBitmap(FileBytes(ImagingData("anymap/" + name + ".pbm")));
    EXPECT_EQ(ReadFile(name + ".pbm", 4), expected) << name;
    // netpbm writes plain rows without blanks: every digit is a pixel.
    EXPECT_EQ(ReadFile(name + "_plain.pbm", 1), expected) << name;
  }
  EXPECT_EQ(ReadFile("checker13_spaced.pbm", 1),
            RawNetpbmBitmap(FileBytes(ImagingData("anymap/checker13.pbm"))));
  TPortablePixelmap map;
  ASSERT_TRUE(map.ReadFromFile(ImagingData("anymap/checker10.pbm")));
  EXPECT_EQ(map.BitsPerPixel(), 1);
}

TEST(PortablePixelmap, ReadsHeadersTheForgivingWay) {
  int type = 0;
  // Numbers on the magic line are ignored.
  EXPECT_EQ(Read("P3 9 9 255\n2 1\n255\n255 0 0 0 255 0\n").Width(), 2);
  // Comment lines anywhere in the header; lower-case magic.
  const TBitmap red = Read("p3\n# c\n1 # w\n1\n# m\n255\n255 0 0\n");
  EXPECT_EQ(red.GetPixel(0, 0), RGB(255, 0, 0));
  // Zeros before the width and height are passed over.
  EXPECT_EQ(Read("P2\n0 3 0 2\n255\n").Width(), 3);
  // Only a run's last five digits count.
  EXPECT_EQ(Read("P2\n1000016 1\n255\n").Width(), 16);
  Read("P7\n1 1\n255\nabc", &type);
  EXPECT_EQ(type, 6);
  Read("PX\n1 1\n1\n", &type);
  EXPECT_EQ(type, 1);
  Read("P0\n1 1\n1\n", &type);
  EXPECT_EQ(type, 1);
  // Raw data starts after the one line break ending the header, even when
  // its first byte is a line feed.
  EXPECT_EQ(Read("P6\n1\n1\n255\n\n\x14\x1e").GetPixel(0, 0), RGB(10, 20, 30));

  EXPECT_EQ(ReadFails("X3\n1 1\n255\n"), "Unknown format.");
  EXPECT_EQ(ReadFails("P\n1 1\n255\n"), "Unknown format.");
  EXPECT_EQ(ReadFails("\nP3\n1 1\n255\n"), "Unknown format.");  // an empty first line
  EXPECT_EQ(ReadFails(""), "Invalid dimensions.");
  EXPECT_EQ(ReadFails("P6\n4"), "Invalid dimensions.");
  EXPECT_EQ(ReadFails("P1\n3 0\n1 1 1\n"), "Invalid dimensions.");  // bitmaps take a 0 height
  EXPECT_EQ(ReadFails("P6\n19001 1\n255\n"), "Out of memory.");
  EXPECT_EQ(ReadFails("P6\n1 19001\n255\n"), "Out of memory.");
}

TEST(PortablePixelmap, ReadsPixelsUpToTheMaximumAndLeavesMissingOnesWhite) {
  const TBitmap clamped = Read("P3\n2 1\n255\n300 0 0 1 2 3 4 5 6\n");
  EXPECT_EQ(clamped.GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(clamped.GetPixel(1, 0), RGB(1, 2, 3));
  EXPECT_EQ(Read("P5\n2 1\n100\n\xC8\x32").GetPixel(0, 0), RGB(100, 100, 100));
  EXPECT_EQ(Read("P2\n2 1\n0\n5 9\n").GetPixel(1, 0), kBlack);

  const TBitmap raw = Read("P6\n2 2\n255\n\x01\x02\x03\x04");
  EXPECT_EQ(raw.GetPixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(raw.GetPixel(1, 0), kWhite);
  EXPECT_EQ(raw.GetPixel(1, 1), kWhite);
  const TBitmap bits = Read("P4\n10 2\n\xFF");
  EXPECT_EQ(bits.GetPixel(7, 0), kBlack);
  EXPECT_EQ(bits.GetPixel(8, 0), kWhite);
  EXPECT_EQ(bits.GetPixel(0, 1), kWhite);
  // Two bytes a row for 10 pixels: the second row starts on the third byte.
  const TBitmap rows = Read("P4\n10 2\n\x00\xFF\x80\x00"s);
  EXPECT_EQ(rows.GetPixel(8, 0), kBlack);
  EXPECT_EQ(rows.GetPixel(9, 0), kBlack);
  EXPECT_EQ(rows.GetPixel(0, 1), kBlack);
  EXPECT_EQ(rows.GetPixel(1, 1), kWhite);
}

TEST(PortablePixelmap, ReadsEveryNumberOfAVeryLongLine) {
  std::string text = "P2\n3000 1\n255\n";
  for (int i = 0; i < 3000; ++i) text += std::to_string(i % 256) + " ";
  const TBitmap line = Read(text);
  for (int x = 0; x < 3000; ++x) ASSERT_EQ(line.GetPixel(x, 0), RGB(x % 256, x % 256, x % 256));
}

TEST(PortablePixelmap, WritesEachTypeAsLaidOut) {
  const TBitmap bw = MakeBitmap(7, 1, [](int x, int) { return x % 2 ? kWhite : RGB(0, 9, 9); });
  EXPECT_EQ(Write(bw, 1), "P1\n7 1\n1 0 1 0 1 0 \r\n1 ");
  EXPECT_EQ(
      Write(MakeBitmap(2, 1, [](int x, int) { return x ? RGB(7, 1, 1) : RGB(100, 0, 0); }), 2),
      "P2\n2 1\n\n255\n100 7 ");
  EXPECT_EQ(Write(MakeBitmap(1, 1, [](int, int) { return RGB(1, 20, 255); }), 3),
            "P3\n1 1\n\n255\n1 20 255 ");
  EXPECT_EQ(
      Write(MakeBitmap(10, 1, [](int x, int) { return x == 0 || x == 9 ? kBlack : kWhite; }), 4),
      "P4\n10 1\n\x80\x40"s);
  EXPECT_EQ(Write(MakeBitmap(2, 1, [](int x, int) { return RGB(x + 1, 9, 9); }), 5),
            "P5\n2 1\n\n255\n\x01\x02"s);
  const TBitmap colour = MakeBitmap(1, 1, [](int, int) { return RGB(1, 2, 3); });
  EXPECT_EQ(Write(colour, 6), "P6\n1 1\n\n255\n\x01\x02\x03");
  // A picture never read or given a type is written as a pixmap.
  EXPECT_EQ(Write(colour, 0), Write(colour, 6));
}

TEST(PortablePixelmap, RoundTripsEveryType) {
  for (const int width : {1, 7, 8, 9, 13, 17}) {
    const TBitmap colour =
        MakeBitmap(width, 3, [](int x, int y) { return RGB(x * 30, y * 70, x ^ y); });
    const TBitmap grey =
        MakeBitmap(width, 3, [](int x, int y) { return RGB(x * 15 + y, x * 15 + y, x * 15 + y); });
    const TBitmap bw =
        MakeBitmap(width, 3, [](int x, int y) { return (x * y + x) % 3 ? kWhite : kBlack; });
    const TBitmap* pictures[] = {&bw, &grey, &colour, &bw, &grey, &colour};
    for (int type = 1; type <= 6; ++type) {
      int readType = 0;
      ASSERT_EQ(Read(Write(*pictures[type - 1], type), &readType), *pictures[type - 1])
          << "type " << type << " width " << width;
      EXPECT_EQ(readType, type);
    }
  }
}

TEST(PortablePixelmap, ReportsWriteFailures) {
  TPortablePixelmap map;
  std::string bytes;
  EXPECT_FALSE(map.WriteToBytes(bytes));
  EXPECT_EQ(map.ErrorText(), "Invalid dimensions.");

  map.Assign(MakeBitmap(40, 40, [](int x, int y) { return RGB(x, y, 0); }));
  testing::TFullStream none(0);
  EXPECT_THROW(map.SaveToStream(none), EGeneralError);
  EXPECT_EQ(map.ErrorText(), "Stream write failure.");
  testing::TFullStream headerOnly(15);
  EXPECT_THROW(map.SaveToStream(headerOnly), EGeneralError);
  EXPECT_EQ(map.ErrorText(), "Out of memory.");
}

TEST(PortablePixelmap, KeepsTheTypeThroughAssignmentAndFiles) {
  testing::ScratchFolder folder;
  TPortablePixelmap map;
  EXPECT_FALSE(map.ReadFromFile(folder / "missing.pgm"));
  EXPECT_EQ(map.ErrorText(), "File not found.");
  EXPECT_EQ(map.BitsPerPixel(), 24);

  ASSERT_TRUE(map.ReadFromFile(ImagingData("anymap/ramp_plain.pgm")));
  TPortablePixelmap copy;
  copy.Assign(map);
  EXPECT_EQ(copy.PnmType(), 2);
  ASSERT_TRUE(copy.WriteToFile(folder / "ramp.pgm"));
  EXPECT_EQ(FileBytes(folder / "ramp.pgm").substr(0, 3), "P2\n");
  TPortablePixelmap back;
  ASSERT_TRUE(back.ReadFromFile(folder / "ramp.pgm"));
  EXPECT_EQ(back.Picture(), map.Picture());
}

}  // namespace
}  // namespace lumigram
