#pragma once
// Finds top-level windows on the X server by their title and closes them as
// a window manager would. Kept apart so that Xlib's macros stay out of the
// test sources.

#include <string>

namespace lumigram::testing {

class TXWindows {
 public:
  TXWindows();
  ~TXWindows();
  TXWindows(const TXWindows&) = delete;
  TXWindows& operator=(const TXWindows&) = delete;

  bool Connected() const { return display_ != nullptr; }
  // The window whose _NET_WM_NAME is title; 0 when there is none.
  unsigned long Find(const std::string& title);
  // Sends WM_DELETE_WINDOW, as a close button does.
  void Close(unsigned long window);

 private:
  void* display_ = nullptr;
};

}  // namespace lumigram::testing
