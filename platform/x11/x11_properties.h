#pragma once
// Window properties every kind of our windows sets.

#include <X11/Xlib.h>

#include <string>

namespace lumigram {

class TX11App;

// The title, for window managers that read UTF-8 (_NET_WM_NAME) and for
// those that read Latin-1 (WM_NAME).
void SetWindowCaption(TX11App& app, Window window, const std::string& caption);
// One atom as the whole value of a property of type ATOM.
void SetAtomProperty(TX11App& app, Window window, Atom property, Atom value);
// WM_CLASS, WM_CLIENT_MACHINE and _NET_WM_PID: who the window belongs to.
void SetOwnerProperties(TX11App& app, Window window);
// Where the window goes, not where the window manager likes; fixed: the
// size cannot be changed by the user.
void SetPlacement(TX11App& app, Window window, int left, int top, int width, int height,
                  bool fixed);

// WM_DELETE_WINDOW and _NET_WM_PING; the window manager sends both as
// WM_PROTOCOLS client messages.
void SetProtocols(TX11App& app, Window window);
// Answers a ping itself; true for the window manager's close request.
bool IsCloseRequest(TX11App& app, XClientMessageEvent& event);

}  // namespace lumigram
