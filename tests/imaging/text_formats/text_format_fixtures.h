#pragma once
// The Text Picture, anymap and X bitmap fixtures (tests/data/imaging/
// text_formats, made by make_fixtures.sh there and found through
// LUMIGRAM_TEST_DATA), a reader of netpbm's raw bitmaps to check against, and
// a stream that runs out of room.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "imaging/bitmap/bitmap.h"
#include "tests/support/fixture_file.h"
#include "util/stream.h"

namespace lumigram::testing {

inline std::string TextFormatFixture(const std::string& relative) {
  const char* root = std::getenv("LUMIGRAM_TEST_DATA");
  if (!root) ADD_FAILURE() << "LUMIGRAM_TEST_DATA is not set";
  return ExistingFixture(std::string(root ? root : ".") + "/imaging/text_formats/" + relative);
}

inline std::string WholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A raw bitmap ("P4") as netpbm writes it: "P4", width and height, one blank,
// rows of whole bytes with the leftmost pixel in the top bit.
inline TBitmap NetpbmRawBitmap(const std::string& path) {
  const std::string bytes = WholeFile(path);
  std::istringstream in(bytes);
  std::string magic;
  int width = 0, height = 0;
  in >> magic >> width >> height;
  const size_t data = size_t(in.tellg()) + 1;
  EXPECT_EQ(magic, "P4") << path;
  TBitmap bitmap;
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const size_t i = data + size_t(y * ((width + 7) / 8) + x / 8);
      const bool set = i < bytes.size() && (uint8_t(bytes[i]) & (0x80 >> (x % 8)));
      bitmap.SetPixel(x, y, set ? kBlack : kWhite);
    }
  }
  return bitmap;
}

// A stream that takes no bytes after the first acceptBytes.
class TRoomLimitedStream : public TMemoryStream {
 public:
  explicit TRoomLimitedStream(int64_t acceptBytes) : room_(acceptBytes) {}
  int64_t Write(const void* buffer, int64_t count) override {
    const int64_t n = std::max<int64_t>(std::min(count, room_), 0);
    room_ -= n;
    return TMemoryStream::Write(buffer, n);
  }

 private:
  int64_t room_;
};

}  // namespace lumigram::testing
