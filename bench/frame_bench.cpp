// The frame painter on a large card against one plain fill of the same
// bitmap: the painter runs on every layout, frame or picture change.

#include <benchmark/benchmark.h>

#include "frames/frame_painter.h"
#include "frames/frame_styles.h"

namespace lumigram {
namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

void BM_PaintClassicFrame255On4000x3000(benchmark::State& state) {
  TBitmap bitmap;
  bitmap.SetSize(kWidth, kHeight);
  const TFrameInfo settings{0xC0C0C0, 255, kFrameStyles[kClassicStyle].Code, ""};
  for (auto _ : state) {
    PaintFrame(settings, &bitmap);
    benchmark::DoNotOptimize(bitmap.ScanLine(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PaintClassicFrame255On4000x3000)->Unit(benchmark::kMillisecond);

void BM_FillBitmap4000x3000(benchmark::State& state) {
  TBitmap bitmap;
  bitmap.SetSize(kWidth, kHeight);
  TColor colour = 0;
  for (auto _ : state) {
    bitmap.Fill(colour++);
    benchmark::DoNotOptimize(bitmap.ScanLine(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FillBitmap4000x3000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumigram
