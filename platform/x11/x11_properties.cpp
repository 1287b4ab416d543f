#include "platform/x11/x11_properties.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include "platform/x11/utf8.h"
#include "platform/x11/x11_app.h"
#include "util/code_page.h"

namespace lumigram {

void SetWindowCaption(TX11App& app, Window window, const std::string& text) {
  const std::string caption = DisplayUtf8(text);
  Display* display = app.XDisplay();
  ::XChangeProperty(display, window, app.AtomOf(TX11Atom::NetWmName),
                    app.AtomOf(TX11Atom::Utf8String), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(caption.data()), int(caption.size()));
  const std::string latin1 = Utf8ToLatin1(caption);
  ::XChangeProperty(display, window, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(latin1.data()), int(latin1.size()));
}

void SetAtomProperty(TX11App& app, Window window, Atom property, Atom value) {
  ::XChangeProperty(app.XDisplay(), window, property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&value), 1);
}

void SetOwnerProperties(TX11App& app, Window window) {
  XWMHints wmHints{};
  wmHints.flags = InputHint | StateHint;
  wmHints.input = True;
  wmHints.initial_state = NormalState;
  XClassHint classHint{const_cast<char*>("lumigram-viewer"), const_cast<char*>("Lumigram")};
  ::XSetWMProperties(app.XDisplay(), window, nullptr, nullptr, nullptr, 0, nullptr, &wmHints,
                     &classHint);
  const long pid = long(::getpid());
  ::XChangeProperty(app.XDisplay(), window, app.AtomOf(TX11Atom::NetWmPid), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
}

void SetPlacement(TX11App& app, Window window, int left, int top, int width, int height,
                  bool fixed) {
  XSizeHints hints{};
  hints.flags = USPosition | USSize;
  hints.x = left;
  hints.y = top;
  hints.width = width;
  hints.height = height;
  if (fixed) {
    hints.flags |= PMinSize | PMaxSize;
    hints.min_width = hints.max_width = width;
    hints.min_height = hints.max_height = height;
  }
  ::XSetWMNormalHints(app.XDisplay(), window, &hints);
}

void SetProtocols(TX11App& app, Window window) {
  Atom protocols[2] = {app.AtomOf(TX11Atom::WmDeleteWindow), app.AtomOf(TX11Atom::NetWmPing)};
  ::XSetWMProtocols(app.XDisplay(), window, protocols, 2);
}

bool IsCloseRequest(TX11App& app, XClientMessageEvent& event) {
  if (event.message_type != app.AtomOf(TX11Atom::WmProtocols)) return false;
  const Atom protocol = Atom(event.data.l[0]);
  if (protocol == app.AtomOf(TX11Atom::NetWmPing)) {
    // The window manager asks whether we still answer.
    event.window = app.Root();
    ::XSendEvent(app.XDisplay(), app.Root(), False,
                 SubstructureNotifyMask | SubstructureRedirectMask,
                 reinterpret_cast<XEvent*>(&event));
    ::XFlush(app.XDisplay());
    return false;
  }
  return protocol == app.AtomOf(TX11Atom::WmDeleteWindow);
}

}  // namespace lumigram
