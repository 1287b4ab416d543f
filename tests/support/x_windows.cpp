#include "tests/support/x_windows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace lumigram::testing {

namespace {

std::string WindowName(Display* display, Window window) {
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::string name;
  if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                         &after, &data) == Success &&
      data) {
    name.assign(reinterpret_cast<char*>(data), count);
    XFree(data);
  }
  return name;
}

Window FindUnder(Display* display, Window parent, const std::string& title) {
  if (WindowName(display, parent) == title) return parent;
  Window root = 0, up = 0, *children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, parent, &root, &up, &children, &count)) return 0;
  Window found = 0;
  for (unsigned int i = 0; i < count && !found; ++i) found = FindUnder(display, children[i], title);
  if (children) XFree(children);
  return found;
}

}  // namespace

TXWindows::TXWindows() : display_(XOpenDisplay(nullptr)) {}

TXWindows::~TXWindows() {
  if (display_) XCloseDisplay(static_cast<Display*>(display_));
}

unsigned long TXWindows::Find(const std::string& title) {
  auto* display = static_cast<Display*>(display_);
  return display ? FindUnder(display, DefaultRootWindow(display), title) : 0;
}

void TXWindows::Close(unsigned long window) {
  auto* display = static_cast<Display*>(display_);
  if (!display) return;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
}

}  // namespace lumigram::testing
