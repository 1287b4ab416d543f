#include "platform/x11/x11_card_window.h"

#include <algorithm>

#include "platform/x11/x11_cursor.h"
#include "platform/x11/x11_properties.h"

namespace lumigram {

namespace {

constexpr long kEventMask =
    ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | StructureNotifyMask;
// X sizes are 16-bit and never 0.
constexpr int kMaxSide = 32767;

bool ButtonOf(unsigned int xButton, TMouseButton& button) {
  switch (xButton) {
    case Button1:
      button = TMouseButton::Left;
      return true;
    case Button2:
      button = TMouseButton::Middle;
      return true;
    case Button3:
      button = TMouseButton::Right;
      return true;
    default:  // the wheel and extra buttons
      return false;
  }
}

}  // namespace

TX11CardWindow::TX11CardWindow(TX11App& app) : app_(app), display_(app.XDisplay()), picture_(app) {
  const int screenWidth = app.ScreenWidth();
  const int screenHeight = app.ScreenHeight();
  left_ = screenWidth / 4;
  top_ = screenHeight / 4;
  width_ = std::max(1, screenWidth / 2);
  height_ = std::max(1, screenHeight / 2);

  XSetWindowAttributes attributes{};
  attributes.background_pixel = DisplayPixelFormat(app).PixelOf(RGB(128, 128, 128));
  attributes.event_mask = kEventMask;
  attributes.bit_gravity = NorthWestGravity;
  window_ = ::XCreateWindow(display_, app.Root(), left_, top_, unsigned(width_), unsigned(height_),
                            0, CopyFromParent, InputOutput, CopyFromParent,
                            CWBackPixel | CWEventMask | CWBitGravity, &attributes);
  if (!window_) return;
  if (!app.Register(window_, this)) {
    ::XDestroyWindow(display_, window_);
    window_ = 0;
    return;
  }
  parent_ = app.Root();
  gc_ = ::XCreateGC(display_, window_, 0, nullptr);

  // No frame, but an ordinary window: it gets a taskbar entry.
  const long motifHints[5] = {2 /* decorations given */, 0, 0 /* none */, 0, 0};
  ::XChangeProperty(display_, window_, app.AtomOf(TX11Atom::MotifWmHints),
                    app.AtomOf(TX11Atom::MotifWmHints), 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(motifHints), 5);
  SetAtomProperty(app, window_, app.AtomOf(TX11Atom::NetWmWindowType),
                  app.AtomOf(TX11Atom::NetWmWindowTypeNormal));
  SetProtocols(app, window_);
  SetOwnerProperties(app, window_);
  SetPlacementHints();

  arrow_ = MakeStandardCursor(display_, TStandardCursor::Arrow);
  busy_cursor_ = MakeStandardCursor(display_, TStandardCursor::Busy);
  UpdateCursor();
}

TX11CardWindow::~TX11CardWindow() {
  if (!window_) return;
  app_.Unregister(window_);
  picture_.Clear();
  for (Cursor cursor : {arrow_, busy_cursor_, own_cursor_})
    if (cursor) ::XFreeCursor(display_, cursor);
  if (gc_) ::XFreeGC(display_, gc_);
  ::XDestroyWindow(display_, window_);
  ::XFlush(display_);
}

void TX11CardWindow::SetPlacementHints() {
  SetPlacement(app_, window_, left_, top_, width_, height_, false);
}

void TX11CardWindow::Show() {
  if (visible_ || !window_) return;
  visible_ = true;
  ::XMapRaised(display_, window_);
  ::XFlush(display_);
}

void TX11CardWindow::Hide() {
  if (!visible_ || !window_) return;
  visible_ = false;
  ::XWithdrawWindow(display_, window_, app_.ScreenNumber());
  ::XFlush(display_);
}

TRect TX11CardWindow::Bounds() const {
  return {left_, top_, left_ + width_, top_ + height_};
}

void TX11CardWindow::SetBounds(int left, int top, int width, int height) {
  if (!window_) return;
  left_ = std::clamp(left, -kMaxSide, kMaxSide);
  top_ = std::clamp(top, -kMaxSide, kMaxSide);
  width_ = std::clamp(width, 1, kMaxSide);
  height_ = std::clamp(height, 1, kMaxSide);
  SetPlacementHints();
  ::XMoveResizeWindow(display_, window_, left_, top_, unsigned(width_), unsigned(height_));
  ::XRaiseWindow(display_, window_);
  ::XFlush(display_);
}

void TX11CardWindow::SetCaption(const std::string& caption) {
  if (!window_ || caption == caption_) return;
  caption_ = caption;
  SetWindowCaption(app_, window_, caption);
  ::XFlush(display_);
}

void TX11CardWindow::Present(const TBitmap& image) {
  if (!window_ || !picture_.Assign(image)) return;
  picture_.Put(window_, gc_, {0, 0, picture_.Width(), picture_.Height()});
  ::XFlush(display_);
}

void TX11CardWindow::SetCursor(const TCursorImage* cursor) {
  if (!window_) return;
  if (own_cursor_) ::XFreeCursor(display_, own_cursor_);
  own_cursor_ = cursor ? MakeCursor(display_, *cursor) : 0;
  UpdateCursor();
}

void TX11CardWindow::SetBusyCursor(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  UpdateCursor();
}

void TX11CardWindow::UpdateCursor() {
  if (!window_) return;
  ::XDefineCursor(display_, window_, busy_ ? busy_cursor_ : own_cursor_ ? own_cursor_ : arrow_);
  ::XFlush(display_);
}

TPoint TX11CardWindow::ScreenSize() const {
  return {app_.ScreenWidth(), app_.ScreenHeight()};
}

TPoint TX11CardWindow::MousePosition() const {
  Window root = 0, child = 0;
  int rootX = 0, rootY = 0, x = 0, y = 0;
  unsigned int mask = 0;
  ::XQueryPointer(display_, app_.Root(), &root, &child, &rootX, &rootY, &x, &y, &mask);
  return {rootX, rootY};
}

void TX11CardWindow::HandleEvent(XEvent& event) {
  switch (event.type) {
    case Expose:
      if (picture_.Empty()) {
        if (event.xexpose.count == 0 && events_) events_->WindowPaint();
      } else {
        const XExposeEvent& e = event.xexpose;
        picture_.Put(window_, gc_, {e.x, e.y, e.x + e.width, e.y + e.height});
        if (first_paint_ && e.count == 0) {
          ::XSync(display_, False);
          std::function<void()> hook = std::move(first_paint_);
          first_paint_ = nullptr;
          hook();
        }
      }
      break;
    case ButtonPress:
    case ButtonRelease:
      Button(event.xbutton, event.type == ButtonPress);
      break;
    case MotionNotify:
      Motion(event.xmotion);
      break;
    case ConfigureNotify:
      Configured(event.xconfigure);
      break;
    case ReparentNotify:
      parent_ = event.xreparent.parent;
      break;
    case ClientMessage:
      if (IsCloseRequest(app_, event.xclient) && events_) events_->WindowClose();
      break;
    default:
      break;
  }
}

void TX11CardWindow::TrackOrigin(int rootX, int rootY, int x, int y) {
  left_ = rootX - x;
  top_ = rootY - y;
}

void TX11CardWindow::Button(const XButtonEvent& event, bool press) {
  TMouseButton button;
  if (!ButtonOf(event.button, button)) return;
  TrackOrigin(event.x_root, event.y_root, event.x, event.y);
  // While a button is held, X keeps the pointer for this window (the
  // implicit grab), so the release comes here wherever it happens.
  if (press) {
    if (button_down_) return;
    button_down_ = true;
    if (events_) events_->WindowMouseDown(button, event.x, event.y);
  } else {
    if (!button_down_) return;
    button_down_ = false;
    if (events_) events_->WindowMouseUp(button, event.x, event.y);
  }
}

void TX11CardWindow::Motion(XMotionEvent event) {
  // Only the latest of a burst of moves matters; moves after a button event
  // stay after it.
  XEvent next;
  while (::XEventsQueued(display_, QueuedAlready) > 0) {
    ::XPeekEvent(display_, &next);
    if (next.type != MotionNotify || next.xmotion.window != window_) break;
    ::XNextEvent(display_, &next);
    event = next.xmotion;
  }
  TrackOrigin(event.x_root, event.y_root, event.x, event.y);
  if (events_) events_->WindowMouseMove(event.x, event.y);
}

void TX11CardWindow::Configured(const XConfigureEvent& event) {
  width_ = event.width;
  height_ = event.height;
  // Real events of a framed window give the place inside the frame; the
  // window manager's own (synthetic) ones give it on the screen.
  if (event.send_event || parent_ == app_.Root()) {
    left_ = event.x;
    top_ = event.y;
  }
}

}  // namespace lumigram
