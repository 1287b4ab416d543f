#include "tests/platform/x11/x11_fixture.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <memory>
#include <string>

#include "platform/x11/x11_picture.h"
#include "tests/support/xvfb.h"

namespace lumigram::testing {

bool StartTestDisplay() {
  return StartPrivateDisplay();
}

void TWatchdog::Arm(TX11App& app, int seconds) {
  Disarm();
  armed_ = true;
  thread_ = std::thread([this, &app, seconds] {
    std::unique_lock lock(mutex_);
    if (!changed_.wait_for(lock, std::chrono::seconds(seconds), [this] { return !armed_; })) {
      fired_ = true;
      app.PostToGuiThread([&app] { app.Quit(); });
    }
  });
}

void TWatchdog::Disarm() {
  {
    std::lock_guard lock(mutex_);
    armed_ = false;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void X11Test::SetUp() {
  ASSERT_TRUE(StartTestDisplay()) << "no X server for the tests (is Xvfb installed?)";
  std::string error;
  ASSERT_TRUE(app_.Open("", error)) << error;
  watchdog_.Arm(app_);
}

bool X11Test::RunUntil(const std::function<bool()>& done) {
  app_.RunModal(0, done);
  return done();
}

void X11Test::Settle() {
  ::XSync(app_.XDisplay(), False);
  app_.ProcessPendingEvents();
}

void X11Test::MovePointer(int x, int y) {
  ::XTestFakeMotionEvent(app_.XDisplay(), app_.ScreenNumber(), x, y, CurrentTime);
  ::XSync(app_.XDisplay(), False);
}

void X11Test::PressButton(unsigned int button, bool down) {
  ::XTestFakeButtonEvent(app_.XDisplay(), button, down ? True : False, CurrentTime);
  ::XSync(app_.XDisplay(), False);
}

void X11Test::TypeKey(unsigned long keySym, bool shift) {
  Display* display = app_.XDisplay();
  const KeyCode code = ::XKeysymToKeycode(display, keySym);
  const KeyCode shiftCode = ::XKeysymToKeycode(display, XK_Shift_L);
  if (shift) ::XTestFakeKeyEvent(display, shiftCode, True, CurrentTime);
  ::XTestFakeKeyEvent(display, code, True, CurrentTime);
  ::XTestFakeKeyEvent(display, code, False, CurrentTime);
  if (shift) ::XTestFakeKeyEvent(display, shiftCode, False, CurrentTime);
  ::XSync(display, False);
}

void X11Test::RequestClose(Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = app_.AtomOf(TX11Atom::WmProtocols);
  event.xclient.format = 32;
  event.xclient.data.l[0] = long(app_.AtomOf(TX11Atom::WmDeleteWindow));
  ::XSendEvent(app_.XDisplay(), window, False, NoEventMask, &event);
  ::XFlush(app_.XDisplay());
}

TColor X11Test::WindowPixel(Window window, int x, int y) {
  XImage* image = ::XGetImage(app_.XDisplay(), window, x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return TBitmap::kNoPixel;
  const unsigned long pixel = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return DisplayPixelFormat(app_).ColourOf(uint32_t(pixel));
}

TColor PatternColour(int x, int y) {
  return RGB(x * 7 + 3, y * 5 + 11, (x ^ y) * 3);
}

TBitmap PatternBitmap(int width, int height) {
  TBitmap bitmap;
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, PatternColour(x, y));
  return bitmap;
}

}  // namespace lumigram::testing
