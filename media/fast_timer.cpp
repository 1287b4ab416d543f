#include "media/fast_timer.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

#include "media/gui_call.h"

namespace lumigram {

using std::chrono::steady_clock;

// Everything the worker touches. The worker holds its own reference, so that a
// timer destroyed by its own handler can let the worker finish on its own.
struct TFastTimer::TShared {
  explicit TShared(TGuiDispatcher& dispatcher) : call(dispatcher) {}

  std::mutex mutex;
  std::condition_variable changed;
  int interval = kDefaultInterval;
  bool enabled = true;
  TTimerEvent on_timer;
  TFastTimer* timer = nullptr;  // null once the timer is being destroyed
  TGuiCall call;
};

TFastTimer::TFastTimer(TGuiDispatcher& dispatcher)
    : shared_(std::make_shared<TShared>(dispatcher)) {
  shared_->timer = this;
  worker_ = std::thread(&TFastTimer::Work, shared_);
}

TFastTimer::~TFastTimer() {
  TTimerEvent handler;
  {
    std::lock_guard lock(shared_->mutex);
    shared_->timer = nullptr;
    handler = std::move(shared_->on_timer);
    shared_->on_timer = nullptr;
  }
  shared_->changed.notify_all();
  // Releases a worker waiting for the GUI thread. When this very thread is
  // inside the tick, the worker can only go on once the tick returns, after
  // this destructor: it must not be waited for, and ends on its own.
  if (shared_->call.Cancel())
    worker_.detach();
  else
    worker_.join();
}

int TFastTimer::Interval() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->interval;
}

void TFastTimer::SetInterval(int milliseconds) {
  {
    std::lock_guard lock(shared_->mutex);
    shared_->interval = std::max(milliseconds, 0);
  }
  shared_->changed.notify_all();
}

bool TFastTimer::Enabled() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->enabled;
}

void TFastTimer::SetEnabled(bool enabled) {
  {
    std::lock_guard lock(shared_->mutex);
    shared_->enabled = enabled;
  }
  shared_->changed.notify_all();
}

void TFastTimer::SetOnTimer(TTimerEvent handler) {
  TTimerEvent old;
  {
    std::lock_guard lock(shared_->mutex);
    old = std::move(shared_->on_timer);
    shared_->on_timer = std::move(handler);
  }
  shared_->changed.notify_all();
  // The old handler's captures go here, outside the lock.
}

bool TFastTimer::HasOnTimer() const {
  std::lock_guard lock(shared_->mutex);
  return bool(shared_->on_timer);
}

// Waits for the next due time instead of polling: every change of the
// settings, and the end, wakes the worker to compare again.
void TFastTimer::Work(std::shared_ptr<TShared> shared) {
  std::unique_lock lock(shared->mutex);
  auto start = steady_clock::now();
  while (shared->timer) {
    if (!shared->enabled || shared->interval <= 0 || !shared->on_timer) {
      shared->changed.wait(lock);
      continue;
    }
    // The tick is due once more than Interval whole milliseconds have passed.
    auto due = start + std::chrono::milliseconds(int64_t(shared->interval) + 1);
    if (steady_clock::now() < due) {
      shared->changed.wait_until(lock, due);
      continue;
    }
    lock.unlock();
    shared->call.Run([shared] { Tick(shared); });
    lock.lock();
    start = steady_clock::now();
  }
}

// On the GUI thread. A tick that was queued before the timer was switched off
// is skipped. The handler runs from a copy, so that it may replace itself or
// destroy its timer.
void TFastTimer::Tick(const std::shared_ptr<TShared>& shared) {
  TTimerEvent handler;
  TFastTimer* timer;
  {
    std::lock_guard lock(shared->mutex);
    timer = shared->timer;
    if (!timer || !shared->enabled || shared->interval <= 0 || !shared->on_timer) return;
    handler = shared->on_timer;
  }
  handler(*timer);
}

}  // namespace lumigram
