#pragma once
// What a card needs from the desktop, and nothing more. The card's code is
// the same in the viewer and in the creator; the viewer gives it windows,
// menus and boxes drawn with Xlib, the creator Qt ones, and the tests a
// recording double. The card never exits the process itself: it asks its
// platform to quit.

#include <memory>
#include <string>
#include <vector>

#include "imaging/bitmap/bitmap.h"
#include "imaging/bmp/cursor_image.h"
#include "media/sound_device.h"
#include "util/geometry.h"

namespace lumigram {

class TGuiDispatcher;

enum class TMouseButton { Left = 0, Right = 1, Middle = 2 };

// What a card window reports. Positions are in window (client) pixels.
class TCardWindowEvents {
 public:
  // The window needs its image again (exposed, shown).
  virtual void WindowPaint() = 0;
  // Raw button and motion events; the card itself keeps track of which
  // button is held and where it went down. The window system holds the
  // pointer for the window while a button is down.
  virtual void WindowMouseDown(TMouseButton button, int x, int y) = 0;
  virtual void WindowMouseMove(int x, int y) = 0;
  virtual void WindowMouseUp(TMouseButton button, int x, int y) = 0;
  // The window manager asked to close the window. The window stays until
  // the card decides.
  virtual void WindowClose() = 0;
  // The session is ending: false asks to keep it going (the card is busy).
  virtual bool WindowQueryEndSession() = 0;
  virtual void WindowEndSession() = 0;

 protected:
  ~TCardWindowEvents() = default;
};

// The borderless window a card is shown in: its client area is the whole
// window. Screen coordinates for bounds and the mouse.
class TCardWindow {
 public:
  virtual ~TCardWindow() = default;

  virtual void SetEvents(TCardWindowEvents* events) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  // Left, top, right and bottom on the screen.
  virtual TRect Bounds() const = 0;
  // Moves and sizes the window and raises it.
  virtual void SetBounds(int left, int top, int width, int height) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // Shows the image unscaled at (0, 0); also what a repaint shows.
  virtual void Present(const TBitmap& image) = 0;
  // The card's own cursor while the mouse is over the window; nullptr or an
  // empty image means the standard arrow. The window keeps its own copy.
  virtual void SetCursor(const TCursorImage* cursor) = 0;
  // The busy cursor (arrow with hourglass) over the window while on.
  virtual void SetBusyCursor(bool busy) = 0;
  // Width and height of the screen the window is on.
  virtual TPoint ScreenSize() const = 0;
  // The mouse position on the screen.
  virtual TPoint MousePosition() const = 0;
};

// One row of a popup menu as the card builds it each time it opens.
struct TPopupItem {
  int Id = 0;
  std::string Caption;  // "-" for a separator; "&" marks the accelerator
  bool Enabled = true;
  bool Checked = false;
};

// A popup menu. Track shows the items at (x, y) on the screen, lets the
// user choose with mouse or keyboard, and answers the chosen item's Id, or -1
// when the menu was dismissed. It returns only when the menu has closed.
class TCardPopup {
 public:
  virtual ~TCardPopup() = default;
  virtual int Track(const std::vector<TPopupItem>& items, int x, int y) = 0;
};

// Message boxes and the one prompt a card asks. Texts arrive translated.
class TCardDialogs {
 public:
  virtual ~TCardDialogs() = default;
  virtual void ShowError(const std::string& caption, const std::string& text) = 0;
  // Yes/No with a warning icon; true on Yes.
  virtual bool AskWarning(const std::string& caption, const std::string& text) = 0;
  virtual void ShowInformation(const std::string& caption, const std::string& text) = 0;
  // A one-line password prompt; false when cancelled.
  virtual bool AskPassword(const std::string& caption, const std::string& prompt,
                           std::string& password) = 0;
};

// Programs, documents and printing.
class TCardDesktop {
 public:
  virtual ~TCardDesktop() = default;
  // Opens a web or mail address or a document with the desktop's default
  // program; true when the opener started.
  virtual bool OpenDocument(const std::string& target) = 0;
  // Starts a program with an argument vector (never through a shell).
  virtual bool StartProgram(const std::vector<std::string>& argv) = 0;
  // Handles window events that are waiting, so the window repaints before a
  // long action.
  virtual void ProcessPendingEvents() = 0;
  // Whether Print can work at all (a print spooler exists).
  virtual bool CanPrint() const = 0;
  virtual bool Print(const TBitmap& image, const std::string& title, std::string& error) = 0;
};

enum class TCardWindowKind {
  Standalone,  // the viewer: a window of its own with a taskbar entry
  Embedded     // the creator: a tool window above the main window, no taskbar entry
};

// Makes the card's parts and ends the program for a standalone card.
class TCardPlatform {
 public:
  virtual ~TCardPlatform() = default;
  virtual std::unique_ptr<TCardWindow> CreateCardWindow(TCardWindowKind kind) = 0;
  virtual std::unique_ptr<TCardPopup> CreatePopup() = 0;
  virtual std::unique_ptr<TSoundDevice> CreateSoundDevice() = 0;
  virtual TCardDialogs& Dialogs() = 0;
  virtual TCardDesktop& Desktop() = 0;
  virtual TGuiDispatcher& Dispatcher() = 0;
  // The path of the program file that is running (the card file in the viewer).
  virtual std::string ProgramFile() const = 0;
  // Ends the program's event loop (a standalone card exits).
  virtual void Quit() = 0;
};

}  // namespace lumigram
