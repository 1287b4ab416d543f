#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <thread>

#include "util/os/process.h"
#include "util/text.h"

extern char** environ;

namespace lumigram::os {

namespace {

class TSpawnSettings {
 public:
  TSpawnSettings() {
    ::posix_spawn_file_actions_init(&Actions);
    ::posix_spawnattr_init(&Attributes);
  }
  ~TSpawnSettings() {
    ::posix_spawn_file_actions_destroy(&Actions);
    ::posix_spawnattr_destroy(&Attributes);
  }
  TSpawnSettings(const TSpawnSettings&) = delete;
  TSpawnSettings& operator=(const TSpawnSettings&) = delete;

  posix_spawn_file_actions_t Actions;
  posix_spawnattr_t Attributes;
};

// A started program must be waited for, or it lingers as a zombie once it
// ends. Each child gets a small detached thread that waits for exactly that
// child: unlike ignoring SIGCHLD or a handler that reaps every child, this
// never steals the exit status of a child someone else in the process
// started, and unlike a double fork it needs nothing unsafe between fork and
// exec in a program that runs threads. The thread blocks every signal, so
// signals meant for the program never land on it.
void ReapWhenDone(pid_t child) {
  sigset_t all, previous;
  ::sigfillset(&all);
  ::pthread_sigmask(SIG_SETMASK, &all, &previous);
  try {
    std::thread([child] {
      while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
      }
    }).detach();
  } catch (...) {
    // Out of threads: the child stays a zombie until this program ends,
    // which harms nothing else.
  }
  ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

bool StartDetached(const std::vector<std::string>& arguments, const std::string& workingFolder,
                   int64_t* processId) {
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 1);
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  TSpawnSettings spawn;
  if (!workingFolder.empty() &&
      ::posix_spawn_file_actions_addchdir_np(&spawn.Actions, workingFolder.c_str()) != 0)
    return false;
  // Our own files (the card being edited, sockets to the display) are none
  // of the child's business.
  ::posix_spawn_file_actions_addclosefrom_np(&spawn.Actions, 3);
  // The child starts with a clean signal state and in a process group of
  // its own, so a Ctrl+C meant for us does not close what the user opened.
  sigset_t none, all;
  ::sigemptyset(&none);
  ::sigfillset(&all);
  ::posix_spawnattr_setsigmask(&spawn.Attributes, &none);
  ::posix_spawnattr_setsigdefault(&spawn.Attributes, &all);
  ::posix_spawnattr_setpgroup(&spawn.Attributes, 0);
  ::posix_spawnattr_setflags(
      &spawn.Attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);

  pid_t child = 0;
  if (::posix_spawnp(&child, argv[0], &spawn.Actions, &spawn.Attributes, argv.data(), environ) != 0)
    return false;
  ReapWhenDone(child);
  if (processId) *processId = child;
  return true;
}

// Only absolute folders of PATH count: an empty or relative entry would mean
// whatever folder we happen to be in.
std::string FindExecutableOnPath(const std::string& name) {
  std::string list;
  if (const char* path = std::getenv("PATH")) {
    list = path;
  } else {
    // What posix_spawnp itself searches when PATH is not set.
    const size_t size = ::confstr(_CS_PATH, nullptr, 0);
    if (size > 0) {
      list.resize(size);
      ::confstr(_CS_PATH, list.data(), size);
      list.resize(size - 1);
    }
  }
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(':', start);
    if (end == std::string::npos) end = list.size();
    const std::string folder = list.substr(start, end - start);
    start = end + 1;
    if (folder.empty() || folder[0] != '/') continue;
    const std::string candidate = IncludeSlash(folder) + name;
    if (IsExecutableFile(candidate)) return candidate;
  }
  return {};
}

std::string OwnProgramPath() {
  char path[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
  if (length <= 0 || size_t(length) >= sizeof path) return {};
  return std::string(path, size_t(length));
}

int64_t OwnProcessId() {
  return ::getpid();
}

}  // namespace lumigram::os
