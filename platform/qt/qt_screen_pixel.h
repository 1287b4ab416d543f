#pragma once
// The colour the user sees at a point of the screen, for picking colours
// from anywhere on the desktop.

#include "util/colour.h"
#include "util/geometry.h"

namespace lumigram {

// The colour (0x00BBGGRR) of the screen pixel at a point in screen
// coordinates; false when no screen holds the point or it cannot be read.
bool ScreenPixel(TPoint at, TColor& colour);
// The same under the mouse pointer.
bool ScreenPixelUnderMouse(TColor& colour);

}  // namespace lumigram
