#pragma once
// Calling an event handler that may be unset.

#include <utility>

namespace lumigram {

// Calls handler with args when it is set. It runs from a copy: the handler
// may replace or clear the very member it was called through.
template <class Handler, class... Args>
void Fire(const Handler& handler, Args&&... args) {
  if (!handler) return;
  const Handler call = handler;
  call(std::forward<Args>(args)...);
}

}  // namespace lumigram
