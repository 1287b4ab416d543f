#include <sys/stat.h>
#include <unistd.h>

#include "util/os/environment.h"
#include "util/os/temp_folder.h"
#include "util/text.h"

namespace lumigram::os {

namespace {

// Creates the folder if needed and checks that it is ours alone.
bool EnsurePrivateFolder(const std::string& folder) {
  ::mkdir(folder.c_str(), 0700);
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0) return false;
  if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) return false;
  if ((info.st_mode & 077) != 0) return ::chmod(folder.c_str(), 0700) == 0;
  return true;
}

}  // namespace

// $XDG_RUNTIME_DIR/lumigram/ when that variable is set, else
// $TMPDIR/lumigram-<uid>/ (TMPDIR defaulting to /tmp): the uid keeps users
// sharing /tmp out of each other's way.
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

}  // namespace lumigram::os
