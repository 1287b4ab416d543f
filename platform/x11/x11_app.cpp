#include "platform/x11/x11_app.h"

#include <X11/Xutil.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace lumigram {

namespace {

std::atomic<unsigned long> x_errors{0};

int CountError(Display*, XErrorEvent*) {
  x_errors.fetch_add(1, std::memory_order_relaxed);
  return 0;
}

// In the order of TX11Atom.
const char* const kAtomNames[] = {"WM_PROTOCOLS",
                                  "WM_DELETE_WINDOW",
                                  "_NET_WM_PING",
                                  "_NET_WM_NAME",
                                  "UTF8_STRING",
                                  "_MOTIF_WM_HINTS",
                                  "_NET_WM_WINDOW_TYPE",
                                  "_NET_WM_WINDOW_TYPE_NORMAL",
                                  "_NET_WM_WINDOW_TYPE_DIALOG",
                                  "_NET_WM_WINDOW_TYPE_POPUP_MENU",
                                  "_NET_WM_STATE",
                                  "_NET_WM_STATE_MODAL",
                                  "_NET_WM_PID"};
static_assert(sizeof(kAtomNames) / sizeof(kAtomNames[0]) == int(TX11Atom::Count));

bool IsInputEvent(int type) {
  return type == KeyPress || type == KeyRelease || type == ButtonPress || type == ButtonRelease ||
         type == MotionNotify;
}

}  // namespace

TX11App::~TX11App() {
  DropPostedWork();
  if (display_) ::XCloseDisplay(display_);
  if (wake_fd_ >= 0) ::close(wake_fd_);
}

bool TX11App::Open(const std::string& displayName, std::string& error) {
  if (display_) return true;
  ::XSetErrorHandler(CountError);
  display_ = ::XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
  if (!display_) {
    const char* name = ::XDisplayName(displayName.empty() ? nullptr : displayName.c_str());
    error = std::string("Cannot open display \"") + (name ? name : "") + "\"";
    return false;
  }
  screen_ = DefaultScreen(display_);
  Visual* visual = XVisual();
  if ((visual->c_class != TrueColor && visual->c_class != DirectColor) || Depth() < 15) {
    error = "The display has no true-colour visual";
    ::XCloseDisplay(display_);
    display_ = nullptr;
    return false;
  }
  wake_fd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wake_fd_ < 0) {
    error = "No wake-up descriptor";
    ::XCloseDisplay(display_);
    display_ = nullptr;
    return false;
  }
  ::XInternAtoms(display_, const_cast<char**>(kAtomNames), int(TX11Atom::Count), False, atoms_);
  return true;
}

Window TX11App::Root() const {
  return RootWindow(display_, screen_);
}
Visual* TX11App::XVisual() const {
  return DefaultVisual(display_, screen_);
}
int TX11App::Depth() const {
  return DefaultDepth(display_, screen_);
}
int TX11App::ScreenWidth() const {
  return DisplayWidth(display_, screen_);
}
int TX11App::ScreenHeight() const {
  return DisplayHeight(display_, screen_);
}

bool TX11App::Register(Window window, TX11EventTarget* target) {
  return windows_.Register(window, target);
}

void TX11App::Unregister(Window window) {
  windows_.Unregister(window);
  std::erase(modal_, window);
  if (main_window_ == window) main_window_ = 0;
}

void TX11App::Run() {
  while (display_ && !terminated_) RunOnce();
}

void TX11App::RunModal(Window modal, const std::function<bool()>& done) {
  if (!display_) return;
  // A loop without a window of its own keeps the input rules it found.
  if (modal) modal_.push_back(modal);
  while (!terminated_ && !done()) RunOnce();
  if (!modal) return;
  // The window may have gone (and taken itself off) while the loop ran.
  for (auto it = modal_.end(); it != modal_.begin();) {
    if (*--it == modal) {
      modal_.erase(it);
      break;
    }
  }
}

void TX11App::ProcessPendingEvents() {
  if (!display_) return;
  RunPostedWork();
  while (!terminated_ && ::XPending(display_) > 0) {
    XEvent event;
    ::XNextEvent(display_, &event);
    Dispatch(event);
  }
}

void TX11App::Quit() {
  terminated_ = true;
  DropPostedWork();
}

bool TX11App::PostToGuiThread(std::function<void()> work) {
  {
    std::lock_guard lock(mutex_);
    if (refusing_ || wake_fd_ < 0 || !work) return false;
    posted_.push_back(std::move(work));
    work_waiting_ = true;
  }
  const uint64_t one = 1;
  // Fails only when the counter is about to overflow: then it is readable
  // already.
  [[maybe_unused]] ssize_t written = ::write(wake_fd_, &one, sizeof one);
  return true;
}

unsigned long TX11App::ErrorCount() {
  return x_errors.load(std::memory_order_relaxed);
}

void TX11App::RunOnce() {
  // Work and events take turns, so a stream of either cannot starve the
  // other. Back to the caller after each: it may have changed what the
  // caller waits for.
  const bool workFirst = !work_ran_last_;
  work_ran_last_ = false;
  if (workFirst && RunPostedWork()) {
    work_ran_last_ = true;
    return;
  }
  if (terminated_) return;
  // Also sends what our requests left in the output buffer.
  if (::XPending(display_) > 0) {
    XEvent event;
    ::XNextEvent(display_, &event);
    Dispatch(event);
    return;
  }
  if (!workFirst && RunPostedWork()) {
    work_ran_last_ = true;
    return;
  }
  pollfd fds[2] = {{ConnectionNumber(display_), POLLIN, 0}, {wake_fd_, POLLIN, 0}};
  while (::poll(fds, 2, -1) < 0 && errno == EINTR) {
  }
  // A wake-up whose work already ran with an earlier one must not stay
  // pending, or poll would return at once from now on.
  if (fds[1].revents & POLLIN) {
    uint64_t count = 0;
    [[maybe_unused]] ssize_t got = ::read(wake_fd_, &count, sizeof count);
  }
}

void TX11App::Dispatch(XEvent& event) {
  if (BlockedByModal(event)) return;
  if (TX11EventTarget* target = windows_.Find(event.xany.window)) target->HandleEvent(event);
}

bool TX11App::BlockedByModal(const XEvent& event) const {
  if (modal_.empty() || event.xany.window == modal_.back()) return false;
  if (IsInputEvent(event.type)) return true;
  return event.type == ClientMessage &&
         event.xclient.message_type == AtomOf(TX11Atom::WmProtocols) &&
         Atom(event.xclient.data.l[0]) == AtomOf(TX11Atom::WmDeleteWindow);
}

bool TX11App::RunPostedWork() {
  if (!work_waiting_) return false;
  uint64_t count = 0;
  [[maybe_unused]] ssize_t got = ::read(wake_fd_, &count, sizeof count);
  // One piece at a time, so that a loop nested in one piece runs the rest.
  // Work queued meanwhile waits for the next round.
  size_t pieces = 0;
  {
    std::lock_guard lock(mutex_);
    pieces = posted_.size();
  }
  bool ran = false;
  for (; pieces > 0 && !terminated_; --pieces) {
    std::function<void()> work;
    {
      std::lock_guard lock(mutex_);
      if (posted_.empty()) break;
      work = std::move(posted_.front());
      posted_.pop_front();
      work_waiting_ = !posted_.empty();
    }
    ran = true;
    try {
      work();
    } catch (...) {
      // Work owns its failures; one that escapes must not end the loop.
    }
  }
  return ran;
}

void TX11App::DropPostedWork() {
  std::deque<std::function<void()>> dropped;
  {
    std::lock_guard lock(mutex_);
    refusing_ = true;
    dropped.swap(posted_);
    work_waiting_ = false;
  }
  // Destroyed outside the lock: their owners may take locks of their own.
}

}  // namespace lumigram
