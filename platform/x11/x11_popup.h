#pragma once
// The card's popup menu on Xlib: a window of our own drawing that holds the
// pointer and the keyboard while it is open, so a click anywhere else closes
// it. Track runs a loop of its own until the menu closes.
//
// Mouse: the highlight follows the pointer; releasing any of the three
// buttons over an item chooses it, also at the end of a drag that began
// before the menu opened; pressing outside closes the menu. Keys: Up, Down,
// Home, End, Enter, Esc and the marked letters. When another program holds
// the pointer or the keyboard, the menu does not open and Track answers -1.

#include <X11/Xlib.h>

#include <memory>

#include "card/card_platform.h"
#include "platform/x11/popup_model.h"
#include "platform/x11/x11_app.h"
#include "platform/x11/x11_picture.h"

namespace lumigram {

class TX11Popup final : public TCardPopup, private TX11EventTarget {
 public:
  explicit TX11Popup(TX11App& app) : app_(app) {}
  ~TX11Popup() override;

  int Track(const std::vector<TPopupItem>& items, int x, int y) override;

  // The menu's window while Track runs, else 0.
  Window XWindow() const { return window_; }
  // The sizes of the menu's rows in the interface font.
  static TPopupMetrics Metrics();

 private:
  void HandleEvent(XEvent& event) override;
  void Key(XKeyEvent& event);
  void Close(int row);
  void Paint();
  bool Grab();
  void Release();

  TX11App& app_;
  std::unique_ptr<TPopupModel> model_;
  std::unique_ptr<TX11Picture> picture_;
  Window window_ = 0;
  GC gc_ = nullptr;
  bool done_ = false;
  int chosen_ = -1;
};

}  // namespace lumigram
