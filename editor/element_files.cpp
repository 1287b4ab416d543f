// What the element commands share: saving an element's file, reading one a
// user chose, the folder behind an open dialog, and repainting the card.

#include "editor/lumigram_creator.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/text.h"

namespace lumigram {

bool TLumigramCreator::WriteElementFile(const std::string& file, const std::string& bytes) {
  // The new file is written beside the old one and renamed over it: the old
  // file goes only once the new one is complete.
  last_error_ = err::kFileInUse;
  if (file.empty()) return false;
  last_error_ = err::kOutOfDiskSpace;
  std::string error;
  if (WriteStringToFile(file, bytes, error)) return true;
  if (!error.empty()) last_error_ = error;
  return false;
}

bool TLumigramCreator::ReadElementFile(const std::string& file, std::string& bytes,
                                       int64_t maxBytes) {
  bytes.clear();
  std::string error;
  if (ReadFileToString(file, bytes, error, maxBytes)) return true;
  bytes.clear();
  last_error_ = error.empty() ? err::kFileNotFound : error;
  return false;
}

std::string TLumigramCreator::DialogFolder(TDialogSetting setting) const {
  const std::string folder = ExtractFolder(dialogs_[size_t(setting)].FileName);
  return !folder.empty() && FolderExists(folder) ? folder : std::string();
}

bool TLumigramCreator::ViewDialogFolder(TDialogSetting setting) {
  return Execute(213, DialogFolder(setting));
}

void TLumigramCreator::RepaintCard() {
  card_->Info().State.LayoutDirty = true;
  CardRefresh(false);
}

}  // namespace lumigram
