#pragma once
// The bitmap, icon and cursor files of tests/data/imaging/windows (made by
// make_fixtures.sh there) and their reference pictures.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "imaging/bitmap/bitmap.h"
#include "tests/support/fixture_file.h"
#include "util/files.h"

namespace lumigram::testing {

inline std::string WindowsFixture(const std::string& name) {
  const char* root = std::getenv("LUMIGRAM_TEST_DATA");
  return ReadFixture(std::string(root ? root : ".") + "/imaging/windows/" + name);
}

// A binary PPM (P6, maxval 255) as written by the fixture script.
inline TBitmap ReadReferencePpm(const std::string& name) {
  const std::string ppm = WindowsFixture(name);
  TBitmap bitmap;
  int width = 0, height = 0, maxval = 0, used = 0;
  if (std::sscanf(ppm.c_str(), "P6 %d %d %d%n", &width, &height, &maxval, &used) != 3 ||
      maxval != 255 || ppm.size() != size_t(used) + 1 + size_t(width) * size_t(height) * 3) {
    ADD_FAILURE() << "bad reference picture " << name;
    return bitmap;
  }
  bitmap.SetSize(width, height);
  const auto* p = reinterpret_cast<const uint8_t*>(ppm.data()) + used + 1;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x, p += 3) bitmap.SetPixel(x, y, RGB(p[0], p[1], p[2]));
  return bitmap;
}

// The largest difference of any channel of any pixel; -1 for different sizes.
inline int MaxChannelDifference(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int most = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      for (int c = 0; c < 3; ++c)
        most = std::max(most,
                        std::abs(ChannelOf(a.GetPixel(x, y), c) - ChannelOf(b.GetPixel(x, y), c)));
  return most;
}

}  // namespace lumigram::testing
