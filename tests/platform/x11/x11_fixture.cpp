#include "tests/platform/x11/x11_fixture.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/x11/x11_picture.h"

extern char** environ;

namespace lumigram::testing {

namespace {

// The server lives as long as the test process.
class TXvfb {
 public:
  bool Start() {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return false;
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    // The server writes its display number to descriptor 3 once it listens.
    ::posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
    ::posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const char* argv[] = {"Xvfb",        "-displayfd", "3",   "-screen",  "0",
                          "1024x768x24", "-nolisten",  "tcp", "-noreset", nullptr};
    const int failed =
        ::posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char* const*>(argv), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (failed) {
      pid_ = 0;
      ::close(fds[0]);
      return false;
    }
    std::string number;
    pollfd wait{fds[0], POLLIN, 0};
    char c = 0;
    while (::poll(&wait, 1, 15000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(fds[0]);
    if (number.empty()) return false;
    ::setenv("DISPLAY", (":" + number).c_str(), 1);
    return true;
  }
  ~TXvfb() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
  }

 private:
  pid_t pid_ = 0;
};

}  // namespace

bool StartTestDisplay() {
  static const bool started = [] {
    if (const char* given = std::getenv("LUMIGRAM_TEST_DISPLAY")) {
      ::setenv("DISPLAY", given, 1);
      return true;
    }
    static TXvfb server;
    return server.Start();
  }();
  return started;
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
