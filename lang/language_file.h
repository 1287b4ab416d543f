#pragma once
// Reading a language file from disk, shared by both tables.

#include <cstdint>
#include <functional>
#include <string>

namespace lumigram {

// No real language file comes near this; a larger one is refused rather than
// held in memory.
inline constexpr int64_t kMaxLanguageFileSize = int64_t(64) << 20;

// The file's bytes from offset on. Fails with "File not found", "File in
// use" (also for anything but a plain file: a pipe or device could block or
// never end) or "Out of memory" (larger than kMaxLanguageFileSize).
bool ReadLanguageFile(const std::string& path, int64_t offset, std::string& data,
                      std::string& error);

// Runs load up to 10 times while it fails with "File in use" (another program
// may be replacing the file), pausing 20 ms between tries; pause replaces the
// wait when given. Returns the last result.
bool LoadWithRetries(const std::function<bool()>& load,
                     const std::function<std::string()>& lastError,
                     const std::function<void()>& pause = {});

}  // namespace lumigram
