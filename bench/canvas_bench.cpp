// Picture resizing and the byte-wise reading the text picture formats do.

#include <benchmark/benchmark.h>

#include <string>

#include "imaging/bitmap/byte_stream.h"
#include "imaging/bitmap/canvas.h"

namespace lumigram {
namespace {

TBitmap Photo(int width, int height) {
  TBitmap bitmap;
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < 3 * width; ++x) row[x] = uint8_t(x * 7 + y * 13 + (x * y >> 5));
  }
  return bitmap;
}

void BM_SmoothShrink1600x1200To640x480(benchmark::State& state) {
  const TBitmap source = Photo(1600, 1200);
  TBitmap target;
  target.SetSize(640, 480);
  TCanvas canvas(target);
  for (auto _ : state) {
    canvas.StretchDraw({0, 0, 640, 480}, source, TStretchMode::Smooth);
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * 1600 * 1200);
}
BENCHMARK(BM_SmoothShrink1600x1200To640x480)->Unit(benchmark::kMillisecond);

void BM_NearestShrink1600x1200To640x480(benchmark::State& state) {
  const TBitmap source = Photo(1600, 1200);
  TBitmap target;
  target.SetSize(640, 480);
  TCanvas canvas(target);
  for (auto _ : state) {
    canvas.StretchDraw({0, 0, 640, 480}, source, TStretchMode::Nearest);
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
}
BENCHMARK(BM_NearestShrink1600x1200To640x480)->Unit(benchmark::kMillisecond);

void BM_ByteStreamReads8MB(benchmark::State& state) {
  constexpr int64_t kSize = int64_t(8) << 20;
  std::string data(size_t(kSize), '\0');
  for (int64_t i = 0; i < kSize; ++i) data[size_t(i)] = char(i * 31);
  TMemoryStream stream(std::move(data));
  for (auto _ : state) {
    TByteStream bytes(&stream);
    uint8_t b = 0;
    uint32_t sum = 0;
    for (int64_t i = 0; i < kSize; ++i) {
      bytes.ReadByte(i, b);
      sum += b;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(state.iterations() * kSize);
}
BENCHMARK(BM_ByteStreamReads8MB)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumigram
