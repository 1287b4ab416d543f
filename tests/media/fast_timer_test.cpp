#include "media/fast_timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/loop_dispatcher.h"
#include "tests/support/watchdog.h"

namespace lumigram {
namespace {

using namespace std::chrono_literals;
using std::chrono::steady_clock;
using testing::FinishesWithin;
using testing::TLoopDispatcher;

// Each scenario runs on its own thread, which plays the GUI thread.
constexpr auto kLimit = 20s;
// Long enough for a stray tick of a 10 ms timer to show up.
constexpr auto kQuietPeriod = 150ms;

struct Counter {
  int ticks = 0;
  TFastTimer::TTimerEvent Handler() {
    return [this](TFastTimer&) { ++ticks; };
  }
  std::function<bool()> Reached(int count) {
    return [this, count] { return ticks >= count; };
  }
};

TEST(FastTimerTest, StartsWithItsDefaultsAndStoresNegativeIntervalsAsZero) {
  TLoopDispatcher loop;
  TFastTimer timer(loop);
  EXPECT_EQ(timer.Interval(), 1000);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_FALSE(timer.HasOnTimer());
  timer.SetInterval(-5);
  EXPECT_EQ(timer.Interval(), 0);
}

TEST(FastTimerTest, TicksOnTheLoopThreadNeverEarlyNorOverlapping) {
  auto scenario = [] {
    TLoopDispatcher loop;
    TFastTimer timer(loop);
    timer.SetInterval(10);
    auto loop_thread = std::this_thread::get_id();
    std::vector<steady_clock::time_point> starts, ends;
    timer.SetOnTimer([&](TFastTimer& sender) {
      EXPECT_EQ(&sender, &timer);
      EXPECT_EQ(std::this_thread::get_id(), loop_thread);
      starts.push_back(steady_clock::now());
      std::this_thread::sleep_for(3ms);
      ends.push_back(steady_clock::now());
    });
    ASSERT_TRUE(loop.RunUntil([&] { return ends.size() >= 5; }, 10s));
    // Counted from the end of the previous tick: more than Interval whole ms.
    for (size_t i = 1; i < starts.size(); ++i) EXPECT_GE(starts[i] - ends[i - 1], 11ms);
  };
  EXPECT_TRUE(FinishesWithin(kLimit, scenario));
}

TEST(FastTimerTest, StopsWhenDisabledOrIntervalNotPositiveAndResumes) {
  auto scenario = [] {
    TLoopDispatcher loop;
    TFastTimer timer(loop);
    timer.SetInterval(10);
    Counter counter;
    timer.SetOnTimer(counter.Handler());
    ASSERT_TRUE(loop.RunUntil(counter.Reached(2), 10s));

    // Switched off while a tick may already be queued: nothing more arrives.
    timer.SetEnabled(false);
    int before = counter.ticks;
    loop.RunFor(kQuietPeriod);
    EXPECT_EQ(counter.ticks, before);
    timer.SetEnabled(true);
    ASSERT_TRUE(loop.RunUntil(counter.Reached(before + 2), 10s));

    for (int stop : {0, -5}) {
      timer.SetInterval(stop);
      before = counter.ticks;
      loop.RunFor(kQuietPeriod);
      EXPECT_EQ(counter.ticks, before) << stop;
      timer.SetInterval(10);
      ASSERT_TRUE(loop.RunUntil(counter.Reached(before + 2), 10s)) << stop;
    }
  };
  EXPECT_TRUE(FinishesWithin(kLimit, scenario));
}

TEST(FastTimerTest, WaitsForAHandlerAndForAShorterIntervalWithoutSleepingOutTheOldOne) {
  auto scenario = [] {
    TLoopDispatcher loop;
    TFastTimer timer(loop);
    timer.SetInterval(10);
    EXPECT_FALSE(loop.WaitForPending(1, kQuietPeriod));  // no handler, no tick
    Counter counter;
    timer.SetOnTimer(counter.Handler());
    ASSERT_TRUE(loop.RunUntil(counter.Reached(1), 10s));

    timer.SetInterval(100000);
    int before = counter.ticks;
    loop.RunFor(kQuietPeriod);
    EXPECT_EQ(counter.ticks, before);
    timer.SetInterval(10);
    EXPECT_TRUE(loop.RunUntil(counter.Reached(before + 1), 10s));
  };
  EXPECT_TRUE(FinishesWithin(kLimit, scenario));
}

TEST(FastTimerTest, DestroyingWhileATickIsQueuedNeitherHangsNorTicksLater) {
  auto scenario = [] {
    TLoopDispatcher loop;
    Counter counter;
    auto timer = std::make_unique<TFastTimer>(loop);
    timer->SetInterval(5);
    timer->SetOnTimer(counter.Handler());
    ASSERT_TRUE(loop.WaitForPending(1, 10s));
    timer.reset();  // on the loop thread, with the worker waiting for it
    loop.RunPending();
    loop.RunFor(kQuietPeriod);
    EXPECT_EQ(counter.ticks, 0);
  };
  EXPECT_TRUE(FinishesWithin(kLimit, scenario));
}

TEST(FastTimerTest, SurvivesALoopThatDropsItsTicks) {
  auto scenario = [] {
    TLoopDispatcher loop;
    Counter counter;
    auto timer = std::make_unique<TFastTimer>(loop);
    timer->SetInterval(5);
    timer->SetOnTimer(counter.Handler());
    ASSERT_TRUE(loop.WaitForPending(1, 10s));
    loop.Shutdown();
    std::this_thread::sleep_for(30ms);  // the worker goes on, refused each time
    timer.reset();
    EXPECT_EQ(counter.ticks, 0);
  };
  EXPECT_TRUE(FinishesWithin(kLimit, scenario));
}

TEST(FastTimerTest, HandlerMayDestroyItsOwnTimer) {
  auto scenario = [] {
    TLoopDispatcher loop;
    int ticks = 0;
    auto timer = std::make_unique<TFastTimer>(loop);
    timer->SetInterval(5);
    timer->SetOnTimer([&](TFastTimer&) {
      ++ticks;
      timer.reset();
    });
    ASSERT_TRUE(loop.RunUntil([&] { return !timer; }, 10s));
    loop.RunFor(kQuietPeriod);
    EXPECT_EQ(ticks, 1);
  };
  EXPECT_TRUE(FinishesWithin(kLimit, scenario));
}

TEST(FastTimerTest, HandlerMayReplaceItselfAndStopItsTimer) {
  auto scenario = [] {
    TLoopDispatcher loop;
    TFastTimer timer(loop);
    timer.SetInterval(5);
    int ticks = 0;
    auto note = std::make_shared<std::string>("captured");
    timer.SetOnTimer([&, note](TFastTimer& sender) {
      ++ticks;
      sender.SetOnTimer([&](TFastTimer& again) {
        ++ticks;
        if (ticks == 2) again.SetInterval(0);
        if (ticks == 3) again.SetEnabled(false);
      });
      EXPECT_EQ(*note, "captured");  // the replaced handler is still whole
    });
    ASSERT_TRUE(loop.RunUntil([&] { return ticks >= 2; }, 10s));
    loop.RunFor(kQuietPeriod);
    EXPECT_EQ(ticks, 2);
    timer.SetInterval(5);
    ASSERT_TRUE(loop.RunUntil([&] { return ticks >= 3; }, 10s));
    loop.RunFor(kQuietPeriod);
    EXPECT_EQ(ticks, 3);
  };
  EXPECT_TRUE(FinishesWithin(kLimit, scenario));
}

}  // namespace
}  // namespace lumigram
