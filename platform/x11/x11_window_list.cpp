#include "platform/x11/x11_window_list.h"

namespace lumigram {

int TX11WindowList::IndexOf(Window window) const {
  for (int i = 0; i < count_; ++i)
    if (entries_[i].Id == window) return i;
  return -1;
}

bool TX11WindowList::Register(Window window, TX11EventTarget* target) {
  if (window == 0 || target == nullptr) return false;
  int index = IndexOf(window);
  if (index < 0) {
    if (count_ == kCapacity) return false;
    index = count_++;
  }
  entries_[index] = {window, target};
  return true;
}

void TX11WindowList::Unregister(Window window) {
  const int index = IndexOf(window);
  if (index < 0) return;
  // Order does not matter: windows are looked up by id.
  entries_[index] = entries_[--count_];
  entries_[count_] = {};
}

TX11EventTarget* TX11WindowList::Find(Window window) const {
  const int index = IndexOf(window);
  return index < 0 ? nullptr : entries_[index].Target;
}

}  // namespace lumigram
