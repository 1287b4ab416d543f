#include "dialogs/eye_dropper.h"

#include "platform/qt/qt_screen_pixel.h"

namespace lumigram {

TEyeDropper& TEyeDropper::Shared() {
  static TEyeDropper dropper;
  return dropper;
}

TColor TEyeDropper::Color(int x, int y) const {
  TColor colour = kBlack;
  if (!ScreenPixel(TPoint{x, y}, colour)) return kBlack;
  return colour;
}

TColor TEyeDropper::CursorColor() const {
  TColor colour = kBlack;
  if (!ScreenPixelUnderMouse(colour)) return kBlack;
  return colour;
}

}  // namespace lumigram
