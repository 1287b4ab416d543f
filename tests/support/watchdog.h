#pragma once
// Runs a scenario that might hang on a thread of its own, so that a hang fails
// the test instead of stalling the whole run.

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace lumigram::testing {

// Fails when the scenario has not finished within limit; it is then left
// running, detached, so it must own everything it touches.
inline ::testing::AssertionResult FinishesWithin(std::chrono::milliseconds limit,
                                                 std::function<void()> scenario) {
  auto finished = std::make_shared<std::promise<void>>();
  std::future<void> done = finished->get_future();
  std::thread runner([finished, scenario = std::move(scenario)] {
    scenario();
    finished->set_value();
  });
  if (done.wait_for(limit) == std::future_status::timeout) {
    runner.detach();
    return ::testing::AssertionFailure()
           << "still running after " << std::to_string(limit.count()) << " ms: hung";
  }
  runner.join();
  return ::testing::AssertionSuccess();
}

}  // namespace lumigram::testing
