#pragma once
// Records what a card window reports, as text, for the tests to compare.

#include <string>
#include <vector>

#include "card/card_platform.h"

namespace lumigram::testing {

class TRecordingWindowEvents final : public TCardWindowEvents {
 public:
  void WindowPaint() override { ++Paints; }
  void WindowMouseDown(TMouseButton button, int x, int y) override {
    Log.push_back("down " + Name(button) + At(x, y));
  }
  void WindowMouseMove(int x, int y) override { Log.push_back("move" + At(x, y)); }
  void WindowMouseUp(TMouseButton button, int x, int y) override {
    Log.push_back("up " + Name(button) + At(x, y));
  }
  void WindowClose() override { ++Closes; }
  bool WindowQueryEndSession() override { return true; }
  void WindowEndSession() override {}

  int Paints = 0;
  int Closes = 0;
  std::vector<std::string> Log;

 private:
  static std::string Name(TMouseButton button) {
    return button == TMouseButton::Left    ? "left"
           : button == TMouseButton::Right ? "right"
                                           : "middle";
  }
  static std::string At(int x, int y) { return " " + std::to_string(x) + "," + std::to_string(y); }
};

}  // namespace lumigram::testing
