#pragma once
// Reads the colour of any pixel of the screen, for the toolbar's colour
// buttons: the user drags from one and lets go over the colour wanted.

#include "util/colour.h"

namespace lumigram {

class TEyeDropper {
 public:
  // The one shared instance.
  static TEyeDropper& Shared();

  // The colour the user sees at a screen point; black when no screen holds
  // the point or it cannot be read.
  TColor Color(int x, int y) const;
  // The same under the mouse pointer.
  TColor CursorColor() const;
};

}  // namespace lumigram
