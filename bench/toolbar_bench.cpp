// The toolbar redraws every button on every change (hover, press, enabling,
// resize), so one full redraw of the creator's 27 slots is what a mouse move
// across the toolbar costs.

#include <benchmark/benchmark.h>

#include "app/toolbar/creator_toolbar.h"
#include "app/toolbar/toolbar_glyphs.h"
#include "imaging/text_formats/text_picture.h"
#include "media/gui_dispatcher.h"

namespace lumigram {
namespace {

class TNoGui : public TGuiDispatcher {
 public:
  bool PostToGuiThread(std::function<void()>) override { return false; }
};

class TOffscreenHost : public TToolbarHost {
 public:
  int ClientWidth() const override { return 640; }
  TColor WindowColor() const override { return RGB(212, 208, 200); }
  bool PointerPosition(TPoint&) const override { return false; }
  TPoint ClientToScreen(TPoint at) const override { return at; }
  void SetHeight(int) override {}
  void ShowBevels(bool, bool) override {}
  void SetWindowEnabled(bool) override {}
  void SetCursor(int) override {}
  void SetHint(const std::string&) override {}
  void CancelHint() override {}
  void SetHintsEnabled(bool) override {}
  void Present(const TBitmap&, int) override {}
};

// The creator's buttons without an editor: the same glyphs and separators.
void Fill(TToolbars& toolbar) {
  const char* const* glyphs[] = {
      &kGlyphNew,         &kGlyphOpen,    &kGlyphSaveAs,    &kGlyphPrint,  &kGlyphUndo,
      &kGlyphCenter,      &kGlyphPicture, &kGlyphCursor,    &kGlyphSound,  &kGlyphFrame,
      &kGlyphMessage,     &kGlyphStop,    &kGlyphPlay,      &kGlyphVolume, &kGlyphFrameSize,
      &kGlyphFrameColor,  &kGlyphLink,    &kGlyphLinkColor, &kGlyphText,   &kGlyphTextColor,
      &kGlyphInformation, &kGlyphHelp};
  int button = 0;
  for (const char* const* glyph : glyphs) {
    ++button;
    if (button == 5 || button == 7 || button == 12 || button == 15 || button == 21)
      toolbar.AddButton({}, TToolbars::kSeparatorGap, nullptr, {});
    toolbar.AddButton("hint", 0, nullptr, *glyph);
  }
  for (int slot : {3, 5, 14, 15, 16}) toolbar.SetButtonEnabled(slot, false);
}

void BM_ToolbarRedraw(benchmark::State& state) {
  TNoGui gui;
  TMultiTimer timer(gui);
  TOffscreenHost host;
  TToolbars toolbar(host, timer);
  Fill(toolbar);
  toolbar.MouseMove(0, 40, 12);  // one button hot: highlight and brightening too
  for (auto _ : state) {
    toolbar.Layout();
    benchmark::DoNotOptimize(toolbar.Image().ScanLine(0));
  }
}
BENCHMARK(BM_ToolbarRedraw)->Unit(benchmark::kMicrosecond);

void BM_GlyphDecode(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(TextPictureToBitmap(kGlyphFrameColor));
}
BENCHMARK(BM_GlyphDecode)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumigram
