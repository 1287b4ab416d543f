#include <gtest/gtest.h>

#include <string>

#include "imaging/bmp/bmp_file.h"
#include "tests/imaging/pixel_map.h"
#include "tests/support/scratch_folder.h"
#include "util/error_texts.h"

namespace lumigram {
namespace {

uint32_t U32(const std::string& s, size_t at) {
  return uint32_t(uint8_t(s[at])) | uint32_t(uint8_t(s[at + 1])) << 8 |
         uint32_t(uint8_t(s[at + 2])) << 16 | uint32_t(uint8_t(s[at + 3])) << 24;
}

TEST(BmpWriterTest, HeadersAndBottomUpPaddedRows) {
  // 2 x 2: rows of 6 bytes padded to 8; the bottom row comes first.
  const TBitmap bitmap = testing::MakeBitmap(2, 2, [](int x, int y) {
    return y == 0 ? (x == 0 ? RGB(1, 2, 3) : RGB(4, 5, 6)) : (x == 0 ? kBlack : kWhite);
  });
  const std::string bmp = WriteBmpFile(bitmap);
  ASSERT_EQ(bmp.size(), 54u + 16u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(U32(bmp, 2), 70u);   // file size
  EXPECT_EQ(U32(bmp, 6), 0u);    // reserved
  EXPECT_EQ(U32(bmp, 10), 54u);  // pixel offset
  EXPECT_EQ(U32(bmp, 14), 40u);  // info header
  EXPECT_EQ(U32(bmp, 18), 2u);
  EXPECT_EQ(U32(bmp, 22), 2u);              // positive height: bottom-up
  EXPECT_EQ(U32(bmp, 26), 1u | 24u << 16);  // one plane, 24 bits
  EXPECT_EQ(U32(bmp, 30), 0u);              // uncompressed
  EXPECT_EQ(U32(bmp, 34), 16u);
  EXPECT_EQ(U32(bmp, 46), 0u);  // no colour table
  const std::string pixels = bmp.substr(54);
  EXPECT_EQ(pixels, std::string("\0\0\0\xFF\xFF\xFF\0\0"
                                "\3\2\1\6\5\4\0\0",
                                16));
}

TEST(BmpWriterTest, EmptyBitmapIsHeadersOnly) {
  const std::string bmp = WriteBmpFile(TBitmap());
  ASSERT_EQ(bmp.size(), 54u);
  EXPECT_EQ(U32(bmp, 2), 54u);
  EXPECT_EQ(U32(bmp, 18), 0u);
  EXPECT_EQ(U32(bmp, 22), 0u);
}

TEST(BmpWriterTest, SavedFilesLoadBack) {
  testing::ScratchFolder folder;
  const TBitmap bitmap = testing::MakeBitmap(3, 2, [](int x, int y) { return RGB(x, y, 9); });
  std::string error;
  ASSERT_TRUE(SaveBmpFile(folder / "a.bmp", bitmap, error)) << error;
  TBitmap read;
  int bits = 0;
  ASSERT_TRUE(LoadBmpFile(folder / "a.bmp", read, bits, error)) << error;
  EXPECT_EQ(read, bitmap);
  EXPECT_FALSE(LoadBmpFile(folder / "none.bmp", read, bits, error));
  EXPECT_EQ(error, err::kFileNotFound);
  EXPECT_FALSE(SaveBmpFile(folder / "missing/folder/a.bmp", bitmap, error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace lumigram
