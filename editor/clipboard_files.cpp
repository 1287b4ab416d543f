// Clipboard transfer files: every element but the picture travels between
// instances (and other programs of the maker) as a file in the library's
// "Clipboard" folder.

#include <cctype>

#include "editor/lumigram_creator.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/paths.h"

namespace lumigram {

namespace {

// A type names a file: letters and digits only, so no argument can reach
// outside the clipboard folder.
bool IsSafeType(const std::string& type) {
  if (type.empty() || type.size() > 16) return false;
  for (const char c : type)
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return true;
}

}  // namespace

std::string TLumigramCreator::ClipboardFile(const std::string& type) const {
  return IsSafeType(type) ? TPaths::Shared().ClipboardObjectFile(type) : std::string();
}

bool TLumigramCreator::ClipboardFileExists(const std::string& type) const {
  const std::string file = ClipboardFile(type);
  return !file.empty() && FileExistsNotFolder(file);
}

bool TLumigramCreator::WriteClipboardFile(const std::string& type, const std::string& bytes) {
  const std::string file = ClipboardFile(type);
  last_error_ = err::kFileInUse;
  if (file.empty() || !DeleteFileIfExists(file)) return false;
  last_error_ = err::kOutOfDiskSpace;
  std::string error;
  if (!WriteStringToFile(file, bytes, error)) {
    if (!error.empty()) last_error_ = error;
    return false;
  }
  return true;
}

bool TLumigramCreator::ReadClipboardFile(const std::string& type, std::string& bytes,
                                         int64_t maxBytes) {
  bytes.clear();
  const std::string file = ClipboardFile(type);
  last_error_ = err::kFileNotFound;
  if (file.empty()) return false;
  std::string error;
  if (!ReadFileToString(file, bytes, error, maxBytes)) {
    bytes.clear();
    if (!error.empty()) last_error_ = error;
    return false;
  }
  return true;
}

}  // namespace lumigram
