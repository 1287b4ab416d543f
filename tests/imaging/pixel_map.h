#pragma once
// Bitmaps written as rows of characters, one per pixel, for comparing small
// pictures at a glance.

#include <map>
#include <string>
#include <vector>

#include "imaging/bitmap/bitmap.h"

namespace lumigram::testing {

// Each pixel as the character its colour is mapped to; '?' for others.
inline std::vector<std::string> PixelMap(const TBitmap& bitmap,
                                         const std::map<TColor, char>& legend) {
  std::vector<std::string> rows;
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::string row;
    for (int x = 0; x < bitmap.Width(); ++x) {
      const auto it = legend.find(bitmap.GetPixel(x, y));
      row += it == legend.end() ? '?' : it->second;
    }
    rows.push_back(row);
  }
  return rows;
}

// A bitmap whose pixel (x, y) is colour(x, y).
template <typename F>
TBitmap MakeBitmap(int width, int height, F colour) {
  TBitmap bitmap;
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, colour(x, y));
  }
  return bitmap;
}

}  // namespace lumigram::testing
