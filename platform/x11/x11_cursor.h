#pragma once
// Mouse cursors: our decoded cursor images made into X cursors, animated ones
// included, and the standard ones from the user's cursor theme.

#include <X11/Xlib.h>

#include "imaging/bmp/cursor_image.h"

namespace lumigram {

enum class TStandardCursor { Arrow, Busy };

// The cursor, or 0 when the image holds no usable frame. Every step of an
// animation shows its frame for its number of jiffies (1/60 s, at least one);
// a display that cannot animate cursors shows the first step. The caller
// frees the cursor with XFreeCursor.
Cursor MakeCursor(Display* display, const TCursorImage& image);

// The theme's cursor, falling back on the core cursor font. Never 0 on a
// working display.
Cursor MakeStandardCursor(Display* display, TStandardCursor kind);

}  // namespace lumigram
