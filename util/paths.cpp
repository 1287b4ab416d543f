#include "util/paths.h"

#include "util/files.h"
#include "util/os/environment.h"
#include "util/text.h"

namespace lumigram {

namespace {

// XDG says relative values are invalid and must be ignored.
std::string AbsoluteFolderFromEnvironment(const char* name) {
  const std::string value = os::Environment(name);
  return !value.empty() && value[0] == '/' ? IncludeSlash(value) : std::string();
}

std::string WithSub(const std::string& base, const std::string& sub) {
  if (base.empty()) return {};
  return sub.empty() ? base : IncludeSlash(base + sub);
}

// The value of NAME="..." in a user-dirs file, with $HOME expanded.
std::string UserDirFromFile(const std::string& file, const std::string& key,
                            const std::string& home) {
  std::string text, error;
  if (!ReadFileToString(file, text, error, 64 * 1024)) return {};
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    const std::string prefix = key + "=\"";
    if (line.rfind(prefix, 0) != 0) continue;
    const size_t close = line.find('"', prefix.size());
    if (close == std::string::npos) continue;
    std::string value = line.substr(prefix.size(), close - prefix.size());
    if (value.rfind("$HOME", 0) == 0)
      value = home + value.substr(std::min<size_t>(6, value.size()));
    else if (value.empty() || value[0] != '/')
      continue;
    return IncludeSlash(value);
  }
  return {};
}

}  // namespace

TPaths& TPaths::Shared() {
  static TPaths paths;
  return paths;
}

std::string TPaths::HomeFolder() const {
  const std::string home = os::HomeFolder();
  return home.empty() ? std::string() : IncludeSlash(home);
}

std::string TPaths::DataHome() const {
  const std::string folder = AbsoluteFolderFromEnvironment("XDG_DATA_HOME");
  if (!folder.empty()) return folder;
  const std::string home = HomeFolder();
  return home.empty() ? std::string() : home + ".local/share/";
}

std::string TPaths::ConfigHome() const {
  const std::string folder = AbsoluteFolderFromEnvironment("XDG_CONFIG_HOME");
  if (!folder.empty()) return folder;
  const std::string home = HomeFolder();
  return home.empty() ? std::string() : home + ".config/";
}

std::string TPaths::TempFolder() const {
  const std::string folder = AbsoluteFolderFromEnvironment("TMPDIR");
  return folder.empty() ? "/tmp/" : folder;
}

std::string TPaths::UserDirectory(const std::string& name) const {
  const std::string home = HomeFolder();
  if (home.empty()) return {};
  const std::string key = "XDG_" + name + "_DIR";
  const std::string fromFile = UserDirFromFile(ConfigHome() + "user-dirs.dirs", key, home);
  if (!fromFile.empty()) return fromFile;
  // The English defaults xdg-user-dirs-update would write.
  static const struct {
    const char* Name;
    const char* Folder;
  } kDefaults[] = {{"DESKTOP", "Desktop"},     {"DOCUMENTS", "Documents"},
                   {"DOWNLOAD", "Downloads"},  {"MUSIC", "Music"},
                   {"PICTURES", "Pictures"},   {"VIDEOS", "Videos"},
                   {"TEMPLATES", "Templates"}, {"PUBLICSHARE", "Public"}};
  for (const auto& row : kDefaults)
    if (name == row.Name) return home + row.Folder + "/";
  return {};
}

std::string TPaths::DesktopFolder() const {
  return UserDirectory("DESKTOP");
}

std::string TPaths::StartMenuFolder() const {
  return WithSub(DataHome(), "applications");
}

std::string TPaths::FontsFolder() const {
  return WithSub(DataHome(), "fonts");
}

std::string TPaths::MakerFolderNoCreate(const std::string& sub) const {
  return WithSub(WithSub(DataHome(), kMakerName), sub);
}

std::string TPaths::MakerFolder(const std::string& sub) const {
  const std::string folder = MakerFolderNoCreate(sub);
  return !folder.empty() && ForceFolder(folder) ? folder : std::string();
}

std::string TPaths::SettingsFolder(const std::string& sub) const {
  const std::string folder = WithSub(WithSub(ConfigHome(), kMakerName), sub);
  return !folder.empty() && ForceFolder(folder) ? folder : std::string();
}

std::string TPaths::ClipboardObjectFile(const std::string& ext) const {
  const std::string folder = MakerFolder("Clipboard");
  return folder.empty() ? std::string() : folder + "clipboard-object-" + ext + "." + ext;
}

}  // namespace lumigram
