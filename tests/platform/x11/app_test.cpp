// GoogleTest before Xlib, whose macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <memory>
#include <thread>
#include <vector>

#include "platform/x11/x11_card_window.h"
#include "platform/x11/x11_window_list.h"
#include "tests/platform/x11/card_window_events.h"
#include "tests/platform/x11/x11_fixture.h"

namespace lumigram {
namespace {

using testing::TRecordingWindowEvents;
using testing::X11Test;

class TNoTarget final : public TX11EventTarget {
 public:
  void HandleEvent(XEvent&) override {}
};

TEST(X11WindowListTest, HoldsAThousandWindowsAndReusesFreedSlots) {
  TX11WindowList list;
  TNoTarget first, second;
  for (Window id = 1; id <= TX11WindowList::kCapacity; ++id) ASSERT_TRUE(list.Register(id, &first));
  EXPECT_FALSE(list.Register(5000, &first));
  EXPECT_EQ(list.Find(5000), nullptr);
  // A known window gets its new target even when the table is full.
  EXPECT_TRUE(list.Register(7, &second));
  EXPECT_EQ(list.Find(7), &second);
  EXPECT_EQ(list.Count(), TX11WindowList::kCapacity);

  list.Unregister(3);
  EXPECT_EQ(list.Find(3), nullptr);
  EXPECT_EQ(list.Find(TX11WindowList::kCapacity), &first);  // moved into the freed slot
  EXPECT_TRUE(list.Register(5000, &second));
  EXPECT_EQ(list.Find(5000), &second);
  EXPECT_FALSE(list.Register(0, &first));
}

using X11AppTest = X11Test;

TEST_F(X11AppTest, WorkPostedFromAnotherThreadRunsOnTheLoopThreadInOrder) {
  const std::thread::id loopThread = std::this_thread::get_id();
  std::vector<int> ran;
  bool allOnLoopThread = true;
  std::thread poster([&] {
    for (int i = 0; i < 50; ++i)
      EXPECT_TRUE(app_.PostToGuiThread([&, i] {
        allOnLoopThread = allOnLoopThread && std::this_thread::get_id() == loopThread;
        ran.push_back(i);
      }));
  });
  ASSERT_TRUE(RunUntil([&] { return ran.size() == 50; }));
  poster.join();
  EXPECT_TRUE(allOnLoopThread);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(ran[size_t(i)], i);
}

TEST_F(X11AppTest, ProcessPendingEventsRunsWhatWaitsAndReturns) {
  int ran = 0;
  app_.PostToGuiThread([&] { ++ran; });
  app_.ProcessPendingEvents();
  EXPECT_EQ(ran, 1);
  // Nothing waits now: it must come back at once, not wait for an event.
  app_.ProcessPendingEvents();
  EXPECT_EQ(ran, 1);
}

TEST_F(X11AppTest, QuitEndsNestedLoopsAndDropsQueuedWork) {
  auto sentinel = std::make_shared<int>(0);
  std::weak_ptr<int> watch = sentinel;
  bool innerReturned = false;
  bool lateWorkRan = false;
  app_.PostToGuiThread([&] {
    app_.RunModal(0, [] { return false; });
    innerReturned = true;
  });
  app_.PostToGuiThread([&, s = std::move(sentinel)] {
    // Runs inside the nested loop: queues more, then quits.
    app_.PostToGuiThread([&lateWorkRan, s] { lateWorkRan = true; });
    app_.Quit();
  });
  app_.Run();
  EXPECT_TRUE(innerReturned);
  EXPECT_TRUE(app_.Terminated());
  EXPECT_FALSE(lateWorkRan);
  EXPECT_TRUE(watch.expired());  // dropped work is destroyed, not leaked
  EXPECT_FALSE(app_.PostToGuiThread([] {}));
}

TEST_F(X11AppTest, EventsAreHandledWhileWorkKeepsComing) {
  TX11CardWindow window(app_);
  TRecordingWindowEvents events;
  window.SetEvents(&events);
  // Work that queues itself again each time it runs.
  std::function<void()> again = [&] { app_.PostToGuiThread(again); };
  app_.PostToGuiThread(again);
  RequestClose(window.XWindow());
  EXPECT_TRUE(RunUntil([&] { return events.Closes == 1; }));
}

TEST_F(X11AppTest, ModalLoopKeepsInputFromOtherWindows) {
  TX11CardWindow blocked(app_), modal(app_);
  TRecordingWindowEvents blockedEvents, modalEvents;
  blocked.SetEvents(&blockedEvents);
  modal.SetEvents(&modalEvents);
  blocked.SetBounds(0, 0, 100, 100);
  modal.SetBounds(200, 0, 100, 100);
  blocked.Show();
  modal.Show();
  Settle();

  app_.PostToGuiThread([&] {
    MovePointer(50, 50);
    PressButton(Button1, true);
    PressButton(Button1, false);
    MovePointer(250, 50);
    PressButton(Button1, true);
    PressButton(Button1, false);
  });
  app_.RunModal(modal.XWindow(), [&] { return modalEvents.Log.size() >= 3; });
  EXPECT_TRUE(blockedEvents.Log.empty());
  ASSERT_EQ(modalEvents.Log.size(), 3u);
  EXPECT_EQ(modalEvents.Log[1], "down left 50,50");
}

}  // namespace
}  // namespace lumigram
