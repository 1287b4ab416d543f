#pragma once
// A toolbar on a recording window and a multi-timer whose clock the test
// moves by hand; the test runs the timer's rounds itself.

#include <cstdint>
#include <string>
#include <vector>

#include "app/toolbar/toolbars.h"
#include "imaging/text_formats/text_picture.h"
#include "tests/support/loop_dispatcher.h"

namespace lumigram::testing {

inline constexpr TColor kFace = RGB(200, 200, 200);

class TToolbarHostDouble : public TToolbarHost {
 public:
  int ClientWidth() const override { return Width; }
  TColor WindowColor() const override { return Colour; }
  bool PointerPosition(TPoint& at) const override {
    at = Pointer;
    return PointerKnown;
  }
  TPoint ClientToScreen(TPoint at) const override { return {at.X + Origin.X, at.Y + Origin.Y}; }
  void SetHeight(int height) override { HeightSet = height; }
  void ShowBevels(bool top, bool bottom) override {
    TopBevel = top;
    BottomBevel = bottom;
  }
  void SetWindowEnabled(bool enabled) override { WindowEnabled = enabled; }
  void SetCursor(int cursor) override { Cursor = cursor; }
  void SetHint(const std::string& hint) override { Hint = hint; }
  void CancelHint() override { ++HintCancels; }
  void SetHintsEnabled(bool enabled) override { HintsEnabled = enabled; }
  void Present(const TBitmap&, int top) override {
    ++Presents;
    PresentTop = top;
  }

  int Width = 300;
  TColor Colour = kFace;
  TPoint Pointer;
  bool PointerKnown = false;
  TPoint Origin{500, 40};
  int HeightSet = -1;
  bool TopBevel = false;
  bool BottomBevel = false;
  bool WindowEnabled = true;
  int Cursor = 0;
  std::string Hint;
  int HintCancels = 0;
  bool HintsEnabled = false;
  int Presents = 0;
  int PresentTop = -1;
};

// A glyph of the given size: white background, a filled block of colour
// from (1, 1) to (w - 2, h - 2).
inline std::string BlockGlyph(int width, int height, TColor colour) {
  TBitmap glyph;
  glyph.SetSize(width, height, kWhite);
  for (int y = 1; y < height - 1; ++y)
    for (int x = 1; x < width - 1; ++x) glyph.SetPixel(x, y, colour);
  return BitmapToTextPicture(glyph);
}

struct TToolbarOnDouble {
  TToolbarOnDouble() : Timer(Loop, [this] { return Now; }), Toolbar(Host, Timer) {}

  // Moves the clock and runs one round of the channels.
  void Advance(int milliseconds) {
    Now += milliseconds;
    Timer.Tick();
  }

  TLoopDispatcher Loop;
  int64_t Now = 10000;
  TToolbarHostDouble Host;
  TMultiTimer Timer;
  TToolbars Toolbar;
};

}  // namespace lumigram::testing
