#include "tests/platform/x11/dialog_driver.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>

namespace lumigram::testing {

namespace {

std::string TextProperty(Display* display, Window window, Atom property) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::string value;
  if (::XGetWindowProperty(display, window, property, 0, 256, False, AnyPropertyType, &type,
                           &format, &count, &after, &data) == Success &&
      data) {
    if (format == 8) value.assign(reinterpret_cast<char*>(data), count);
    if (format == 32 && count > 0) {
      char* name = ::XGetAtomName(display, Atom(reinterpret_cast<unsigned long*>(data)[0]));
      if (name) value = name;
      if (name) ::XFree(name);
    }
    ::XFree(data);
  }
  return value;
}

}  // namespace

void TDialogDriver::TUser::Key(unsigned long keySym, bool shift) {
  const KeyCode code = ::XKeysymToKeycode(display_, keySym);
  const KeyCode shiftCode = ::XKeysymToKeycode(display_, XK_Shift_L);
  if (shift) ::XTestFakeKeyEvent(display_, shiftCode, True, CurrentTime);
  ::XTestFakeKeyEvent(display_, code, True, CurrentTime);
  ::XTestFakeKeyEvent(display_, code, False, CurrentTime);
  if (shift) ::XTestFakeKeyEvent(display_, shiftCode, False, CurrentTime);
  ::XSync(display_, False);
}

void TDialogDriver::TUser::Type(const std::string& ascii) {
  for (char c : ascii) {
    const bool upper = c >= 'A' && c <= 'Z';
    if (c == ' ')
      Key(XK_space);
    else
      Key(::XStringToKeysym(std::string(1, upper ? char(c - 'A' + 'a') : c).c_str()), upper);
  }
}

void TDialogDriver::TUser::ClickFromBottomRight(const TDialogSeen& seen, int dx, int dy) {
  ::XTestFakeMotionEvent(display_, DefaultScreen(display_), seen.Left + seen.Width - dx,
                         seen.Top + seen.Height - dy, CurrentTime);
  ::XTestFakeButtonEvent(display_, Button1, True, CurrentTime);
  ::XTestFakeButtonEvent(display_, Button1, False, CurrentTime);
  ::XSync(display_, False);
}

TDialogDriver::TDialogDriver(std::string caption,
                             std::function<void(TUser&, const TDialogSeen&)> act)
    : thread_([this, caption = std::move(caption), act = std::move(act)] { Run(caption, act); }) {}

TDialogDriver::~TDialogDriver() {
  if (thread_.joinable()) thread_.join();
}

const TDialogSeen& TDialogDriver::Finish() {
  if (thread_.joinable()) thread_.join();
  return seen_;
}

void TDialogDriver::Run(const std::string& caption,
                        const std::function<void(TUser&, const TDialogSeen&)>& act) {
  Display* display = ::XOpenDisplay(nullptr);
  if (!display) return;
  const Atom name = ::XInternAtom(display, "_NET_WM_NAME", False);
  const Atom type = ::XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    Window focus = 0;
    int revert = 0;
    ::XGetInputFocus(display, &focus, &revert);
    if (focus > PointerRoot && TextProperty(display, focus, name) == caption) {
      TDialogSeen seen;
      seen.Id = focus;
      Window root = 0, child = 0;
      unsigned int width = 0, height = 0, border = 0, depth = 0;
      int x = 0, y = 0;
      ::XGetGeometry(display, focus, &root, &x, &y, &width, &height, &border, &depth);
      ::XTranslateCoordinates(display, focus, root, 0, 0, &seen.Left, &seen.Top, &child);
      seen.Width = int(width);
      seen.Height = int(height);
      ::XGetTransientForHint(display, focus, &seen.TransientFor);
      seen.Type = TextProperty(display, focus, type);
      seen_ = seen;
      TUser user(display);
      act(user, seen);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ::XCloseDisplay(display);
}

}  // namespace lumigram::testing
