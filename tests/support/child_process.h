#pragma once
// Starts a program with extra environment variables and its errors in a
// file, and waits for it with a deadline: for tests and benchmarks that run
// the viewer.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace lumigram::testing {

class TChildProcess {
 public:
  TChildProcess() = default;
  ~TChildProcess() { Kill(); }
  TChildProcess(const TChildProcess&) = delete;
  TChildProcess& operator=(const TChildProcess&) = delete;

  // extra overrides or adds environment variables; stderr goes to errorFile.
  bool Start(std::vector<std::string> argv, const std::map<std::string, std::string>& extra,
             const std::string& errorFile) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
      const std::string line = *entry;
      if (!extra.count(line.substr(0, line.find('=')))) environment.push_back(line);
    }
    for (const auto& [name, value] : extra) environment.push_back(name + "=" + value);
    std::vector<char*> args, envs;
    for (std::string& word : argv) args.push_back(word.data());
    args.push_back(nullptr);
    for (std::string& line : environment) envs.push_back(line.data());
    envs.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                       0600);
    const int failed = ::posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), envs.data());
    ::posix_spawn_file_actions_destroy(&actions);
    if (failed) pid_ = 0;
    return !failed;
  }

  pid_t Pid() const { return pid_; }
  bool Running() const { return pid_ > 0; }

  // The exit status, or -1 when the program was killed by a signal or is
  // still running after the deadline.
  int Wait(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (pid_ > 0) {
      int status = 0;
      const pid_t done = ::waitpid(pid_, &status, WNOHANG);
      if (done == pid_) {
        pid_ = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      }
      if (std::chrono::steady_clock::now() > deadline) return -1;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      continue;
    }
    return -1;
  }

  void Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = 0;
  }

 private:
  pid_t pid_ = 0;
};

}  // namespace lumigram::testing
