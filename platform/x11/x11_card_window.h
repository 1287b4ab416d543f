#pragma once
// The viewer's card window on Xlib: borderless, with a taskbar entry, showing
// the card's image unscaled. Only the standalone kind exists here; the
// creator shows its embedded card with Qt.
//
// Mouse positions are the pointer's position relative to the window when the
// event happened. Bounds() answers the window's place as the latest pointer
// event found it, or as last set: so a drag computed from the two follows
// the pointer even while the window manager lags behind our moves.
//
// An X session has no question before it ends, so WindowQueryEndSession and
// WindowEndSession are never called: the session closes the connection, or
// sends the window manager's close request, which arrives as WindowClose.
//
// Exposed parts are repainted from a copy of the last presented image;
// WindowPaint is asked for only while there is none.

#include <X11/Xlib.h>

#include <functional>
#include <string>

#include "card/card_platform.h"
#include "platform/x11/x11_app.h"
#include "platform/x11/x11_picture.h"

namespace lumigram {

class TX11CardWindow final : public TCardWindow, private TX11EventTarget {
 public:
  explicit TX11CardWindow(TX11App& app);
  ~TX11CardWindow() override;

  // False when the window could not be made (the dispatch table is full).
  bool Valid() const { return window_ != 0; }
  Window XWindow() const { return window_; }

  void SetEvents(TCardWindowEvents* events) override { events_ = events; }
  void Show() override;
  void Hide() override;
  bool Visible() const override { return visible_; }
  TRect Bounds() const override;
  void SetBounds(int left, int top, int width, int height) override;
  void SetCaption(const std::string& caption) override;
  void Present(const TBitmap& image) override;
  void SetCursor(const TCursorImage* cursor) override;
  void SetBusyCursor(bool busy) override;
  TPoint ScreenSize() const override;
  TPoint MousePosition() const override;

  // Called once, after the first exposure has been painted and the server
  // has it: the moment a person first sees the card.
  void SetFirstPaintHook(std::function<void()> hook) { first_paint_ = std::move(hook); }

 private:
  void HandleEvent(XEvent& event) override;
  void Button(const XButtonEvent& event, bool press);
  void Motion(XMotionEvent event);
  void Configured(const XConfigureEvent& event);
  // Remembers where a pointer event found the window.
  void TrackOrigin(int rootX, int rootY, int x, int y);
  void UpdateCursor();
  void SetPlacementHints();

  TX11App& app_;
  Display* display_;
  Window window_ = 0;
  Window parent_ = 0;
  GC gc_ = nullptr;
  TCardWindowEvents* events_ = nullptr;
  bool visible_ = false;
  int left_ = 0, top_ = 0, width_ = 1, height_ = 1;
  std::string caption_;
  TX11Picture picture_;
  Cursor arrow_ = 0, busy_cursor_ = 0, own_cursor_ = 0;
  bool busy_ = false;
  // State changes come before the callbacks, and nothing after them: a
  // callback may destroy the window.
  bool button_down_ = false;
  std::function<void()> first_paint_;
};

}  // namespace lumigram
