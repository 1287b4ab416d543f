#include <gtest/gtest.h>

#include <QApplication>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

#include "media/fast_timer.h"
#include "media/gui_call.h"
#include "platform/qt/qt_gui_dispatcher.h"
#include "tests/platform/qt/ui_driver.h"

namespace lumigram {
namespace {

using testing::TurnLoopUntil;

bool OnGuiThread() {
  return QThread::currentThread() == QApplication::instance()->thread();
}

// Counts what is posted, so a test can hold the GUI thread still until a
// worker is known to wait for it.
class TCountingDispatcher final : public TGuiDispatcher {
 public:
  explicit TCountingDispatcher(TGuiDispatcher& inner) : inner_(inner) {}
  bool PostToGuiThread(std::function<void()> work) override {
    const bool posted = inner_.PostToGuiThread(std::move(work));
    std::lock_guard lock(mutex_);
    ++posts_;
    changed_.notify_all();
    return posted;
  }
  // Waits without turning the loop.
  bool WaitForPosts(int count) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(testing::kPatienceMs),
                             [&] { return posts_ >= count; });
  }

 private:
  TGuiDispatcher& inner_;
  std::mutex mutex_;
  std::condition_variable changed_;
  int posts_ = 0;
};

// Ends the process when a scenario on the GUI thread hangs, which a deadlock
// would otherwise turn into a silent stall of the whole run.
class TDeadlockAlarm {
 public:
  TDeadlockAlarm()
      : watcher_([this] {
          std::unique_lock lock(mutex_);
          if (!changed_.wait_for(lock, std::chrono::milliseconds(testing::kPatienceMs),
                                 [this] { return disarmed_; })) {
            std::fprintf(stderr, "deadlock: the GUI thread never came back\n");
            std::abort();
          }
        }) {}
  ~TDeadlockAlarm() {
    {
      std::lock_guard lock(mutex_);
      disarmed_ = true;
    }
    changed_.notify_all();
    watcher_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool disarmed_ = false;
  std::thread watcher_;
};

TEST(QtGuiDispatcherTest, RunsWorkFromOtherThreadsOnTheGuiThreadInOrder) {
  TQtGuiDispatcher dispatcher;
  std::vector<int> order;
  std::atomic<bool> allOnGui{true};
  std::thread poster([&] {
    for (int i = 0; i < 50; ++i)
      EXPECT_TRUE(dispatcher.PostToGuiThread([&, i] {
        if (!OnGuiThread()) allOnGui = false;
        order.push_back(i);
      }));
  });
  poster.join();
  ASSERT_TRUE(TurnLoopUntil([&] { return order.size() == 50; }));
  EXPECT_TRUE(allOnGui);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(order[size_t(i)], i);

  // Posting from the GUI thread itself queues too, never runs at once.
  bool ran = false;
  ASSERT_TRUE(dispatcher.PostToGuiThread([&] { ran = true; }));
  EXPECT_FALSE(ran);
  ASSERT_TRUE(TurnLoopUntil([&] { return ran; }));
}

TEST(QtGuiDispatcherTest, ShutdownDropsQueuedWorkUnrunAndRefusesMore) {
  TQtGuiDispatcher dispatcher;
  auto token = std::make_shared<int>(0);
  std::weak_ptr<int> watch = token;
  bool ran = false;
  ASSERT_TRUE(dispatcher.PostToGuiThread([&ran, token] { ran = true; }));
  token.reset();
  dispatcher.Shutdown();
  EXPECT_TRUE(watch.expired());  // the queued work is gone already
  EXPECT_FALSE(dispatcher.PostToGuiThread([&ran] { ran = true; }));
  QApplication::processEvents();
  EXPECT_FALSE(ran);
  EXPECT_TRUE(dispatcher.IsShutDown());
}

TEST(QtGuiDispatcherTest, AWorkerWaitingForTheGuiThreadIsReleasedByShutdown) {
  TQtGuiDispatcher dispatcher;
  TCountingDispatcher counting(dispatcher);
  TGuiCall call(counting);
  std::promise<bool> result;
  std::thread worker([&] { result.set_value(call.Run([] {})); });
  ASSERT_TRUE(counting.WaitForPosts(1));
  {
    TDeadlockAlarm alarm;
    dispatcher.Shutdown();
    worker.join();
  }
  EXPECT_FALSE(result.get_future().get());  // dropped, not run
}

TEST(QtGuiDispatcherTest, AFastTimerTicksOnTheGuiThread) {
  TQtGuiDispatcher dispatcher;
  TFastTimer timer(dispatcher);
  int ticks = 0;
  bool allOnGui = true;
  timer.SetInterval(2);
  timer.SetOnTimer([&](TFastTimer&) {
    allOnGui = allOnGui && OnGuiThread();
    ++ticks;
  });
  ASSERT_TRUE(TurnLoopUntil([&] { return ticks >= 5; }));
  EXPECT_TRUE(allOnGui);
}

TEST(QtGuiDispatcherTest, ATimerWhoseTickWaitsForTheGuiThreadCanBeDestroyed) {
  TQtGuiDispatcher dispatcher;
  TCountingDispatcher counting(dispatcher);
  bool ticked = false;
  auto timer = std::make_unique<TFastTimer>(counting);
  timer->SetInterval(1);
  timer->SetOnTimer([&](TFastTimer&) { ticked = true; });
  // The GUI thread does not turn its loop: the worker's tick stays queued
  // and the worker waits for it.
  ASSERT_TRUE(counting.WaitForPosts(1));
  {
    TDeadlockAlarm alarm;
    timer.reset();
  }
  // The cancelled tick, still queued, comes to nothing.
  QApplication::processEvents();
  EXPECT_FALSE(ticked);
}

TEST(QtGuiDispatcherTest, ATimerCanBeDestroyedByItsOwnTick) {
  TQtGuiDispatcher dispatcher;
  auto timer = std::make_unique<TFastTimer>(dispatcher);
  int ticks = 0;
  timer->SetInterval(1);
  timer->SetOnTimer([&](TFastTimer&) {
    ++ticks;
    timer.reset();
  });
  {
    TDeadlockAlarm alarm;
    ASSERT_TRUE(TurnLoopUntil([&] { return !timer; }));
    // Whatever the worker still had in flight arrives to nothing.
    QApplication::processEvents();
  }
  EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace lumigram
