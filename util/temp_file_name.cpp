#include "util/temp_file_name.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "util/text.h"

namespace lumigram {

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Creates the folder if needed and checks that it is ours alone.
bool EnsurePrivateFolder(const std::string& folder) {
  ::mkdir(folder.c_str(), 0700);
  struct stat info{};
  if (::lstat(folder.c_str(), &info) != 0) return false;
  if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) return false;
  if ((info.st_mode & 077) != 0) return ::chmod(folder.c_str(), 0700) == 0;
  return true;
}

}  // namespace

std::string PrivateTempFolder() {
  std::string runtime = Environment("XDG_RUNTIME_DIR");
  std::string folder;
  if (!runtime.empty()) {
    folder = IncludeSlash(runtime) + "lumigram";
  } else {
    std::string temp = Environment("TMPDIR");
    if (temp.empty()) temp = "/tmp";
    folder = IncludeSlash(temp) + "lumigram-" + std::to_string(::geteuid());
  }
  return EnsurePrivateFolder(folder) ? folder + "/" : std::string();
}

std::string MakeTempFileName(const std::string& ext) {
  static std::atomic<int> counter{0};
  const std::string folder = PrivateTempFolder();
  if (folder.empty()) return {};
  const std::string prefix = folder + std::to_string(::getpid()) + "-";
  // A name may be left over from an earlier process with our id; skip it.
  for (int attempt = 0; attempt < 1000; ++attempt) {
    int n = counter.load();
    while (!counter.compare_exchange_weak(n, n == INT_MAX ? 0 : n + 1)) {
    }
    const std::string name = prefix + std::to_string(n) + "." + ext;
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) {
      ::close(fd);
      return name;
    }
    if (errno != EEXIST) return {};
  }
  return {};
}

}  // namespace lumigram
