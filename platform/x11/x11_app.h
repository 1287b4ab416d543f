#pragma once
// The viewer's event loop. One thread waits in poll() on the X connection and
// on a wake-up descriptor, hands X events to the window objects registered
// for them and runs the work other threads post. Loops nest: a popup menu or
// a message box runs a loop of its own until it closes, and meanwhile only
// its window gets mouse, keys and close requests.

#include <X11/Xlib.h>

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "media/gui_dispatcher.h"
#include "platform/x11/x11_window_list.h"

namespace lumigram {

enum class TX11Atom {
  WmProtocols,
  WmDeleteWindow,
  NetWmPing,
  NetWmName,
  Utf8String,
  MotifWmHints,
  NetWmWindowType,
  NetWmWindowTypeNormal,
  NetWmWindowTypeDialog,
  NetWmWindowTypePopupMenu,
  NetWmState,
  NetWmStateModal,
  NetWmPid,
  Count
};

class TX11App : public TGuiDispatcher {
 public:
  TX11App() = default;
  ~TX11App() override;
  TX11App(const TX11App&) = delete;
  TX11App& operator=(const TX11App&) = delete;

  // Connects to the display (empty: $DISPLAY). Needs a true-colour default
  // visual of 15 bits or more. False with a text for the terminal.
  bool Open(const std::string& displayName, std::string& error);

  Display* XDisplay() const { return display_; }
  int ScreenNumber() const { return screen_; }
  Window Root() const;
  Visual* XVisual() const;
  int Depth() const;
  int ScreenWidth() const;
  int ScreenHeight() const;
  Atom AtomOf(TX11Atom atom) const { return atoms_[int(atom)]; }

  // The window dispatch table: events of a registered window go to its
  // target. False when the table is full.
  bool Register(Window window, TX11EventTarget* target);
  void Unregister(Window window);

  // The window message boxes belong to (kept above it); 0 for none.
  void SetMainWindow(Window window) { main_window_ = window; }
  Window MainWindow() const { return main_window_; }

  // Runs until Quit.
  void Run();
  // Runs until done() answers true or the program quits. done is checked
  // after each event and each batch of posted work. While it runs, mouse,
  // key and close events of every window but modal (when not 0) are dropped.
  void RunModal(Window modal, const std::function<bool()>& done);
  // Runs the work posted so far and handles the events that are waiting,
  // without waiting for more.
  void ProcessPendingEvents();
  // Ends every loop, the nested ones too. Final: posted work is refused from
  // now on and what is queued is dropped unrun.
  void Quit();
  bool Terminated() const { return terminated_; }

  // Any thread, the loop's own too.
  bool PostToGuiThread(std::function<void()> work) override;

  // X errors seen in this process since it started. Xlib's default would end
  // the program over a request on a window that just vanished.
  static unsigned long ErrorCount();

 private:
  // One round: a batch of posted work or one X event, taking turns, else
  // waits for either.
  void RunOnce();
  void Dispatch(XEvent& event);
  // True when some work ran.
  bool RunPostedWork();
  void DropPostedWork();
  bool BlockedByModal(const XEvent& event) const;

  Display* display_ = nullptr;
  int screen_ = 0;
  int wake_fd_ = -1;
  Atom atoms_[int(TX11Atom::Count)] = {};
  TX11WindowList windows_;
  std::vector<Window> modal_;
  Window main_window_ = 0;
  bool terminated_ = false;
  bool work_ran_last_ = false;

  std::mutex mutex_;
  std::deque<std::function<void()>> posted_;
  std::atomic<bool> work_waiting_{false};
  bool refusing_ = false;  // under mutex_
};

}  // namespace lumigram
