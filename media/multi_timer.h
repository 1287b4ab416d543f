#pragma once
// Up to 1000 periodic channels of different intervals over one TFastTimer:
// the base timer ticks at the shortest interval in use, and each tick fires
// the channels whose interval has passed since they last fired.
//
// Everything here runs on the GUI thread, the handlers included, so nothing
// is locked. A handler may add, change or remove channels, or destroy the
// multi-timer itself.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "media/fast_timer.h"
#include "media/gui_dispatcher.h"
#include "media/millisecond_tick.h"

namespace lumigram {

class TMultiTimer {
 public:
  // data is the owner that added the channel.
  using TChannelEvent = std::function<void(const void* data, TMultiTimer& sender)>;
  using TTickClock = std::function<int64_t()>;

  static constexpr int kChannelCount = 1000;
  // The interval of a free channel, and the longest base period.
  static constexpr int kIdleInterval = 10000;

  enum class TChannelState { Free = 0, Reserved = 1, InUse = 2 };

  // The dispatcher must outlive the multi-timer; clock gives the millisecond
  // tick the channels are measured with.
  explicit TMultiTimer(TGuiDispatcher& dispatcher, TTickClock clock = MillisecondTick);
  ~TMultiTimer();
  TMultiTimer(const TMultiTimer&) = delete;
  TMultiTimer& operator=(const TMultiTimer&) = delete;

  // Takes the lowest free channel and starts measuring its interval now.
  // Answers its index, or -1 when all channels are in use. Negative intervals
  // are stored as 0 (fires on every base tick).
  int AddChannel(const void* owner, int interval, bool enabled, TChannelEvent handler);
  // These three do nothing for an index out of range or a channel not in use.
  void SetChannelEnabled(int index, bool enabled);
  void SetChannelInterval(int index, int milliseconds);
  void RemoveChannel(int index);
  // Removes the owner's channels, or only its lowest one unless all.
  void RemoveOwner(const void* owner, bool all);

  // One round over the channels; the base timer runs it on every tick.
  void Tick();

  // The highest channel that is not free, -1 when none.
  int HighestIndex() const { return highest_; }
  // The base timer's interval: the shortest interval of the enabled channels
  // in use that have a handler, within 1 to 10000 ms.
  int BasePeriod() const { return base_.Interval(); }
  TChannelState ChannelState(int index) const;
  int ChannelInterval(int index) const;
  bool ChannelEnabled(int index) const;

 private:
  struct TChannel {
    const void* owner = nullptr;
    TChannelEvent handler;
    int interval = kIdleInterval;
    bool enabled = false;
    TChannelState state = TChannelState::Free;
    int64_t last_tick = 0;
  };

  TChannel* InUse(int index);
  void FindHighest();
  void UpdateBasePeriod();

  TTickClock clock_;
  std::array<TChannel, kChannelCount> channels_;
  int highest_ = -1;
  // Lets a round notice that a handler destroyed the multi-timer.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  // Last, so that it stops first: no round runs over freed channels.
  TFastTimer base_;
};

}  // namespace lumigram
