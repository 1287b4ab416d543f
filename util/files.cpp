#include "util/files.h"

#include <algorithm>

#include "util/error_texts.h"
#include "util/os/environment.h"
#include "util/os/file.h"
#include "util/os/file_system.h"
#include "util/text.h"

namespace lumigram {

namespace {

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

bool WriteAll(os::TFile& file, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    const int64_t n = file.Write(data.data() + done, int64_t(data.size() - done));
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

}  // namespace

bool FolderExists(const std::string& path) {
  return !path.empty() && os::StatusOf(path).Kind == os::TFileKind::Folder;
}

uint32_t DosDateTime(std::time_t when) {
  const std::tm local = os::LocalTime(when);
  const uint32_t date = uint32_t(std::max(local.tm_year - 80, 0) << 9) |
                        uint32_t((local.tm_mon + 1) << 5) | uint32_t(local.tm_mday);
  const uint32_t time =
      uint32_t(local.tm_hour << 11) | uint32_t(local.tm_min << 5) | uint32_t(local.tm_sec / 2);
  return (date << 16) | time;
}

bool FileExistsNotFolder(const std::string& path, uint32_t* dosDateTime) {
  if (path.empty()) return false;
  const os::TFileStatus status = os::StatusOf(path);
  if (status.Kind == os::TFileKind::Missing || status.Kind == os::TFileKind::Folder) return false;
  if (dosDateTime) *dosDateTime = DosDateTime(std::time_t(status.Modified.Seconds));
  return true;
}

int64_t FileSize(const std::string& path) {
  const os::TFile file(path, os::TOpenMode::Read);
  if (!file.IsOpen()) return -1;
  const os::TFileStatus status = file.Status();
  const bool ok = status.Kind != os::TFileKind::Missing && status.Kind != os::TFileKind::Folder;
  return ok ? status.Size : -1;
}

bool ForceFolder(const std::string& path) {
  const std::string folder = WithoutTrailingSlash(path);
  if (folder.empty()) return false;
  if (FolderExists(folder)) return true;
  const std::string parent = ExtractFolder(folder);
  if (!parent.empty() && parent != folder + "/" && !ForceFolder(parent)) return false;
  return os::CreateFolder(folder) || FolderExists(folder);
}

bool DeleteFileIfExists(const std::string& path) {
  const os::TFileKind kind = os::LinkStatusOf(path).Kind;
  if (kind == os::TFileKind::Missing) return true;
  if (kind == os::TFileKind::Folder) return false;
  // Read-only files go too: on this system unlinking depends on the folder.
  os::RemoveFile(path);
  return os::LinkStatusOf(path).Kind == os::TFileKind::Missing;
}

bool ReadFileToString(const std::string& path, std::string& data, std::string& error,
                      int64_t maxBytes) {
  error = err::kFileNotFound;
  if (!FileExistsNotFolder(path)) return false;
  error = err::kFileInUse;
  os::TFile file(path, os::TOpenMode::Read);
  if (!file.IsOpen()) return false;
  const os::TFileStatus status = file.Status();
  if (status.Kind == os::TFileKind::Missing) return false;
  error = err::kOutOfMemory;
  if (status.Size > maxBytes) return false;
  std::string bytes;
  bytes.reserve(size_t(status.Size));
  char chunk[65536];
  for (;;) {
    const int64_t n = file.Read(chunk, sizeof chunk);
    if (n < 0) {
      error = err::kFileInUse;
      return false;
    }
    if (n == 0) break;
    if (int64_t(bytes.size()) + n > maxBytes) return false;  // the file grew while we read it
    bytes.append(chunk, size_t(n));
  }
  file.Close();
  data = std::move(bytes);
  return true;
}

bool WriteStringToFile(const std::string& path, const std::string& data, std::string& error,
                       bool executable) {
  error = err::kFileInUse;
  const os::TFileStatus existing = os::StatusOf(path);
  const bool replacing = existing.Kind != os::TFileKind::Missing;
  if (existing.Kind == os::TFileKind::Folder) return false;

  error = err::kOutOfDiskSpace;
  std::string scratch;
  os::TFile file;
  if (!file.CreateUnique(path + ".", scratch)) return false;
  // Keep the permissions of the file being replaced; a new file gets the usual
  // ones, with execute bits when it is a program.
  uint32_t mode = os::NewFilePermissions(executable);
  if (replacing) mode = existing.Permissions;
  if (executable) mode |= (mode & os::kReadableBits) >> 2;
  file.SetPermissions(mode);

  const bool written = WriteAll(file, data) && file.Flush();
  const bool closed = file.Close();
  if (!written || !closed) {
    os::RemoveFile(scratch);
    return false;
  }
  error = err::kFileInUse;
  if (!os::RenameFile(scratch, path, error)) {
    os::RemoveFile(scratch);
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
  const os::TFileStatus original = os::StatusOf(source);
  const bool known = original.Kind != os::TFileKind::Missing;
  const bool program = known && (original.Permissions & os::kExecutableBits) != 0;
  if (!WriteStringToFile(target, data, error, program)) return false;
  if (known) os::SetFileTimes(target, original.Accessed, original.Modified);
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
  for (const std::string& name : os::FolderNames(folder.empty() ? "." : folder)) {
    if (!os::NameMatchesMask(mask, name)) continue;
    if (!FileExistsNotFolder(folder + name)) continue;
    names.push_back(withFolder ? folder + name : name);
  }
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
