#pragma once
// What the operating system knows about a name in the file system.

#include <cstdint>

namespace lumigram::os {

enum class TFileKind { Missing, File, Folder, Link, Other };

// A point in time as seconds and nanoseconds since 1970 (UTC).
struct TFileTime {
  int64_t Seconds = 0;
  int32_t Nanoseconds = 0;
};

struct TFileStatus {
  TFileKind Kind = TFileKind::Missing;
  int64_t Size = 0;
  TFileTime Accessed;
  TFileTime Modified;
  // Read, write and execute bits for owner, group and others, with the
  // set-id and sticky bits above them: the values of std::filesystem::perms.
  uint32_t Permissions = 0;
  // Owned by the user this program runs as.
  bool Ours = false;
};

inline constexpr uint32_t kExecutableBits = 0111;
inline constexpr uint32_t kReadableBits = 0444;
inline constexpr uint32_t kAllPermissionBits = 07777;

}  // namespace lumigram::os
