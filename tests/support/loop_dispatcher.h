#pragma once
// A stand-in for the GUI thread's event loop: work posted from other threads
// waits in a queue until the test's own thread runs it.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "media/gui_dispatcher.h"

namespace lumigram::testing {

class TLoopDispatcher : public TGuiDispatcher {
 public:
  TLoopDispatcher() = default;
  ~TLoopDispatcher() override { Shutdown(); }

  bool PostToGuiThread(std::function<void()> work) override {
    std::lock_guard lock(mutex_);
    if (shut_down_) return false;
    queue_.push_back(std::move(work));
    arrived_.notify_all();
    return true;
  }

  // Runs the work queued so far, not what that work queues in turn. Answers
  // how many ran.
  int RunPending() {
    std::deque<std::function<void()>> batch;
    {
      std::lock_guard lock(mutex_);
      batch.swap(queue_);
    }
    int count = 0;
    for (auto& work : batch) {
      work();
      ++count;
    }
    return count;
  }

  // Runs work as it arrives until done() holds or the timeout passes; answers
  // done(). done is checked after every piece of work.
  template <class Rep, class Period>
  bool RunUntil(const std::function<bool()>& done, std::chrono::duration<Rep, Period> timeout) {
    auto deadline = std::chrono::steady_clock::now() +
                    std::chrono::duration_cast<std::chrono::steady_clock::duration>(timeout);
    while (!done()) {
      std::function<void()> work;
      {
        std::unique_lock lock(mutex_);
        // Wakes now and then as well, for conditions other threads change.
        auto until = std::min(deadline, std::chrono::steady_clock::now() + kRecheck);
        arrived_.wait_until(lock, until, [this] { return !queue_.empty(); });
        if (queue_.empty()) {
          if (std::chrono::steady_clock::now() >= deadline) return done();
          continue;
        }
        work = std::move(queue_.front());
        queue_.pop_front();
      }
      work();
    }
    return true;
  }

  // Runs work for the whole period; for counting what arrives in it.
  template <class Rep, class Period>
  void RunFor(std::chrono::duration<Rep, Period> period) {
    RunUntil([] { return false; }, period);
  }

  // Waits, without running anything, until at least count pieces are queued.
  template <class Rep, class Period>
  bool WaitForPending(size_t count, std::chrono::duration<Rep, Period> timeout) {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, timeout, [&] { return queue_.size() >= count; });
  }

  size_t PendingCount() {
    std::lock_guard lock(mutex_);
    return queue_.size();
  }

  // Refuses further work and drops what is queued, unrun, as a closing event
  // loop does.
  void Shutdown() {
    std::deque<std::function<void()>> dropped;
    std::lock_guard lock(mutex_);
    shut_down_ = true;
    dropped.swap(queue_);
    // dropped goes after the lock: dropping work may take other locks.
  }

 private:
  static constexpr std::chrono::milliseconds kRecheck{10};

  std::mutex mutex_;
  std::condition_variable arrived_;
  std::deque<std::function<void()>> queue_;
  bool shut_down_ = false;
};

}  // namespace lumigram::testing
