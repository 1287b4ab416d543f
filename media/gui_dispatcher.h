#pragma once
// What the timers need from a front end: a way to hand work to the GUI thread.
// The creator implements it with a queued call into its Qt event loop, the
// viewer with a request through its message pump's wake-up descriptor, the
// tests with a loop they run themselves. Waiting for the work and cancelling
// it are done once, in TGuiCall, on top of this.

#include <functional>

namespace lumigram {

class TGuiDispatcher {
 public:
  virtual ~TGuiDispatcher() = default;

  // Queues work to run once on the GUI thread and returns at once; called from
  // any thread but the GUI thread. Answers false when the GUI side is shutting
  // down: work is then dropped unrun. Queued work that the GUI side discards
  // instead of running must simply be destroyed; its owner notices.
  virtual bool PostToGuiThread(std::function<void()> work) = 0;
};

}  // namespace lumigram
