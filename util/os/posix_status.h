#pragma once
// Shared by the POSIX files: the system's file record in the seam's terms.

#include <sys/stat.h>
#include <unistd.h>

#include "util/os/file_status.h"

namespace lumigram::os {

inline TFileStatus StatusFromStat(const struct stat& info) {
  TFileStatus status;
  status.Kind = S_ISREG(info.st_mode)   ? TFileKind::File
                : S_ISDIR(info.st_mode) ? TFileKind::Folder
                : S_ISLNK(info.st_mode) ? TFileKind::Link
                                        : TFileKind::Other;
  status.Size = int64_t(info.st_size);
  status.Accessed = {int64_t(info.st_atim.tv_sec), int32_t(info.st_atim.tv_nsec)};
  status.Modified = {int64_t(info.st_mtim.tv_sec), int32_t(info.st_mtim.tv_nsec)};
  status.Permissions = uint32_t(info.st_mode & 07777);
  status.Ours = info.st_uid == ::geteuid();
  return status;
}

}  // namespace lumigram::os
