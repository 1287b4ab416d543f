#pragma once
// A timer with a fine period: a worker thread waits until the next tick is due
// and runs OnTimer on the GUI thread, waiting until it returns. Ticks come at
// least Interval + 1 ms apart, measured from the end of the previous handler
// run, and never overlap.
//
// Create, change and destroy a timer on the GUI thread. Destroying it never
// waits for a tick that is queued for the GUI thread: that tick is cancelled.
// A handler may change its own timer or destroy it.

#include <functional>
#include <memory>
#include <thread>

#include "media/gui_dispatcher.h"

namespace lumigram {

class TFastTimer {
 public:
  using TTimerEvent = std::function<void(TFastTimer& sender)>;

  static constexpr int kDefaultInterval = 1000;

  // Starts the worker at once: interval 1000 ms, enabled, no handler. The
  // dispatcher must outlive the timer.
  explicit TFastTimer(TGuiDispatcher& dispatcher);
  // Stops the worker before anything else goes; no tick arrives afterwards.
  ~TFastTimer();
  TFastTimer(const TFastTimer&) = delete;
  TFastTimer& operator=(const TFastTimer&) = delete;

  // Milliseconds; negative values are stored as 0, and 0 stops ticking. A
  // change takes effect at once, counted from the previous tick.
  int Interval() const;
  void SetInterval(int milliseconds);

  bool Enabled() const;
  void SetEnabled(bool enabled);

  void SetOnTimer(TTimerEvent handler);
  bool HasOnTimer() const;

 private:
  struct TShared;
  static void Work(std::shared_ptr<TShared> shared);
  static void Tick(const std::shared_ptr<TShared>& shared);

  std::shared_ptr<TShared> shared_;
  std::thread worker_;
};

}  // namespace lumigram
