#pragma once
// Where every file goes. The maker's library (pictures, cursors, sounds,
// frames, messages, saved cards, ...) lives under the XDG data home, the
// settings tree (settings, help, temporary files) under the XDG config home,
// the desktop and other user folders come from the XDG user directories.
// Every folder returned ends in "/"; an empty text means "not available".
// The environment is read on every call, so tests can point HOME and the XDG
// variables at a scratch folder.

#include <string>

namespace lumigram {

class TPaths {
 public:
  // The one shared object, created on first use.
  static TPaths& Shared();

  std::string HomeFolder() const;
  std::string DataHome() const;    // $XDG_DATA_HOME or ~/.local/share/
  std::string ConfigHome() const;  // $XDG_CONFIG_HOME or ~/.config/
  std::string TempFolder() const;  // $TMPDIR or /tmp/

  // A user directory of the XDG user-dirs file (DESKTOP, DOCUMENTS, ...), with
  // the defaults xdg-user-dirs uses when the file does not name it.
  std::string UserDirectory(const std::string& name) const;
  std::string DesktopFolder() const;
  // Where launchers of the start menu live: the applications folder.
  std::string StartMenuFolder() const;
  std::string FontsFolder() const;

  // The maker folder "Kelvado Enterprises/" under the data home, plus sub
  // (with "/" when sub is not empty); the folder and its parents are created.
  std::string MakerFolder(const std::string& sub = "") const;
  std::string MakerFolderNoCreate(const std::string& sub = "") const;
  // The settings tree "Kelvado Enterprises/" under the config home, plus sub;
  // always created when missing.
  std::string SettingsFolder(const std::string& sub = "") const;
  // MakerFolder("Clipboard") + "clipboard-object-" + ext + "." + ext.
  std::string ClipboardObjectFile(const std::string& ext) const;

  static constexpr const char* kMakerName = "Kelvado Enterprises";
};

}  // namespace lumigram
