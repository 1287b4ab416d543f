#pragma once
// The creator's main window TForm1: a wide, low window holding the menu bar,
// a bevel and the toolbar. It creates the editor (whose card lives in a
// window of its own), the splash, the help and the toolbar, runs every menu
// and toolbar action through RunCommand and closes the program in one
// controlled sequence.

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "app/embedded_archives.h"
#include "app/main_menu.h"
#include "app/shell_host.h"

class QFrame;

namespace lumigram {

class TCardPlatform;
class TCompactSplash;
class TEditorServices;
class THelp;
class TLumigramCreator;

inline constexpr const char* kApplicationTitle = "Brimble Lumigram Creator";

struct TStartOptions {
  // The command line after the program's name; the first word may name a
  // card file to open.
  std::vector<std::string> Arguments;
  // The running program, copied into the library for the card viewer's Edit
  // action and started again by New Instance; empty skips both.
  std::string ProgramFile;
  // Makes the toolbar; without one the window has menus only.
  TToolbarFactory Toolbar;
  // How long the splash stays once the window is up.
  int SplashSeconds = 1;
  // Opens help pages (default: the desktop's opener).
  std::function<bool(const std::string&)> HelpOpener;
  // Called once the program is to end (default: quit the application's loop).
  std::function<void()> OnTerminate;
};

class TForm1 final : public QMainWindow, private TMenuHost, public TShellHost {
 public:
  explicit TForm1(TProgramArchives archives);
  ~TForm1() override;

  // The start-up sequence. False when the program must stop: the error box
  // has then been shown and nothing else is visible.
  bool FormCreate(TCardPlatform& platform, TEditorServices& services, const TStartOptions& options);

  // ---- TShellHost ----
  TLumigramCreator& Editor() override { return *editor_; }
  bool RunCommand(int code, const std::string& argument = {}) override;
  bool RunMenuItem(std::string_view name) override;
  bool IsBusy() override;
  void SetBusy(bool busy) override;
  void UpdateCaption() override;
  void EnsureEnabled() override;

  void RefreshToolbar();
  void SetStayOnTop(bool on);
  bool IsStayOnTop() const;
  // Asks to save a changed card; on Cancel the program keeps running.
  void CloseApplication();
  // Frees splash, help, editor and toolbar; safe to call more than once.
  void FreeParts();

  // ---- The built-in archives ----
  bool LoadCoreArchive();
  bool ExtractSupportFiles();
  const std::string& StartupError() const { return startup_error_; }
  bool SupportFilesNeeded() const { return support_files_needed_; }

  // ---- Settings ----
  void ReadSettings();
  void WriteSettings();

  TMainMenu& Menu() { return *menu_; }
  TCompactSplash* Splash() { return splash_.get(); }
  THelp* Help() { return help_.get(); }
  TMainToolbar* Toolbar() { return toolbar_.get(); }
  bool HasEditor() const { return editor_ != nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The steps of FormCreate, in their order.
  void LockUntilStarted();
  void MakeSplash();
  bool MakeEditor(TCardPlatform& platform, TEditorServices& services);
  void AddBevelAndToolbar();
  void PlaceWindow();
  void CopyProgramsToLibrary();
  void OpenCardFromCommandLine();
  void MakeHelpAndTranslateMenu();
  void PlaceSupportFilesOnFirstStart();
  void ConnectEditor();
  void FinishStartUp();

  // ---- TMenuHost ----
  bool MenuQuery(int code) override;
  const TLumigramInfo& MenuCardInfo() override;
  std::string MenuSoundClipboardType() override;
  bool MenuStayOnTop() override { return IsStayOnTop(); }
  void MenuChosen(const TMenuRow& row) override;
  void RunMenuRow(const TMenuRow& row);

  void FormResize();
  void ShowError(const std::string& text);
  void ExtractSupportFilesCommand();
  void ShowHelp();
  void ShowInformation();
  void StartTool(const TMenuRow& row);
  void CopyProgramToLibrary();
  std::string ArgumentOf(const TMenuRow& row) const;

  TProgramArchives archives_;
  TCardPlatform* platform_ = nullptr;
  TEditorServices* services_ = nullptr;
  TStartOptions options_;
  bool support_files_needed_ = true;
  std::string startup_error_;
  std::unique_ptr<TCompactSplash> splash_;
  std::unique_ptr<TLumigramCreator> editor_;
  std::unique_ptr<TMainMenu> menu_;
  QFrame* bevel_ = nullptr;
  std::unique_ptr<TMainToolbar> toolbar_;
  std::unique_ptr<THelp> help_;
  bool terminated_ = false;
};

}  // namespace lumigram
