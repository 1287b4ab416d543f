#pragma once
// The help: HTML pages carried in the help archive, unpacked into a folder
// of the settings tree when help is first asked for, opened with the
// desktop's browser, and removed again when the program ends. There is no
// help window of our own.

#include <functional>
#include <string>
#include <string_view>

#include "storage/zip_box.h"

namespace lumigram {

class THelp {
 public:
  using TOpener = std::function<bool(const std::string& file)>;

  // title names the help folder; carrier is the help archive. An archive
  // that cannot be read is not reported here but by the first ShowHelpPage.
  // opener opens a page (default: the desktop's opener).
  THelp(std::string_view title, std::string_view carrier, TOpener opener = {});
  ~THelp();
  THelp(const THelp&) = delete;
  THelp& operator=(const THelp&) = delete;

  // The title with "*", "?", " ", "/" and "\" as "_".
  const std::string& HelpName() const { return name_; }
  // SettingsFolder("Help") + HelpName + "/"; empty when there is no
  // settings folder.
  std::string HelpFolder();
  std::string HelpFile(const std::string& name) { return HelpFolder() + name; }

  // Unpacks the pages unless they are there already.
  bool ExtractHelp();
  // Unpacks the pages and opens one.
  bool ShowHelpPage(const std::string& name);
  // Deletes the unpacked pages and then the folder, when nothing else is in
  // it. Errors are ignored.
  void RemoveHelpFiles();

  const std::string& LastError() const { return last_error_; }

 private:
  std::string name_;
  TZipBox box_;
  bool loaded_ = false;
  std::string load_error_;
  std::string folder_;
  TOpener opener_;
  std::string last_error_;
};

}  // namespace lumigram
