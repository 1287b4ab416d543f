// Measuring and drawing a message: 20 lines of 40 characters at 24 pixels,
// laid out the way the card lays out its message.

#include <benchmark/benchmark.h>

#include <algorithm>

#include <string>
#include <vector>

#include "imaging/bitmap/canvas.h"
#include "imaging/text/text.h"

namespace lumigram {
namespace {

std::vector<std::string> Message() {
  std::vector<std::string> lines;
  for (int n = 0; n < 20; ++n) {
    std::string line;
    for (int i = 0; i < 40; ++i) line += char(i % 9 == 8 ? ' ' : 'a' + (n * 7 + i * 3) % 26);
    lines.push_back(line);
  }
  return lines;
}

TFont MessageFont(TFontQuality quality) {
  TFont font;
  font.Height = -24;
  font.Color = RGB(200, 20, 20);
  font.Quality = quality;
  return font;
}

void BM_MeasureMessage20x40At24px(benchmark::State& state) {
  const std::vector<std::string> lines = Message();
  const TFont font = MessageFont(TFontQuality::Default);
  for (auto _ : state) {
    int widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, TextWidth(font, line));
    benchmark::DoNotOptimize(widest + TextHeight(font, "#"));
  }
  state.SetItemsProcessed(state.iterations() * 20 * 40);
}
BENCHMARK(BM_MeasureMessage20x40At24px)->Unit(benchmark::kMicrosecond);

void DrawMessage(benchmark::State& state, TFontQuality quality) {
  const std::vector<std::string> lines = Message();
  const TFont font = MessageFont(quality);
  TBitmap target;
  target.SetSize(640, 600, RGB(230, 240, 250));
  TCanvas canvas(target);
  const TRect clip = BoundsOf(target);
  for (auto _ : state) {
    const int h = TextHeight(font, "#");
    int y = 1;
    for (const std::string& line : lines) {
      TextOut(canvas, (640 - TextWidth(font, line)) / 2, y, font, line, {.Clip = clip});
      y += h;
    }
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
  state.SetItemsProcessed(state.iterations() * 20 * 40);
}

void BM_DrawMessageAntialiased(benchmark::State& state) {
  DrawMessage(state, TFontQuality::Antialiased);
}
BENCHMARK(BM_DrawMessageAntialiased)->Unit(benchmark::kMicrosecond);

void BM_DrawMessageMonochrome(benchmark::State& state) {
  DrawMessage(state, TFontQuality::Monochrome);
}
BENCHMARK(BM_DrawMessageMonochrome)->Unit(benchmark::kMicrosecond);

// The first drawing after start-up: face lookup and every glyph rendered.
void BM_DrawMessageColdCaches(benchmark::State& state) {
  const std::vector<std::string> lines = Message();
  const TFont font = MessageFont(TFontQuality::Antialiased);
  TBitmap target;
  target.SetSize(640, 600);
  TCanvas canvas(target);
  for (auto _ : state) {
    ClearFontCaches();
    int y = 1;
    for (const std::string& line : lines) {
      TextOut(canvas, 4, y, font, line);
      y += 28;
    }
    benchmark::DoNotOptimize(target.ScanLine(0));
  }
}
BENCHMARK(BM_DrawMessageColdCaches)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumigram
