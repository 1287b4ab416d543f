#pragma once
// Window placement and menu item state as plain arithmetic, so that both front
// ends place and enable things the same way and tests need no screen.

#include "util/geometry.h"

namespace lumigram {

// Top-left corner that centres a form on the screen, rounded toward zero.
inline TPoint CenterOnScreen(int screenWidth, int screenHeight, int formWidth, int formHeight) {
  return {(screenWidth - formWidth) / 2, (screenHeight - formHeight) / 2};
}

struct TMenuItemState {
  bool Visible = true;
  bool Enabled = true;
};

// Available: show the item; a hidden item is enabled as it comes back, a
// visible one keeps its enabled state. Not available: hide and disable it.
inline void SetMenuItemAvailable(TMenuItemState& item, bool available) {
  if (!available) {
    item = {false, false};
    return;
  }
  if (!item.Visible) item.Enabled = true;
  item.Visible = true;
}

}  // namespace lumigram
