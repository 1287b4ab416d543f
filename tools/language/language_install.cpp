#include "tools/language/language_install.h"

#include "lang/language.h"
#include "lang/lite_language.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/paths.h"

namespace lumigram {

namespace {

// No language file comes near this; anything larger is not one of ours.
constexpr int64_t kLanguageFileCap = int64_t(16) << 20;

bool RemoveFiles(const std::string& folder, std::string& error) {
  const bool removed = DeleteFileIfExists(folder + TLanguage::kFileName) &&
                       DeleteFileIfExists(folder + TLiteLanguage::kFileName);
  if (!removed) error = err::kFileInUse;
  return removed;
}

bool SameFileBytes(const std::string& path, std::string_view bytes) {
  std::string data, error;
  return ReadFileToString(path, data, error, kLanguageFileCap) && data == bytes;
}

}  // namespace

std::string LanguageFolder() {
  return TPaths::Shared().SettingsFolder("Settings");
}

bool InstallLanguage(const TBuiltInLanguage& language, const std::string& folder,
                     std::string& error) {
  if (folder.empty()) {
    error = err::kFileNotFound;
    return false;
  }
  if (language.Main.empty() && language.Light.empty()) return RemoveFiles(folder, error);

  // A pair the tables would refuse is never put where they look.
  TLanguage main;
  TLiteLanguage light;
  if (!main.LoadFromBytes(language.Main)) {
    error = main.LastError();
    return false;
  }
  if (!light.LoadFromBytes(language.Light)) {
    error = light.LastError();
    return false;
  }
  if (!WriteStringToFile(folder + TLanguage::kFileName, std::string(language.Main), error))
    return false;
  if (!WriteStringToFile(folder + TLiteLanguage::kFileName, std::string(language.Light), error)) {
    std::string ignored;
    RemoveFiles(folder, ignored);
    return false;
  }
  return true;
}

std::string InstalledLanguageKey(const std::vector<TBuiltInLanguage>& languages,
                                 const std::string& folder) {
  const std::string mainPath = folder + TLanguage::kFileName;
  const std::string lightPath = folder + TLiteLanguage::kFileName;
  const bool hasMain = FileExistsNotFolder(mainPath), hasLight = FileExistsNotFolder(lightPath);
  for (const TBuiltInLanguage& language : languages) {
    if (language.Main.empty() && language.Light.empty()) {
      if (!hasMain && !hasLight) return language.Key;
      continue;
    }
    if (hasMain && hasLight && SameFileBytes(mainPath, language.Main) &&
        SameFileBytes(lightPath, language.Light))
      return language.Key;
  }
  return {};
}

}  // namespace lumigram
