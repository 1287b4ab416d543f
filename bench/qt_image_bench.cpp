// Handing the card's image to Qt: the card window converts the composite at
// every presentation (each flash phase, each hover change), the clipboard
// converts both ways.

#include <benchmark/benchmark.h>

#include "platform/qt/qt_image.h"

namespace lumigram {
namespace {

TBitmap Pattern(int width, int height) {
  TBitmap bitmap;
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, RGB(x, y, x ^ y));
  return bitmap;
}

void BM_ToQImage(benchmark::State& state) {
  const TBitmap bitmap = Pattern(int(state.range(0)), int(state.range(1)));
  for (auto _ : state) benchmark::DoNotOptimize(ToQImage(bitmap));
  state.SetBytesProcessed(int64_t(state.iterations()) * bitmap.Stride() * bitmap.Height());
}
// The default card, and a large picture.
BENCHMARK(BM_ToQImage)->Args({404, 404})->Args({1601, 1201});

void BM_FromQImage(benchmark::State& state) {
  const QImage image = ToQImage(Pattern(int(state.range(0)), int(state.range(1))));
  TBitmap bitmap;
  std::string error;
  for (auto _ : state) benchmark::DoNotOptimize(FromQImage(image, bitmap, error));
  state.SetBytesProcessed(int64_t(state.iterations()) * image.sizeInBytes());
}
BENCHMARK(BM_FromQImage)->Args({404, 404})->Args({1601, 1201});

}  // namespace
}  // namespace lumigram
