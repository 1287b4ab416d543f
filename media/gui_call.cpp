#include "media/gui_call.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace lumigram {

namespace {

enum class TPhase { Idle, Queued, Running, Finished, Dropped };

}  // namespace

struct TGuiCall::TState {
  std::mutex mutex;
  std::condition_variable done;
  TPhase phase = TPhase::Idle;
  uint64_t serial = 0;  // of the call in flight; tickets of older calls are stale
  bool cancelled = false;
  std::thread::id runner;
};

// What travels to the GUI thread. Shared by every copy the dispatcher makes;
// when the last copy goes without having run, the waiting worker is released.
class TGuiCall::TTicket {
 public:
  TTicket(std::shared_ptr<TState> state, uint64_t serial, std::function<void()> work)
      : state_(std::move(state)), serial_(serial), work_(std::move(work)) {}
  ~TTicket() {
    std::lock_guard lock(state_->mutex);
    if (state_->serial == serial_ && state_->phase == TPhase::Queued) {
      state_->phase = TPhase::Dropped;
      state_->done.notify_all();
    }
  }
  TTicket(const TTicket&) = delete;
  TTicket& operator=(const TTicket&) = delete;

  void Execute() {
    {
      std::lock_guard lock(state_->mutex);
      if (state_->cancelled || state_->serial != serial_ || state_->phase != TPhase::Queued) return;
      state_->phase = TPhase::Running;
      state_->runner = std::this_thread::get_id();
    }
    try {
      work_();
    } catch (...) {
      // A failing tick must not leave its worker waiting.
    }
    std::lock_guard lock(state_->mutex);
    state_->phase = TPhase::Finished;
    state_->runner = std::thread::id();
    state_->done.notify_all();
  }

 private:
  std::shared_ptr<TState> state_;
  uint64_t serial_;
  std::function<void()> work_;
};

TGuiCall::TGuiCall(TGuiDispatcher& dispatcher)
    : dispatcher_(dispatcher), state_(std::make_shared<TState>()) {}

TGuiCall::~TGuiCall() {
  Cancel();
}

bool TGuiCall::Run(std::function<void()> work) {
  std::shared_ptr<TTicket> ticket;
  {
    std::lock_guard lock(state_->mutex);
    if (state_->cancelled) return false;
    state_->phase = TPhase::Queued;
    ticket = std::make_shared<TTicket>(state_, ++state_->serial, std::move(work));
  }
  bool posted = false;
  try {
    posted = dispatcher_.PostToGuiThread([ticket] { ticket->Execute(); });
  } catch (...) {
    posted = false;
  }
  // From here the dispatcher's copies alone decide when the ticket goes.
  ticket.reset();
  std::unique_lock lock(state_->mutex);
  if (posted) {
    state_->done.wait(lock, [this] {
      return state_->phase == TPhase::Finished || state_->phase == TPhase::Dropped ||
             (state_->cancelled && state_->phase == TPhase::Queued);
    });
  }
  bool ran = state_->phase == TPhase::Finished;
  state_->phase = TPhase::Idle;
  return ran;
}

bool TGuiCall::Cancel() {
  std::unique_lock lock(state_->mutex);
  state_->cancelled = true;
  state_->done.notify_all();
  if (state_->phase != TPhase::Running) return false;
  if (state_->runner == std::this_thread::get_id()) return true;
  state_->done.wait(lock, [this] { return state_->phase != TPhase::Running; });
  return false;
}

bool TGuiCall::Cancelled() const {
  std::lock_guard lock(state_->mutex);
  return state_->cancelled;
}

}  // namespace lumigram
