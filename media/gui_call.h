#pragma once
// One worker thread's blocking calls into the GUI thread. The worker hands
// work to the GUI thread and waits until it has returned; its owner can cancel
// a call that has not started yet, so that the GUI thread, when it destroys the
// owner, never waits for a worker that in turn waits for the GUI thread.

#include <functional>
#include <memory>

#include "media/gui_dispatcher.h"

namespace lumigram {

class TGuiCall {
 public:
  // The dispatcher must outlive every Run.
  explicit TGuiCall(TGuiDispatcher& dispatcher);
  ~TGuiCall();
  TGuiCall(const TGuiCall&) = delete;
  TGuiCall& operator=(const TGuiCall&) = delete;

  // Worker side, one call at a time: runs work on the GUI thread and waits
  // until it has returned. False when work did not run: the call was
  // cancelled, or the GUI side refused or dropped it. Exceptions from work
  // stop at the GUI side.
  bool Run(std::function<void()> work);

  // Any thread: cancels the waiting call and every later one. A call already
  // running on another thread is waited for. Answers true when the call is
  // running on the calling thread itself, that is the caller is inside the
  // work; that call finishes only after the caller returns.
  bool Cancel();

  bool Cancelled() const;

 private:
  struct TState;
  class TTicket;
  TGuiDispatcher& dispatcher_;
  std::shared_ptr<TState> state_;
};

}  // namespace lumigram
