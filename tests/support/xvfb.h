#pragma once
// A private Xvfb for a test or benchmark process: started once, on a free
// display number the server picks itself, and ended with the process.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

extern char** environ;

namespace lumigram::testing {

// The server lives as long as the test process.
class TXvfb {
 public:
  explicit TXvfb(std::string screen) : size_(std::move(screen)) {}
  TXvfb(const TXvfb&) = delete;
  TXvfb& operator=(const TXvfb&) = delete;

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
                          size_.c_str(), "-nolisten",  "tcp", "-noreset", nullptr};
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
  std::string size_;
  pid_t pid_ = 0;
};

// Points DISPLAY at a private server (LUMIGRAM_TEST_DISPLAY names one to use
// instead). False when none could be started. The first call's screen size
// holds for the process.
inline bool StartPrivateDisplay(const std::string& screen = "1024x768x24") {
  static const bool started = [&screen] {
    if (const char* given = std::getenv("LUMIGRAM_TEST_DISPLAY")) {
      ::setenv("DISPLAY", given, 1);
      return true;
    }
    static TXvfb server(screen);
    return server.Start();
  }();
  return started;
}

}  // namespace lumigram::testing
