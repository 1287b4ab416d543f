#include "app/help_viewer.h"

#include <unistd.h>

#include "app/builtin_archives.h"
#include "storage/box_path.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/launch.h"
#include "util/paths.h"

namespace lumigram {

namespace {

constexpr const char* kDefaultHelpName = "Lumigram_Help";
// The first page of the set; when it is there the set was unpacked before.
constexpr const char* kMarkerFile = "index.html";

std::string HelpNameOf(std::string_view title) {
  if (title.empty()) return kDefaultHelpName;
  std::string name(title);
  for (char& c : name)
    if (c == '*' || c == '?' || c == ' ' || c == '/' || c == '\\') c = '_';
  return name;
}

}  // namespace

THelp::THelp(std::string_view title, std::string_view carrier, TOpener opener)
    : name_(HelpNameOf(title)), opener_(std::move(opener)) {
  if (!opener_) opener_ = [](const std::string& file) { return OpenDocument(file); };
  loaded_ = LoadBoxFromCarrier(carrier, box_, load_error_);
}

THelp::~THelp() {
  RemoveHelpFiles();
}

std::string THelp::HelpFolder() {
  if (folder_.empty()) {
    const std::string settings = TPaths::Shared().SettingsFolder("Help");
    if (!settings.empty()) folder_ = settings + name_ + "/";
  }
  return folder_;
}

bool THelp::ExtractHelp() {
  last_error_ = err::kFileInUse;
  const std::string folder = HelpFolder();
  if (folder.empty()) return false;
  const std::string asFile = folder.substr(0, folder.size() - 1);
  if (FileExistsNotFolder(asFile) && !DeleteFileIfExists(asFile)) return false;
  ForceFolder(folder);
  last_error_ = err::kOutOfDiskSpace;
  if (!FolderExists(folder)) return false;
  if (FileExistsNotFolder(folder + kMarkerFile)) return true;
  if (!loaded_) {
    last_error_ = load_error_;
    return false;
  }
  // The pages go flat into the folder, whatever their folder in the box.
  for (int i = 0; i < box_.Count(); ++i) {
    const TBoxItem* item = box_.Items(i);
    if (!IsSafeBoxName(item->pName)) {
      last_error_ = err::kAccessDenied;
      return false;
    }
    if (!box_.ExtractToFile(item, HelpFile(item->pName), false)) {
      last_error_ = box_.LastError();
      return false;
    }
  }
  return true;
}

bool THelp::ShowHelpPage(const std::string& name) {
  last_error_ = err::kOutOfMemory;
  if (!ExtractHelp()) return false;
  last_error_ = err::kFileNotFound;
  const std::string file = HelpFile(name);
  if (!FileExistsNotFolder(file)) return false;
  opener_(file);
  return true;
}

void THelp::RemoveHelpFiles() {
  if (folder_.empty() || !FolderExists(folder_)) return;
  // Exactly the files the set holds: anything else the user put there stays.
  for (int i = 0; i < box_.Count(); ++i) {
    const TBoxItem* item = box_.Items(i);
    if (IsSafeBoxName(item->pName)) DeleteFileIfExists(folder_ + item->pName);
  }
  ::rmdir(folder_.c_str());
}

}  // namespace lumigram
