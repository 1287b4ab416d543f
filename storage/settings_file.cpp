#include "storage/settings_file.h"

#include "storage/ini_file.h"
#include "util/files.h"
#include "util/paths.h"
#include "util/text.h"

namespace lumigram {

namespace {

constexpr const char* kSettingsSection = "Settings";
constexpr const char* kVersionSection = "Version";
constexpr const char* kOnTopKey = "OnTop";
constexpr const char* kVersionKey = "Version";
constexpr const char* kSupportFilesKey = "SupportFiles";

}  // namespace

std::string SettingsFileName() {
  try {
    const std::string folder = TPaths::Shared().SettingsFolder("Settings");
    return folder.empty() ? std::string() : folder + "Brimble Lumigram Creator.INI";
  } catch (...) {
    return {};
  }
}

TSettings ReadSettings() {
  TSettings settings;
  try {
    const std::string file = SettingsFileName();
    if (file.empty() || !FileExistsNotFolder(file)) return settings;
    TIniFile ini;
    if (!ini.LoadFromFile(file)) return settings;
    settings.OnTop = TextIsOne(ini.ReadString(kSettingsSection, kOnTopKey));
    settings.SupportFilesNeeded =
        ini.ReadString(kVersionSection, kSupportFilesKey) != kSupportFilesVersion;
  } catch (...) {
    return TSettings{};
  }
  return settings;
}

bool WriteSettings(bool onTop) {
  try {
    const std::string file = SettingsFileName();
    if (file.empty()) return false;
    TIniFile ini;
    if (FileExistsNotFolder(file) && !ini.LoadFromFile(file)) return false;
    return ini.WriteString(kSettingsSection, kOnTopKey, BoolToText(onTop)) &&
           ini.WriteString(kVersionSection, kVersionKey, kProgramVersion) &&
           ini.WriteString(kVersionSection, kSupportFilesKey, kSupportFilesVersion) &&
           ini.SaveToFile(file);
  } catch (...) {
    return false;
  }
}

}  // namespace lumigram
