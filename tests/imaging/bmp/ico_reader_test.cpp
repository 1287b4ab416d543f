#include <gtest/gtest.h>

#include <string>

#include "imaging/bmp/ico_file.h"
#include "tests/imaging/bmp/icon_builder.h"
#include "tests/imaging/bmp/windows_fixtures.h"
#include "tests/support/scratch_folder.h"
#include "util/error_texts.h"

namespace lumigram {
namespace {

using testing::IconFile;
using testing::OneBitIconImage;
using testing::WindowsFixture;

constexpr TColor kRed = RGB(255, 0, 0);
constexpr TColor kGreen = RGB(0, 255, 0);
constexpr TColor kBlue = RGB(0, 0, 255);

TBitmap ReadIcon(const std::string& bytes, int64_t background) {
  TBitmap bitmap;
  int bits = 0;
  std::string error;
  EXPECT_TRUE(ReadIcoFile(bytes, background, bitmap, bits, error)) << error;
  EXPECT_EQ(bits, 24);
  return bitmap;
}

std::vector<TColor> Row(const TBitmap& bitmap, int y) {
  std::vector<TColor> row;
  for (int x = 0; x < bitmap.Width(); ++x) row.push_back(bitmap.GetPixel(x, y));
  return row;
}

TEST(IcoReaderTest, MaskShowsOrInvertsTheBackground) {
  // mask4.ico, 6 x 4 at 4 bits: row 1 is transparent at both ends, row 2
  // has a transparent pixel and one that inverts (white under the mask).
  const TColor bg = RGB(0x10, 0x20, 0x30);
  const TBitmap icon = ReadIcon(WindowsFixture("mask4.ico"), bg);
  ASSERT_EQ(icon.Width(), 6);
  ASSERT_EQ(icon.Height(), 4);
  EXPECT_EQ(Row(icon, 0), (std::vector<TColor>{kRed, kRed, kGreen, kGreen, kBlue, kBlue}));
  EXPECT_EQ(Row(icon, 1), (std::vector<TColor>{bg, bg, kWhite, kWhite, bg, bg}));
  EXPECT_EQ(Row(icon, 2), (std::vector<TColor>{kBlue, kGreen, kRed, bg, bg ^ kWhite, kBlack}));
  EXPECT_EQ(Row(icon, 3), (std::vector<TColor>{kRed, kBlack, kRed, kBlack, kRed, kBlack}));
  // Without a background, transparent parts are white and inverted white black.
  const TBitmap plain = ReadIcon(WindowsFixture("mask4.ico"), kNoIconBackground);
  EXPECT_EQ(Row(plain, 2), (std::vector<TColor>{kBlue, kGreen, kRed, kWhite, kBlack, kBlack}));
}

TEST(IcoReaderTest, AlphaIsBlendedAndAnAllZeroAlphaFallsBackToTheMask) {
  // Opaque red, transparent green, blue at 128, white at 64; the mask is all
  // set and must not matter.
  EXPECT_EQ(Row(ReadIcon(WindowsFixture("alpha32.ico"), kBlack), 0),
            (std::vector<TColor>{kRed, kBlack, RGB(0, 0, 128), RGB(64, 64, 64)}));
  // Alpha all 0: the mask [0 1 1 0] decides; green under the mask inverts.
  const TColor bg = RGB(1, 2, 3);
  EXPECT_EQ(Row(ReadIcon(WindowsFixture("zeroalpha32.ico"), bg), 0),
            (std::vector<TColor>{kRed, RGB(1, 253, 3), bg, RGB(9, 9, 9)}));
  // Channel masks without an alpha mask: the AND mask decides too.
  EXPECT_EQ(Row(ReadIcon(WindowsFixture("bitfields32.ico"), bg), 0),
            (std::vector<TColor>{kRed, bg ^ kGreen}));
}

TEST(IcoReaderTest, LargestImageWins) {
  // 16 x 16 at 8 and 24 bits, 8 x 8 and 16 x 8 at 32: the 24-bit one.
  const TBitmap icon = ReadIcon(WindowsFixture("choose.ico"), kBlack);
  ASSERT_EQ(icon.Width(), 16);
  ASSERT_EQ(icon.Height(), 16);
  EXPECT_EQ(icon.GetPixel(0, 0), kGreen);
  EXPECT_EQ(icon.GetPixel(15, 15), kGreen);
  // A 20 x 20 PNG beats a 16 x 16 bitmap: red left half, transparent right
  // half but for half-transparent blue at the bottom.
  const TBitmap png = ReadIcon(WindowsFixture("png.ico"), kWhite);
  ASSERT_EQ(png.Width(), 20);
  ASSERT_EQ(png.Height(), 20);
  EXPECT_EQ(png.GetPixel(0, 0), kRed);
  EXPECT_EQ(png.GetPixel(9, 19), kRed);
  EXPECT_EQ(png.GetPixel(15, 0), kWhite);
  const TColor mixed = png.GetPixel(15, 17);
  EXPECT_NEAR(ChannelOf(mixed, 0), 127, 1);
  EXPECT_NEAR(ChannelOf(mixed, 1), 127, 1);
  EXPECT_EQ(ChannelOf(mixed, 2), 255);
}

TEST(IcoReaderTest, MatchesImageMagicksIcon) {
  const TBitmap icon = ReadIcon(WindowsFixture("magick.ico"), kWhite);
  EXPECT_EQ(testing::MaxChannelDifference(icon, testing::ReadReferencePpm("magick32.ppm")), 0);
}

TEST(IcoReaderTest, RefusesDamagedFiles) {
  const std::string good = IconFile({OneBitIconImage(4, 4)});
  std::string zeroCount = good;
  zeroCount[4] = 0;
  std::string farOffset = good;
  farOffset[6 + 12 + 2] = '\x7F';
  struct TCase {
    const char* What;
    std::string Bytes;
  };
  const std::string png = WindowsFixture("png.ico");
  const TCase cases[] = {
      {"empty", ""},
      {"bitmap file", WindowsFixture("rgb24.bmp")},
      {"no images", zeroCount},
      {"directory cut", good.substr(0, 15)},
      {"image past the end", farOffset},
      {"wider than 256", IconFile({OneBitIconImage(257, 4)})},
      {"pixels cut short", IconFile({OneBitIconImage(4, 4, 3)})},
      {"compressed", IconFile({WindowsFixture("rle8.bmp").substr(14)})},
      {"PNG cut short", png.substr(0, png.size() - 30)},
  };
  for (const TCase& c : cases) {
    TBitmap bitmap;
    bitmap.SetSize(1, 1, kBlue);
    int bits = 0;
    std::string error;
    EXPECT_FALSE(ReadIcoFile(c.Bytes, kWhite, bitmap, bits, error)) << c.What;
    EXPECT_EQ(error, err::kUnknownFormat) << c.What;
    EXPECT_EQ(bitmap.GetPixel(0, 0), kBlue) << c.What;
  }
  // Unusable images are passed over when another one is fine.
  const TBitmap icon = ReadIcon(IconFile({OneBitIconImage(300, 4), OneBitIconImage(3, 2)}), kBlack);
  EXPECT_EQ(icon.Width(), 3);
  // A missing AND mask counts as opaque.
  const std::string noMask = OneBitIconImage(4, 4);
  EXPECT_EQ(ReadIcon(IconFile({noMask.substr(0, noMask.size() - 16)}), kBlack).GetPixel(0, 0),
            kWhite);
}

TEST(IcoReaderTest, LoadsFiles) {
  testing::ScratchFolder folder;
  TBitmap bitmap;
  int bits = 0;
  std::string error;
  EXPECT_FALSE(LoadIcoFile(folder / "none.ico", kWhite, bitmap, bits, error));
  EXPECT_EQ(error, err::kFileNotFound);
  ASSERT_TRUE(WriteStringToFile(folder / "a.ico", WindowsFixture("choose.ico"), error));
  ASSERT_TRUE(LoadIcoFile(folder / "a.ico", kWhite, bitmap, bits, error)) << error;
  EXPECT_EQ(bitmap.Width(), 16);
}

}  // namespace
}  // namespace lumigram
