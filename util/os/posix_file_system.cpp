#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "util/error_texts.h"
#include "util/os/file_system.h"
#include "util/os/posix_status.h"

namespace lumigram::os {

TFileStatus StatusOf(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? StatusFromStat(info) : TFileStatus{};
}

TFileStatus LinkStatusOf(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 ? StatusFromStat(info) : TFileStatus{};
}

bool SetFileTimes(const std::string& path, TFileTime accessed, TFileTime modified) {
  const struct timespec times[2] = {{time_t(accessed.Seconds), long(accessed.Nanoseconds)},
                                    {time_t(modified.Seconds), long(modified.Nanoseconds)}};
  return ::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

bool SetPermissions(const std::string& path, uint32_t permissions) {
  return ::chmod(path.c_str(), mode_t(permissions)) == 0;
}

uint32_t NewFilePermissions(bool executable) {
  // The mask can only be read by setting it; it is put back at once.
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return uint32_t((executable ? 0777 : 0666) & ~mask);
}

bool MayExecute(const std::string& path) {
  return ::access(path.c_str(), X_OK) == 0;
}

bool RenameFile(const std::string& from, const std::string& to, std::string& error) {
  if (std::rename(from.c_str(), to.c_str()) == 0) return true;
  error = err::kFileInUse;
  return false;
}

bool RemoveFile(const std::string& path) {
  return ::unlink(path.c_str()) == 0;
}

bool CreateFolder(const std::string& path, bool privateToUs) {
  return ::mkdir(path.c_str(), privateToUs ? 0700 : 0777) == 0;
}

std::vector<std::string> FolderNames(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  return names;
}

bool NameMatchesMask(const std::string& mask, const std::string& name) {
  return ::fnmatch(mask.c_str(), name.c_str(), FNM_CASEFOLD | FNM_PERIOD) == 0;
}

}  // namespace lumigram::os
