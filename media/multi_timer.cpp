#include "media/multi_timer.h"

#include <algorithm>

namespace lumigram {

TMultiTimer::TMultiTimer(TGuiDispatcher& dispatcher, TTickClock clock)
    : clock_(std::move(clock)), base_(dispatcher) {
  base_.SetInterval(kIdleInterval);
  base_.SetOnTimer([this](TFastTimer&) { Tick(); });
}

TMultiTimer::~TMultiTimer() {
  *alive_ = false;
}

int TMultiTimer::AddChannel(const void* owner, int interval, bool enabled, TChannelEvent handler) {
  auto free = std::find_if(channels_.begin(), channels_.end(),
                           [](const TChannel& c) { return c.state == TChannelState::Free; });
  if (free == channels_.end()) return -1;
  int index = int(free - channels_.begin());
  TChannel& channel = *free;
  channel.state = TChannelState::Reserved;
  channel.owner = owner;
  channel.handler = std::move(handler);
  channel.interval = std::max(interval, 0);
  channel.enabled = enabled;
  channel.last_tick = clock_();
  channel.state = TChannelState::InUse;
  if (index > highest_) FindHighest();
  UpdateBasePeriod();
  return index;
}

void TMultiTimer::SetChannelEnabled(int index, bool enabled) {
  TChannel* channel = InUse(index);
  if (!channel || channel->enabled == enabled) return;
  channel->enabled = enabled;
  UpdateBasePeriod();
}

void TMultiTimer::SetChannelInterval(int index, int milliseconds) {
  TChannel* channel = InUse(index);
  milliseconds = std::max(milliseconds, 0);
  if (!channel || channel->interval == milliseconds) return;
  channel->interval = milliseconds;
  UpdateBasePeriod();
}

void TMultiTimer::RemoveChannel(int index) {
  TChannel* channel = InUse(index);
  if (!channel) return;
  // A handler removing its own channel runs from a copy (see Tick).
  channel->handler = nullptr;
  channel->owner = nullptr;
  channel->interval = kIdleInterval;
  channel->enabled = false;
  channel->state = TChannelState::Free;
  if (index == highest_) FindHighest();
  UpdateBasePeriod();
}

void TMultiTimer::RemoveOwner(const void* owner, bool all) {
  for (int i = 0; i <= highest_; ++i) {
    if (channels_[i].state != TChannelState::InUse || channels_[i].owner != owner) continue;
    RemoveChannel(i);
    if (!all) return;
  }
}

void TMultiTimer::Tick() {
  std::shared_ptr<bool> alive = alive_;
  int64_t now = clock_();
  // highest_ is read afresh each time: handlers may add or remove channels.
  for (int i = 0; i <= highest_; ++i) {
    TChannel& channel = channels_[i];
    if (channel.state != TChannelState::InUse || now - channel.last_tick < channel.interval)
      continue;
    // A disabled channel keeps its last tick current without firing.
    channel.last_tick = now;
    if (!channel.enabled || !channel.handler) continue;
    TChannelEvent handler = channel.handler;
    try {
      handler(channel.owner, *this);
    } catch (...) {
      // One failing handler must not starve the channels after it.
    }
    if (!*alive) return;
  }
}

TMultiTimer::TChannelState TMultiTimer::ChannelState(int index) const {
  if (index < 0 || index >= kChannelCount) return TChannelState::Free;
  return channels_[index].state;
}

int TMultiTimer::ChannelInterval(int index) const {
  if (index < 0 || index >= kChannelCount) return kIdleInterval;
  return channels_[index].interval;
}

bool TMultiTimer::ChannelEnabled(int index) const {
  if (index < 0 || index >= kChannelCount) return false;
  return channels_[index].enabled;
}

TMultiTimer::TChannel* TMultiTimer::InUse(int index) {
  if (index < 0 || index >= kChannelCount) return nullptr;
  TChannel& channel = channels_[index];
  return channel.state == TChannelState::InUse ? &channel : nullptr;
}

void TMultiTimer::FindHighest() {
  highest_ = kChannelCount - 1;
  while (highest_ >= 0 && channels_[highest_].state == TChannelState::Free) --highest_;
}

void TMultiTimer::UpdateBasePeriod() {
  int period = kIdleInterval;
  for (int i = 0; i <= highest_; ++i) {
    const TChannel& channel = channels_[i];
    if (channel.state == TChannelState::InUse && channel.enabled && channel.handler)
      period = std::min(period, channel.interval);
  }
  period = std::clamp(period, 1, kIdleInterval);
  if (base_.Interval() != period) base_.SetInterval(period);
}

}  // namespace lumigram
