#include "media/multi_timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>

#include "tests/support/loop_dispatcher.h"
#include "tests/support/watchdog.h"

namespace lumigram {
namespace {

using namespace std::chrono_literals;
using testing::FinishesWithin;
using testing::TLoopDispatcher;
using State = TMultiTimer::TChannelState;

// Channels measured with a clock the test moves; rounds run by hand.
class MultiTimerTest : public ::testing::Test {
 protected:
  TMultiTimer::TChannelEvent Count(int& fired) {
    return [&fired](const void*, TMultiTimer&) { ++fired; };
  }
  void Advance(int64_t milliseconds) {
    now_ += milliseconds;
    timer_.Tick();
  }

  TLoopDispatcher loop_;
  int64_t now_ = 0;
  TMultiTimer timer_{loop_, [this] { return now_; }};
  int owner_a_ = 0, owner_b_ = 0;
};

TEST_F(MultiTimerTest, TakesTheLowestFreeChannelUpToCapacity) {
  EXPECT_EQ(timer_.HighestIndex(), -1);
  for (int i = 0; i < TMultiTimer::kChannelCount; ++i)
    ASSERT_EQ(timer_.AddChannel(&owner_a_, 100, true, nullptr), i);
  EXPECT_EQ(timer_.AddChannel(&owner_a_, 100, true, nullptr), -1);
  EXPECT_EQ(timer_.HighestIndex(), 999);

  timer_.RemoveChannel(500);
  EXPECT_EQ(timer_.ChannelState(500), State::Free);
  EXPECT_EQ(timer_.ChannelInterval(500), 10000);
  EXPECT_EQ(timer_.AddChannel(&owner_b_, 100, true, nullptr), 500);

  timer_.RemoveChannel(999);
  timer_.RemoveChannel(998);
  EXPECT_EQ(timer_.HighestIndex(), 997);
  EXPECT_EQ(timer_.AddChannel(&owner_a_, 100, true, nullptr), 998);
  EXPECT_EQ(timer_.HighestIndex(), 998);
}

TEST_F(MultiTimerTest, RemovesAnOwnersLowestChannelOrAllOfThem) {
  for (const int* owner : {&owner_a_, &owner_b_, &owner_a_, &owner_b_, &owner_a_})
    timer_.AddChannel(owner, 100, true, nullptr);
  timer_.RemoveOwner(&owner_a_, false);
  EXPECT_EQ(timer_.ChannelState(0), State::Free);
  EXPECT_EQ(timer_.ChannelState(2), State::InUse);
  timer_.RemoveOwner(&owner_a_, true);
  EXPECT_EQ(timer_.ChannelState(2), State::Free);
  EXPECT_EQ(timer_.ChannelState(4), State::Free);
  EXPECT_EQ(timer_.HighestIndex(), 3);
  EXPECT_EQ(timer_.ChannelState(1), State::InUse);
  EXPECT_EQ(timer_.ChannelState(3), State::InUse);
}

TEST_F(MultiTimerTest, BasePeriodFollowsTheShortestLiveChannel) {
  int fired = 0;
  EXPECT_EQ(timer_.BasePeriod(), 10000);
  int slow = timer_.AddChannel(&owner_a_, 500, true, Count(fired));
  int fast = timer_.AddChannel(&owner_a_, 100, true, Count(fired));
  timer_.AddChannel(&owner_a_, 20, true, nullptr);        // no handler: does not count
  timer_.AddChannel(&owner_a_, 30, false, Count(fired));  // disabled: does not count
  EXPECT_EQ(timer_.BasePeriod(), 100);
  timer_.SetChannelEnabled(fast, false);
  EXPECT_EQ(timer_.BasePeriod(), 500);
  timer_.SetChannelEnabled(3, true);
  EXPECT_EQ(timer_.BasePeriod(), 30);
  timer_.SetChannelInterval(slow, 0);
  EXPECT_EQ(timer_.BasePeriod(), 1);
  timer_.SetChannelInterval(slow, -5);
  EXPECT_EQ(timer_.ChannelInterval(slow), 0);
  timer_.RemoveOwner(&owner_a_, true);
  EXPECT_EQ(timer_.BasePeriod(), 10000);

  // Out of range or free channels are left alone.
  timer_.SetChannelEnabled(-1, true);
  timer_.SetChannelInterval(1000, 5);
  timer_.RemoveChannel(7);
  EXPECT_EQ(timer_.HighestIndex(), -1);
  EXPECT_EQ(timer_.BasePeriod(), 10000);
}

TEST_F(MultiTimerTest, FiresEachChannelAtItsOwnInterval) {
  int fast = 0, slow = 0;
  const void* data = nullptr;
  TMultiTimer* sender = nullptr;
  timer_.AddChannel(&owner_a_, 100, true, Count(fast));
  timer_.AddChannel(&owner_b_, 500, true, [&](const void* d, TMultiTimer& s) {
    ++slow;
    data = d;
    sender = &s;
  });
  for (int i = 0; i < 50; ++i) Advance(100);
  EXPECT_EQ(fast, 50);
  EXPECT_EQ(slow, 10);
  EXPECT_EQ(data, &owner_b_);
  EXPECT_EQ(sender, &timer_);
}

TEST_F(MultiTimerTest, DisabledChannelKeepsItsLastTickCurrent) {
  int fired = 0;
  int channel = timer_.AddChannel(&owner_a_, 100, false, Count(fired));
  Advance(100);
  Advance(100);
  timer_.SetChannelEnabled(channel, true);
  Advance(60);  // 60 ms after its last (silent) tick
  EXPECT_EQ(fired, 0);
  Advance(40);
  EXPECT_EQ(fired, 1);
}

TEST_F(MultiTimerTest, HandlersMayRemoveAndAddChannelsDuringARound) {
  int fired = 0, added = -1;
  timer_.AddChannel(&owner_a_, 100, true, [&](const void*, TMultiTimer& sender) {
    ++fired;
    sender.RemoveChannel(0);  // itself
    sender.RemoveChannel(1);
    added = sender.AddChannel(&owner_b_, 100, true, Count(fired));
  });
  timer_.AddChannel(&owner_a_, 100, true, Count(fired));
  Advance(100);
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(added, 0);
  Advance(100);
  EXPECT_EQ(fired, 2);
}

TEST(MultiTimerLifetimeTest, HandlerMayDestroyTheMultiTimer) {
  auto scenario = [] {
    TLoopDispatcher loop;
    int first = 0, second = 0;
    auto timer = std::make_unique<TMultiTimer>(loop);
    timer->AddChannel(nullptr, 5, true, [&](const void*, TMultiTimer&) {
      ++first;
      timer.reset();
    });
    timer->AddChannel(nullptr, 5, true, [&](const void*, TMultiTimer&) { ++second; });
    ASSERT_TRUE(loop.RunUntil([&] { return !timer; }, 10s));
    loop.RunFor(50ms);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
  };
  EXPECT_TRUE(FinishesWithin(20s, scenario));
}

TEST(MultiTimerLifetimeTest, ChannelsOf100And500MillisecondsFireInProportion) {
  auto scenario = [] {
    TLoopDispatcher loop;
    TMultiTimer timer(loop);
    int fast = 0, slow = 0;
    timer.AddChannel(nullptr, 100, true, [&](const void*, TMultiTimer&) { ++fast; });
    timer.AddChannel(nullptr, 500, true, [&](const void*, TMultiTimer&) { ++slow; });
    ASSERT_TRUE(loop.RunUntil([&] { return slow >= 2; }, 20s));
    // About 10; fewer when the machine stalls, never many more: the base timer
    // ticks at most every 101 ms.
    EXPECT_GE(fast, 3);
    EXPECT_LE(fast, 12);
  };
  EXPECT_TRUE(FinishesWithin(30s, scenario));
}

}  // namespace
}  // namespace lumigram
