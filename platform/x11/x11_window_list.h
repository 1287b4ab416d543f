#pragma once
// Which object handles the events of which window: a fixed table, so a
// program that keeps making windows runs out of slots, not of memory.

#include <X11/Xlib.h>

#include <array>

namespace lumigram {

class TX11EventTarget {
 public:
  virtual void HandleEvent(XEvent& event) = 0;

 protected:
  ~TX11EventTarget() = default;
};

class TX11WindowList {
 public:
  static constexpr int kCapacity = 1000;

  // Replaces the target of a known window, else adds the window. False when
  // all slots are taken by other windows.
  bool Register(Window window, TX11EventTarget* target);
  void Unregister(Window window);
  // nullptr for a window that is not registered.
  TX11EventTarget* Find(Window window) const;
  int Count() const { return count_; }

 private:
  struct TEntry {
    Window Id = 0;
    TX11EventTarget* Target = nullptr;
  };
  int IndexOf(Window window) const;

  std::array<TEntry, kCapacity> entries_{};
  int count_ = 0;
};

}  // namespace lumigram
