#include "tests/app/app_fixtures.h"

#include <filesystem>

#include "storage/box_carrier.h"
#include "storage/box_item.h"
#include "storage/settings_file.h"
#include "storage/zip_box.h"
#include "tests/editor/editor_fixtures.h"
#include "util/files.h"
#include "util/paths.h"

namespace lumigram::testing {

void ResetHome() {
  std::error_code ignored;
  std::filesystem::remove_all(TPaths::Shared().MakerFolderNoCreate(), ignored);
  std::filesystem::remove_all(TPaths::Shared().ConfigHome() + TPaths::kMakerName, ignored);
}

std::string MakerFolder() {
  return TPaths::Shared().MakerFolder();
}

std::string SettingsFile() {
  return lumigram::SettingsFileName();
}

std::string MakeArchive(const std::vector<std::pair<std::string, std::string>>& items,
                        const std::string& folder) {
  TZipBox box;
  std::string error;
  for (const auto& [name, bytes] : items) {
    auto item = std::make_unique<TBoxItem>();
    MakeBoxItem(name, folder, bytes, kMethodZlib, *item, error);
    box.Add(std::move(item));
  }
  TMemoryStream records;
  box.SaveToStream(records);
  std::string image;
  WrapInCarrier(records.Data(), image, error);
  return image;
}

std::string FileBytes(const std::string& path) {
  std::string bytes, error;
  ReadFileToString(path, bytes, error);
  return bytes;
}

TFormOnDouble::TFormOnDouble(TStartOptions options, bool start) {
  if (start)
    Start(EmbeddedArchives(), std::move(options));
  else
    Form = std::make_unique<TForm1>(EmbeddedArchives());
}

TFormOnDouble::TFormOnDouble(TProgramArchives archives, TStartOptions options) {
  Start(archives, std::move(options));
}

void TFormOnDouble::Start(TProgramArchives archives, TStartOptions options) {
  Form = std::make_unique<TForm1>(archives);
  options.SplashSeconds = 0;
  if (!options.OnTerminate) options.OnTerminate = [this] { ++Terminations; };
  if (!options.HelpOpener)
    options.HelpOpener = [this](const std::string& file) {
      HelpOpened.push_back(file);
      return true;
    };
  Started = Form->FormCreate(Platform, Services, options);
}

TFormOnDouble::~TFormOnDouble() {
  Form.reset();
}

int TFormOnDouble::ErrorBoxes(const std::string& text) const {
  int count = 0;
  for (const auto& box : Platform.DialogsDouble.Shown)
    if (box.Kind == TScriptedCardDialogs::TKind::Error && box.Text == text) ++count;
  return count;
}

int TFormOnDouble::ErrorBoxes() const {
  int count = 0;
  for (const auto& box : Platform.DialogsDouble.Shown)
    if (box.Kind == TScriptedCardDialogs::TKind::Error) ++count;
  return count;
}

}  // namespace lumigram::testing
