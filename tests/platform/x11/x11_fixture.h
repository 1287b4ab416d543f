#pragma once
// What the window layer's tests share: a private X server, an opened event
// loop that a watchdog ends if a test hangs, and fake input through XTest.

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "imaging/bitmap/bitmap.h"
#include "platform/x11/x11_app.h"

namespace lumigram::testing {

// Starts a private Xvfb for this test process (once) and points DISPLAY at
// it. LUMIGRAM_TEST_DISPLAY names a display to use instead. False when no
// server could be started.
bool StartTestDisplay();

// Ends the loop (Quit) when not disarmed in time, so a lost event fails a
// test instead of hanging it.
class TWatchdog {
 public:
  TWatchdog() = default;
  ~TWatchdog() { Disarm(); }
  void Arm(TX11App& app, int seconds = 20);
  void Disarm();
  bool Fired() const { return fired_; }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool armed_ = false;
  std::atomic<bool> fired_{false};
  std::thread thread_;
};

class X11Test : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override {
    watchdog_.Disarm();
    EXPECT_FALSE(watchdog_.Fired()) << "the loop hung and was ended by the watchdog";
  }

  // Runs the loop until done() holds; false when the watchdog ended it.
  bool RunUntil(const std::function<bool()>& done);
  // Lets the server catch up, then handles what it sent.
  void Settle();

  // Fake input on the application's own connection, sent at once.
  void MovePointer(int x, int y);
  void PressButton(unsigned int button, bool down);
  void TypeKey(unsigned long keySym, bool shift = false);

  // What a window manager sends when the user closes the window.
  void RequestClose(Window window);

  // The colour of the window's pixel as the server holds it.
  TColor WindowPixel(Window window, int x, int y);

  TX11App app_;
  TWatchdog watchdog_;
};

// A bitmap of distinct colours: each pixel's colour follows from its place.
TBitmap PatternBitmap(int width, int height);
TColor PatternColour(int x, int y);

}  // namespace lumigram::testing
