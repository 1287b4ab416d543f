#include "util/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "util/error_texts.h"
#include "util/text.h"

namespace lumigram {

namespace {

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

mode_t CurrentUmask() {
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return mask;
}

}  // namespace

bool FolderExists(const std::string& path) {
  struct stat info{};
  return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

uint32_t DosDateTime(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  const uint32_t date =
      uint32_t(std::max(local.tm_year - 80, 0) << 9) | uint32_t((local.tm_mon + 1) << 5) |
      uint32_t(local.tm_mday);
  const uint32_t time = uint32_t(local.tm_hour << 11) | uint32_t(local.tm_min << 5) |
                        uint32_t(local.tm_sec / 2);
  return (date << 16) | time;
}

bool FileExistsNotFolder(const std::string& path, uint32_t* dosDateTime) {
  struct stat info{};
  if (path.empty() || ::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
  if (dosDateTime) *dosDateTime = DosDateTime(info.st_mtime);
  return true;
}

int64_t FileSize(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info{};
  const bool ok = ::fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode);
  ::close(fd);
  return ok ? int64_t(info.st_size) : -1;
}

bool ForceFolder(const std::string& path) {
  const std::string folder = WithoutTrailingSlash(path);
  if (folder.empty()) return false;
  if (FolderExists(folder)) return true;
  const std::string parent = ExtractFolder(folder);
  if (!parent.empty() && parent != folder + "/" && !ForceFolder(parent)) return false;
  return ::mkdir(folder.c_str(), 0777) == 0 || FolderExists(folder);
}

bool DeleteFileIfExists(const std::string& path) {
  struct stat info{};
  if (::lstat(path.c_str(), &info) != 0) return true;
  if (S_ISDIR(info.st_mode)) return false;
  // Read-only files go too: on this system unlinking depends on the folder.
  ::unlink(path.c_str());
  return ::lstat(path.c_str(), &info) != 0;
}

bool ReadFileToString(const std::string& path, std::string& data, std::string& error,
                      int64_t maxBytes) {
  error = err::kFileNotFound;
  if (!FileExistsNotFolder(path)) return false;
  error = err::kFileInUse;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info{};
  if (::fstat(fd, &info) != 0) {
    ::close(fd);
    return false;
  }
  error = err::kOutOfMemory;
  if (info.st_size > maxBytes) {
    ::close(fd);
    return false;
  }
  std::string bytes;
  bytes.reserve(size_t(info.st_size));
  char chunk[65536];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      error = err::kFileInUse;
      return false;
    }
    if (n == 0) break;
    if (int64_t(bytes.size()) + n > maxBytes) {  // the file grew while we read it
      ::close(fd);
      return false;
    }
    bytes.append(chunk, size_t(n));
  }
  ::close(fd);
  data = std::move(bytes);
  return true;
}

bool WriteStringToFile(const std::string& path, const std::string& data, std::string& error,
                       bool executable) {
  error = err::kFileInUse;
  struct stat existing{};
  const bool replacing = ::stat(path.c_str(), &existing) == 0;
  if (replacing && S_ISDIR(existing.st_mode)) return false;

  error = err::kOutOfDiskSpace;
  std::string scratch = path + ".XXXXXX";
  const int fd = ::mkstemp(scratch.data());
  if (fd < 0) return false;
  // Keep the permissions of the file being replaced; a new file gets the usual
  // ones, with execute bits when it is a program.
  mode_t mode = (executable ? 0777 : 0666) & ~CurrentUmask();
  if (replacing) mode = existing.st_mode & 07777;
  if (executable) mode |= (mode & 0444) >> 2;
  ::fchmod(fd, mode);

  const bool written = WriteAll(fd, data) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    ::unlink(scratch.c_str());
    return false;
  }
  error = err::kFileInUse;
  if (::rename(scratch.c_str(), path.c_str()) != 0) {
    ::unlink(scratch.c_str());
    return false;
  }
  return true;
}

bool CopyFileChecked(const std::string& source, const std::string& target, std::string& error) {
  error = err::kFileNotFound;
  if (!FileExistsNotFolder(source)) return false;
  std::string data;
  if (!ReadFileToString(source, data, error)) return false;
  const std::string folder = ExtractFolder(target);
  if (!folder.empty()) ForceFolder(folder);
  // A copy is the same file elsewhere: a program stays runnable, and the
  // last-write time stays, which is how an up-to-date copy is recognised.
  struct stat original{};
  const bool known = ::stat(source.c_str(), &original) == 0;
  const bool program = known && (original.st_mode & 0111) != 0;
  if (!WriteStringToFile(target, data, error, program)) return false;
  if (known) {
    const struct timespec times[2] = {original.st_atim, original.st_mtim};
    ::utimensat(AT_FDCWD, target.c_str(), times, 0);
  }
  return true;
}

bool CopyFileTo(const std::string& source, const std::string& target) {
  std::string error;
  return FileExistsNotFolder(source) && CopyFileChecked(source, target, error);
}

std::vector<std::string> FindFileList(const std::string& pattern, bool withFolder) {
  const std::string folder = ExtractFolder(pattern);
  const std::string mask = ExtractFileName(pattern);
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (::fnmatch(mask.c_str(), name.c_str(), FNM_CASEFOLD | FNM_PERIOD) != 0) continue;
    if (!FileExistsNotFolder(folder + name)) continue;
    names.push_back(withFolder ? folder + name : name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

std::string FindFiles(const std::string& pattern, bool withFolder) {
  std::string text;
  for (const std::string& name : FindFileList(pattern, withFolder)) {
    if (!text.empty()) text += kLineBreak;
    text += name;
  }
  return text;
}

}  // namespace lumigram
