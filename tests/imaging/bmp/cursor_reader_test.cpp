#include <gtest/gtest.h>

#include <string>

#include "imaging/bmp/cursor_image.h"
#include "tests/imaging/bmp/icon_builder.h"
#include "tests/imaging/bmp/windows_fixtures.h"
#include "tests/support/scratch_folder.h"
#include "util/error_texts.h"

namespace lumigram {
namespace {

using testing::AniFile;
using testing::AniHeader;
using testing::Chunk;
using testing::FrameList;
using testing::IconFile;
using testing::Numbers;
using testing::OneBitIconImage;
using testing::WindowsFixture;

constexpr uint32_t kOpaqueWhite = 0xFFFFFFFF;
constexpr uint32_t kOpaqueBlack = 0xFF000000;

TCursorImage ReadCursor(const std::string& bytes, int preferredSide = kDefaultCursorSide) {
  TCursorImage cursor;
  std::string error;
  EXPECT_TRUE(ReadCursorFile(bytes, cursor, error, preferredSide)) << error;
  return cursor;
}

uint32_t PixelOf(const TCursorFrame& frame, int x, int y) {
  return frame.Pixels.at(size_t(y) * size_t(frame.Width) + size_t(x));
}

TEST(CursorReaderTest, CursorTakesTheNearestSizeWithItsHotSpot) {
  const std::string file = WindowsFixture("twosizes.cur");
  const TCursorImage cursor = ReadCursor(file);
  ASSERT_EQ(cursor.Frames.size(), 1u);
  EXPECT_FALSE(cursor.Animated());
  EXPECT_EQ(cursor.Sequence, std::vector<int>{0});
  EXPECT_EQ(cursor.Rates, std::vector<int>{0});
  const TCursorFrame& big = cursor.Frames[0];
  ASSERT_EQ(big.Width, 32);
  ASSERT_EQ(big.Height, 32);
  ASSERT_EQ(big.Pixels.size(), 32u * 32u);
  EXPECT_EQ(big.HotSpotX, 5);
  EXPECT_EQ(big.HotSpotY, 7);
  // Inside the opaque square: white diagonal on black. Outside: the diagonal
  // inverts, which becomes opaque black, and the rest is transparent.
  EXPECT_EQ(PixelOf(big, 3, 3), kOpaqueWhite);
  EXPECT_EQ(PixelOf(big, 4, 3), kOpaqueBlack);
  EXPECT_EQ(PixelOf(big, 20, 20), kOpaqueBlack);
  EXPECT_EQ(PixelOf(big, 21, 20) >> 24, 0u);

  const TCursorImage small = ReadCursor(file, 16);
  EXPECT_EQ(small.Frames[0].Width, 16);
  EXPECT_EQ(small.Frames[0].HotSpotX, 2);
  EXPECT_EQ(small.Frames[0].HotSpotY, 3);
  EXPECT_EQ(PixelOf(small.Frames[0], 15, 15), kOpaqueWhite);
  EXPECT_EQ(ReadCursor(file, 0).Frames[0].Width, 32);  // 0: the largest
}

TEST(CursorReaderTest, IconsPointWithTheirCentre) {
  const TCursorImage cursor = ReadCursor(WindowsFixture("mask4.ico"));
  const TCursorFrame& frame = cursor.Frames[0];
  EXPECT_EQ(frame.HotSpotX, 3);
  EXPECT_EQ(frame.HotSpotY, 2);
  EXPECT_EQ(PixelOf(frame, 0, 0), 0xFFFF0000);    // red, as ARGB
  EXPECT_EQ(PixelOf(frame, 0, 1), 0u);            // transparent
  EXPECT_EQ(PixelOf(frame, 4, 2), kOpaqueBlack);  // inverting
  EXPECT_EQ(PixelOf(ReadCursor(WindowsFixture("alpha32.ico")).Frames[0], 2, 0), 0x800000FFu);
}

TEST(CursorReaderTest, AnimatedCursorWithSequenceAndRates) {
  const TCursorImage cursor = ReadCursor(WindowsFixture("sequence.ani"));
  ASSERT_EQ(cursor.Frames.size(), 3u);
  EXPECT_TRUE(cursor.Animated());
  EXPECT_EQ(cursor.Sequence, (std::vector<int>{0, 1, 2, 1, 0}));
  // Rates 5 6 0 8 for five steps: 0 becomes 1, the fifth takes the header's 10.
  EXPECT_EQ(cursor.Rates, (std::vector<int>{5, 6, 1, 8, 10}));
  const uint32_t colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
  for (int i = 0; i < 3; ++i) {
    const TCursorFrame& frame = cursor.Frames[size_t(i)];
    EXPECT_EQ(frame.Width, 8);
    EXPECT_EQ(frame.HotSpotX, i + 1);
    EXPECT_EQ(frame.HotSpotY, i + 1);
    EXPECT_EQ(PixelOf(frame, 7, 7), colours[i]);
  }
}

TEST(CursorReaderTest, AnimatedCursorWithoutSequenceRunsInOrder) {
  const TCursorImage cursor = ReadCursor(WindowsFixture("plain.ani"));
  ASSERT_EQ(cursor.Frames.size(), 2u);
  EXPECT_EQ(cursor.Sequence, (std::vector<int>{0, 1}));
  EXPECT_EQ(cursor.Rates, (std::vector<int>{7, 7}));
  const TCursorFrame& png = cursor.Frames[1];
  ASSERT_EQ(png.Width, 20);
  EXPECT_EQ(png.HotSpotX, 10);
  EXPECT_EQ(PixelOf(png, 0, 0), 0xFFFF0000);
  EXPECT_EQ(PixelOf(png, 15, 0) >> 24, 0u);
}

TEST(CursorReaderTest, RefusesDamagedAnimations) {
  const std::string icon = WindowsFixture("mask4.ico");
  const std::string two = FrameList({icon, icon});
  const std::string good = AniHeader(2, 2, 5, 1) + two;
  ASSERT_EQ(ReadCursor(AniFile(good)).Frames.size(), 2u);
  std::string cut = AniFile(good);
  cut.resize(cut.size() - 10);
  std::string riffShort = AniFile(good);
  riffShort[4] = 3;  // RIFF size below the "ACON" form type
  struct TCase {
    const char* What;
    std::string Bytes;
  };
  const TCase cases[] = {
      {"cut", cut},
      {"RIFF size too small", riffShort},
      {"not ACON", "RIFF\x04\0\0\0WAVE"},
      {"no header", AniFile(two)},
      {"no frames", AniFile(AniHeader(1, 1, 5, 1))},
      {"two headers", AniFile(AniHeader(2, 2, 5, 1) + good)},
      {"two frame lists", AniFile(good + two)},
      {"fewer icons than frames", AniFile(AniHeader(3, 3, 5, 1) + two)},
      {"no frames said", AniFile(AniHeader(0, 0, 5, 1) + two)},
      {"too many frames said", AniFile(AniHeader(1025, 1, 5, 1) + two)},
      {"sequence past the frames", AniFile(good + Chunk("seq ", Numbers({0, 2})))},
      {"sequence too short", AniFile(good + Chunk("seq ", Numbers({0})))},
      {"too many steps",
       AniFile(AniHeader(2, 4097, 5, 3) + two + Chunk("seq ", std::string(4 * 4097, '\0')))},
      {"broken icon", AniFile(AniHeader(2, 2, 5, 1) + FrameList({icon, icon.substr(0, 30)}))},
      {"chunk longer than its list",
       AniFile(AniHeader(1, 1, 5, 1) + Chunk("LIST", "fram" + Chunk("icon", icon).substr(0, 40)))},
  };
  for (const TCase& c : cases) {
    TCursorImage cursor;
    cursor.Rates = {42};
    std::string error;
    EXPECT_FALSE(ReadCursorFile(c.Bytes, cursor, error)) << c.What;
    EXPECT_EQ(error, err::kUnknownFormat) << c.What;
    EXPECT_EQ(cursor.Rates, std::vector<int>{42}) << c.What;
  }
  // Unknown chunks and a few trailing bytes are passed over.
  EXPECT_EQ(ReadCursor(AniFile(Chunk("junk", "abc") + good + "xyz")).Frames.size(), 2u);
}

TEST(CursorReaderTest, CapsThePixelsOfAllFrames) {
  // 257 frames of 256 x 256 are more than the 2^24 pixels allowed.
  const std::string icon = IconFile({OneBitIconImage(256, 256)});
  const std::vector<std::string> icons(257, icon);
  TCursorImage cursor;
  std::string error;
  EXPECT_FALSE(
      ReadCursorFile(AniFile(AniHeader(257, 257, 1, 1) + FrameList(icons)), cursor, error));
  EXPECT_EQ(error, err::kOutOfMemory);
  // The count is of the images shown: the small ones of the same files pass.
  const std::string twoSizes = IconFile({OneBitIconImage(256, 256), OneBitIconImage(16, 16)});
  const std::vector<std::string> small(257, twoSizes);
  EXPECT_TRUE(
      ReadCursorFile(AniFile(AniHeader(257, 257, 1, 1) + FrameList(small)), cursor, error, 16))
      << error;
  EXPECT_EQ(cursor.Frames.size(), 257u);
}

TEST(CursorReaderTest, LoadsFiles) {
  testing::ScratchFolder folder;
  TCursorImage cursor;
  std::string error;
  EXPECT_FALSE(LoadCursorFile(folder / "none.ani", cursor, error));
  EXPECT_EQ(error, err::kFileNotFound);
  ASSERT_TRUE(WriteStringToFile(folder / "a.ani", WindowsFixture("sequence.ani"), error));
  ASSERT_TRUE(LoadCursorFile(folder / "a.ani", cursor, error)) << error;
  EXPECT_EQ(cursor.Frames.size(), 3u);
}

}  // namespace
}  // namespace lumigram
