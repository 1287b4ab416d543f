#include "lang/language_file.h"

#include <chrono>
#include <thread>

#include "util/error_texts.h"
#include "util/files.h"
#include "util/os/file_system.h"

namespace lumigram {

namespace {

constexpr int kTries = 10;
constexpr auto kPause = std::chrono::milliseconds(20);

}  // namespace

bool ReadLanguageFile(const std::string& path, int64_t offset, std::string& data,
                      std::string& error) {
  error = err::kFileNotFound;
  if (!FileExistsNotFolder(path)) return false;
  error = err::kFileInUse;
  if (os::StatusOf(path).Kind != os::TFileKind::File) return false;
  std::string bytes;
  if (!ReadFileToString(path, bytes, error, kMaxLanguageFileSize)) return false;
  data = offset > 0
             ? (uint64_t(offset) < bytes.size() ? bytes.substr(size_t(offset)) : std::string())
             : std::move(bytes);
  return true;
}

bool LoadWithRetries(const std::function<bool()>& load,
                     const std::function<std::string()>& lastError,
                     const std::function<void()>& pause) {
  for (int attempt = 1;; ++attempt) {
    if (load()) return true;
    if (attempt == kTries || lastError() != err::kFileInUse) return false;
    if (pause)
      pause();
    else
      std::this_thread::sleep_for(kPause);
  }
}

}  // namespace lumigram
