#include "media/gui_call.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <stdexcept>
#include <thread>

#include "tests/support/loop_dispatcher.h"
#include "tests/support/watchdog.h"

namespace lumigram {
namespace {

using namespace std::chrono_literals;
using testing::FinishesWithin;
using testing::TLoopDispatcher;

// Each scenario runs on its own thread, which plays the GUI thread.
constexpr auto kLimit = 20s;

bool Ready(const std::future<bool>& result) {
  return result.wait_for(0s) == std::future_status::ready;
}

TEST(GuiCallTest, RunsWorkOnTheLoopThreadAndWaitsForIt) {
  auto scenario = [] {
    TLoopDispatcher loop;
    TGuiCall call(loop);
    std::thread::id ran_on;
    auto result = std::async(
        std::launch::async, [&] { return call.Run([&] { ran_on = std::this_thread::get_id(); }); });
    ASSERT_TRUE(loop.RunUntil([&] { return Ready(result); }, 10s));
    EXPECT_TRUE(result.get());
    EXPECT_EQ(ran_on, std::this_thread::get_id());

    // A throwing piece of work still releases its worker.
    result = std::async(std::launch::async,
                        [&] { return call.Run([] { throw std::runtime_error("x"); }); });
    ASSERT_TRUE(loop.RunUntil([&] { return Ready(result); }, 10s));
    EXPECT_TRUE(result.get());
  };
  EXPECT_TRUE(FinishesWithin(kLimit, scenario));
}

// Cancelling a queued call, a dropped call and a cancel from inside the work
// are exercised through TFastTimer.
TEST(GuiCallTest, CancelFromAnotherThreadWaitsForRunningWorkAndRefusesLaterCalls) {
  auto scenario = [] {
    TLoopDispatcher loop;
    TGuiCall call(loop);
    std::atomic<bool> started = false, cancelled = false, cancelled_early = false;
    auto worker = std::async(std::launch::async, [&] {
      return call.Run([&] {
        started = true;
        std::this_thread::sleep_for(50ms);  // time for a Cancel that does not wait to return
        cancelled_early = cancelled.load();
      });
    });
    auto canceller = std::async(std::launch::async, [&] {
      while (!started) std::this_thread::yield();
      call.Cancel();
      cancelled = true;
    });
    ASSERT_TRUE(loop.RunUntil([&] { return cancelled.load(); }, 10s));
    EXPECT_FALSE(cancelled_early);
    EXPECT_TRUE(worker.get());
    EXPECT_FALSE(call.Run([] {}));
    EXPECT_EQ(loop.PendingCount(), 0u);
  };
  EXPECT_TRUE(FinishesWithin(kLimit, scenario));
}

}  // namespace
}  // namespace lumigram
