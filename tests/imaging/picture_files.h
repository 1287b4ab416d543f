#pragma once
// Fixture files of the picture format tests (tests/data/imaging, found through
// LUMIGRAM_TEST_DATA) and small readers of netpbm's own output to check the
// readers under test against.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "imaging/bitmap.h"
#include "util/stream.h"

namespace lumigram::testing {

inline std::string ImagingData(const std::string& relative) {
  const char* root = std::getenv("LUMIGRAM_TEST_DATA");
  if (!root) {
    ADD_FAILURE() << "LUMIGRAM_TEST_DATA is not set";
    return relative;
  }
  return std::string(root) + "/imaging/" + relative;
}

inline std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A netpbm file header: magic, width, height and (but for bitmaps) the
// maximum value, with comments; the rest of the text from just after the
// one blank that ends the header.
struct TNetpbmHeader {
  char type = 0;
  int width = 0;
  int height = 0;
  int maxValue = 1;
  std::string rest;
};

inline TNetpbmHeader SplitNetpbm(const std::string& bytes) {
  TNetpbmHeader header;
  header.type = bytes.size() > 1 ? bytes[1] : 0;
  size_t at = 2;
  const int fields = header.type == '1' || header.type == '4' ? 2 : 3;
  int values[3] = {0, 0, 1};
  for (int i = 0; i < fields; ++i) {
    while (at < bytes.size() && (std::isspace(uint8_t(bytes[at])) || bytes[at] == '#')) {
      if (bytes[at] == '#') at = std::min(bytes.find('\n', at), bytes.size());
      ++at;
    }
    size_t end = at;
    while (end < bytes.size() && std::isdigit(uint8_t(bytes[end]))) ++end;
    values[i] = std::stoi(bytes.substr(at, end - at));
    at = end;
  }
  header.width = values[0];
  header.height = values[1];
  header.maxValue = values[2];
  header.rest = bytes.substr(std::min(at + 1, bytes.size()));
  return header;
}

// What a plain netpbm file (P1, P2, P3) holds, samples kept as they stand
// but for their low 8 bits: the program does not scale by the maximum value.
inline TBitmap PlainNetpbmPicture(const std::string& bytes) {
  const TNetpbmHeader header = SplitNetpbm(bytes);
  TBitmap bitmap;
  bitmap.SetSize(header.width, header.height);
  std::string text;
  std::istringstream lines(header.rest);
  for (std::string line; std::getline(lines, line);) text += line.substr(0, line.find('#')) + " ";
  std::istringstream tokens(text);
  int x = 0, y = 0;
  const auto put = [&](TColor colour) {
    bitmap.SetPixel(x, y, colour);
    if (++x == header.width) x = 0, ++y;
  };
  if (header.type == '1') {
    for (const char c : text) {
      if (c == '0' || c == '1') put(c == '1' ? kBlack : kWhite);
    }
  } else {
    for (int r = 0, g = 0, b = 0; y < header.height;) {
      if (header.type == '2' && tokens >> r) {
        put(RGB(r, r, r));
      } else if (header.type == '3' && tokens >> r >> g >> b) {
        put(RGB(r, g, b));
      } else {
        break;
      }
    }
  }
  return bitmap;
}

// What a raw netpbm bitmap (P4) holds.
inline TBitmap RawNetpbmBitmap(const std::string& bytes) {
  const TNetpbmHeader header = SplitNetpbm(bytes);
  TBitmap bitmap;
  bitmap.SetSize(header.width, header.height);
  const int rowBytes = (header.width + 7) / 8;
  for (int y = 0; y < header.height; ++y) {
    for (int x = 0; x < header.width; ++x) {
      const size_t i = size_t(y * rowBytes + x / 8);
      const bool set = i < header.rest.size() && (uint8_t(header.rest[i]) & (0x80 >> (x % 8)));
      bitmap.SetPixel(x, y, set ? kBlack : kWhite);
    }
  }
  return bitmap;
}

// A stream that takes no bytes after the first acceptBytes.
class TFullStream : public TMemoryStream {
 public:
  explicit TFullStream(int64_t acceptBytes) : room_(acceptBytes) {}
  int64_t Write(const void* buffer, int64_t count) override {
    const int64_t n = std::max<int64_t>(std::min(count, room_), 0);
    room_ -= n;
    return TMemoryStream::Write(buffer, n);
  }

 private:
  int64_t room_;
};

}  // namespace lumigram::testing
