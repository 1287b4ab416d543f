#pragma once
// Our decoded cursors as Qt cursors. Qt has no animated cursors, so an
// animation is a list of steps, each a cursor and how long it shows, that
// the window cycles through with a timer.

#include <QCursor>
#include <vector>

#include "imaging/bmp/cursor_image.h"

namespace lumigram {

struct TQtCursorStep {
  QCursor Cursor;
  int Milliseconds = 0;
};

// The steps worth showing: those naming a usable frame, each at least one
// jiffy (1/60 s) long. An image without a sequence shows its first usable
// frame; an image without usable frames gives no steps (the arrow then).
std::vector<TQtCursorStep> CursorSteps(const TCursorImage& image);

}  // namespace lumigram
