#pragma once
// What the self-drawn toolbar needs from the window that shows it. The
// creator gives it a Qt widget (toolbar_widget.h), the tests a recording
// double. Positions are in the window's client pixels unless said otherwise.

#include <string>

#include "imaging/bitmap/bitmap.h"
#include "util/colour.h"
#include "util/geometry.h"

namespace lumigram {

// Mouse cursors a slot can ask for, numbered as the program's settings and
// callers know them.
enum TToolbarCursor : int {
  kCursorDefault = 0,
  kCursorCross = -3,
  kCursorHourGlass = -11,
  kCursorHandPoint = -21,
};

// Keys and buttons held during a mouse event.
enum TToolbarShift : unsigned {
  kShiftKey = 1,
  kAltKey = 2,
  kCtrlKey = 4,
  kLeftHeld = 8,
  kRightHeld = 16,
  kMiddleHeld = 32,
};

class TToolbarHost {
 public:
  virtual ~TToolbarHost() = default;

  // Width of the window's client area.
  virtual int ClientWidth() const = 0;
  // The window's background colour; the buttons take their face from it.
  virtual TColor WindowColor() const = 0;
  // Where the pointer is, in client pixels; false when it cannot be told.
  virtual bool PointerPosition(TPoint& at) const = 0;
  // A client point on the screen.
  virtual TPoint ClientToScreen(TPoint at) const = 0;

  // The toolbar's whole height, bevels included.
  virtual void SetHeight(int height) = 0;
  virtual void ShowBevels(bool top, bool bottom) = 0;
  virtual void SetWindowEnabled(bool enabled) = 0;
  // The cursor over the window (a TToolbarCursor value).
  virtual void SetCursor(int cursor) = 0;
  // The window's hint; empty for none. Shown by the window when the user
  // rests the pointer, while hints are on.
  virtual void SetHint(const std::string& hint) = 0;
  // Takes away a hint that is showing now.
  virtual void CancelHint() = 0;
  virtual void SetHintsEnabled(bool enabled) = 0;
  // The drawn buttons, to be shown with their top-left corner at (0, top).
  virtual void Present(const TBitmap& image, int top) = 0;
};

}  // namespace lumigram
