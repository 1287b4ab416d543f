#pragma once
// The failure texts every operation reports through its LastError. They are
// keys of the translation tables too, so they are spelled exactly once here.

namespace lumigram::err {

inline constexpr const char* kOutOfMemory = "Out of memory";
inline constexpr const char* kFileNotFound = "File not found";
inline constexpr const char* kFileInUse = "File in use";
inline constexpr const char* kOutOfDiskSpace = "Out of disk space";
inline constexpr const char* kUnknownFormat = "Unknown format";
inline constexpr const char* kUnsupportedFormat = "Unsupported format";
inline constexpr const char* kUnsupportedEncoding = "Unsupported encoding";
inline constexpr const char* kCapacityReached = "Capacity reached";
inline constexpr const char* kEmpty = "Empty";
inline constexpr const char* kTaskFailed = "Task failed";
inline constexpr const char* kTaskCancelled = "Task cancelled";
inline constexpr const char* kUnexpectedError = "Unexpected error";
inline constexpr const char* kIndexOutOfRange = "Index out of range";
inline constexpr const char* kAccessDenied = "Access denied";

// The anymap and X bitmap pictures end their texts with a full stop.
inline constexpr const char* kOutOfMemoryStop = "Out of memory.";
inline constexpr const char* kUnknownFormatStop = "Unknown format.";
inline constexpr const char* kFileNotFoundStop = "File not found.";
inline constexpr const char* kFileInUseStop = "File in use.";
inline constexpr const char* kInvalidDimensions = "Invalid dimensions.";
inline constexpr const char* kStreamWriteFailure = "Stream write failure.";

}  // namespace lumigram::err
