#pragma once
// Window placement as plain arithmetic, so that every window of both front
// ends is centred the same way and tests need no screen.

#include <cstdint>

#include "util/geometry.h"

namespace lumigram {

// Top-left corner, relative to the screen's, that centres a form on the
// screen, rounded toward zero.
inline TPoint CenterOnScreen(int screenWidth, int screenHeight, int formWidth, int formHeight) {
  return {int((int64_t(screenWidth) - formWidth) / 2),
          int((int64_t(screenHeight) - formHeight) / 2)};
}

}  // namespace lumigram
