#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "util/os/file.h"
#include "util/os/posix_status.h"

namespace lumigram::os {

TFile::TFile(TFile&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), already_existed_(other.already_existed_) {}

TFile& TFile::operator=(TFile&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, -1);
    already_existed_ = other.already_existed_;
  }
  return *this;
}

bool TFile::Open(const std::string& path, TOpenMode mode) {
  Close();
  int flags = O_RDONLY;
  mode_t permissions = 0666;
  switch (mode) {
    case TOpenMode::Read:
      break;
    case TOpenMode::ReadWrite:
      flags = O_RDWR;
      break;
    case TOpenMode::CreateOrTruncate:
      flags = O_RDWR | O_CREAT | O_TRUNC;
      break;
    case TOpenMode::CreateNewPrivate:
      // O_NOFOLLOW: a link planted under the name is never followed.
      flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW;
      permissions = 0600;
      break;
  }
  handle_ = ::open(path.c_str(), flags | O_CLOEXEC, permissions);
  already_existed_ = handle_ < 0 && errno == EEXIST;
  return handle_ >= 0;
}

bool TFile::CreateUnique(const std::string& prefix, std::string& name) {
  Close();
  std::string pattern = prefix + "XXXXXX";
  handle_ = ::mkstemp(pattern.data());
  if (handle_ < 0) return false;
  name = std::move(pattern);
  return true;
}

int64_t TFile::Read(void* buffer, int64_t count) {
  for (;;) {
    const ssize_t n = ::read(handle_, buffer, size_t(count));
    if (n < 0 && errno == EINTR) continue;
    return n;
  }
}

int64_t TFile::Write(const void* buffer, int64_t count) {
  for (;;) {
    const ssize_t n = ::write(handle_, buffer, size_t(count));
    if (n < 0 && errno == EINTR) continue;
    return n;
  }
}

int64_t TFile::Seek(int64_t offset, TSeekFrom from) {
  const int whence = from == TSeekFrom::Beginning ? SEEK_SET
                     : from == TSeekFrom::Current ? SEEK_CUR
                                                  : SEEK_END;
  return ::lseek(handle_, off_t(offset), whence);
}

TFileStatus TFile::Status() const {
  struct stat info {};
  return ::fstat(handle_, &info) == 0 ? StatusFromStat(info) : TFileStatus{};
}

bool TFile::SetPermissions(uint32_t permissions) {
  return ::fchmod(handle_, mode_t(permissions)) == 0;
}

bool TFile::Flush() {
  return ::fsync(handle_) == 0;
}

bool TFile::Close() {
  if (handle_ < 0) return true;
  return ::close(std::exchange(handle_, -1)) == 0;
}

}  // namespace lumigram::os
