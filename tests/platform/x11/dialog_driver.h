#pragma once
// Plays the user of a dialog from another thread, on a connection of its
// own: waits until the window with the keyboard focus has the caption, then
// acts on it. The dialog's loop meanwhile runs on the test's thread.

#include <X11/Xlib.h>

#include <functional>
#include <string>
#include <thread>

namespace lumigram::testing {

struct TDialogSeen {
  Window Id = 0;
  int Left = 0, Top = 0, Width = 0, Height = 0;
  Window TransientFor = 0;
  std::string Type;  // the name of its _NET_WM_WINDOW_TYPE
};

class TDialogDriver {
 public:
  // The driver's own connection, for the actions.
  class TUser {
   public:
    explicit TUser(Display* display) : display_(display) {}
    void Key(unsigned long keySym, bool shift = false);
    void Type(const std::string& ascii);
    // Clicks at a place given from the window's bottom-right corner.
    void ClickFromBottomRight(const TDialogSeen& seen, int dx, int dy);

   private:
    Display* display_;
  };

  TDialogDriver(std::string caption, std::function<void(TUser&, const TDialogSeen&)> act);
  ~TDialogDriver();
  TDialogDriver(const TDialogDriver&) = delete;
  TDialogDriver& operator=(const TDialogDriver&) = delete;

  // Waits for the thread; what it saw (Id 0 when the dialog never showed).
  const TDialogSeen& Finish();

 private:
  void Run(const std::string& caption, const std::function<void(TUser&, const TDialogSeen&)>& act);

  TDialogSeen seen_;
  std::thread thread_;
};

}  // namespace lumigram::testing
