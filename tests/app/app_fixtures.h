#pragma once
// What the shell's tests share: a main window started on the card platform
// double and the scripted services, archives made to order, and a fresh
// library and settings tree.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "tests/support/card_platform_double.h"
#include "tests/support/editor_services_double.h"

namespace lumigram::testing {

// Empties the library and the settings tree of the test home.
void ResetHome();
std::string MakerFolder();
std::string SettingsFile();

// A carrier image holding one item per (name, bytes), under the box folder.
std::string MakeArchive(const std::vector<std::pair<std::string, std::string>>& items,
                        const std::string& folder = "\\");

// The bytes of a file, empty when it cannot be read.
std::string FileBytes(const std::string& path);

struct TFormOnDouble {
  // Starts the window with the built archives unless told otherwise.
  explicit TFormOnDouble(TStartOptions options = {}, bool start = true);
  TFormOnDouble(TProgramArchives archives, TStartOptions options);
  ~TFormOnDouble();

  TForm1& operator*() { return *Form; }
  TForm1* operator->() { return Form.get(); }
  // How many error boxes showed exactly this text.
  int ErrorBoxes(const std::string& text) const;
  int ErrorBoxes() const;

  TCardPlatformDouble Platform;
  TEditorServicesDouble Services;
  std::unique_ptr<TForm1> Form;
  bool Started = false;
  int Terminations = 0;
  std::vector<std::string> HelpOpened;

 private:
  void Start(TProgramArchives archives, TStartOptions options);
};

}  // namespace lumigram::testing
