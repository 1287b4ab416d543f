// Draws the pictures the program carries until real artwork replaces them:
// a soft diagonal gradient with a few rounded panels, written as a JPEG.
//
//   lumigram-make-picture OUT.jpg WIDTH HEIGHT [VARIANT]
//
// The same arguments always give the same bytes, so builds stay repeatable.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "imaging/bitmap.h"
#include "imaging/canvas.h"
#include "imaging/jpeg_writer.h"
#include "util/colour.h"
#include "util/files.h"

namespace {

using namespace lumigram;

// Mixes two colours; part runs 0..255 from a to b.
TColor Mix(TColor a, TColor b, int part) {
  auto channel = [&](int shift) {
    const int x = int((a >> shift) & 0xFF), y = int((b >> shift) & 0xFF);
    return uint32_t(x + (y - x) * part / 255) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

void Paint(TBitmap& bitmap, int variant) {
  // Variant 0 is the splash: deep blue into violet, light text reads well on it.
  const TColor from = variant == 0 ? RGB(16, 32, 96) : RGB(240, 180, 60);
  const TColor to = variant == 0 ? RGB(120, 40, 140) : RGB(200, 60, 90);
  const int w = bitmap.Width(), h = bitmap.Height();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bitmap.SetPixel(x, y, Mix(from, to, (x + y) * 255 / (w + h)));
  TCanvas canvas(bitmap);
  for (int i = 0; i < 5; ++i) {
    const int size = h / 3 + i * h / 12;
    const int left = w - size - i * w / 9, top = h / 10 + (i % 2) * h / 6;
    canvas.SetBrushColor(Mix(to, RGB(255, 255, 255), 40 + i * 25));
    canvas.SetPenColor(Mix(to, RGB(255, 255, 255), 120));
    canvas.RoundRect({left, top, left + size, top + size}, size / 4, size / 4);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: lumigram-make-picture OUT.jpg WIDTH HEIGHT [VARIANT]\n");
    return 2;
  }
  const int width = std::atoi(argv[2]), height = std::atoi(argv[3]);
  const int variant = argc > 4 ? std::atoi(argv[4]) : 0;
  if (width < 8 || height < 8 || width > 4000 || height > 4000) {
    std::fprintf(stderr, "lumigram-make-picture: size must be 8..4000\n");
    return 2;
  }
  TBitmap bitmap;
  if (!bitmap.SetSize(width, height)) return 1;
  Paint(bitmap, variant);
  std::string bytes, error;
  if (!WriteJpeg(bitmap, 85, bytes, error) || !WriteStringToFile(argv[1], bytes, error)) {
    std::fprintf(stderr, "lumigram-make-picture: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
