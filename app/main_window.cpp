#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMenuBar>
#include <QVBoxLayout>
#include <filesystem>

#include "app/builtin_archives.h"
#include "app/compact_splash.h"
#include "app/companion_tools.h"
#include "app/help_viewer.h"
#include "card/card_platform.h"
#include "card/card_texts.h"
#include "card/lumigram.h"
#include "editor/command_codes.h"
#include "editor/editor_texts.h"
#include "editor/lumigram_creator.h"
#include "lang/translate.h"
#include "platform/qt/qt_image.h"
#include "platform/qt/shown_text.h"
#include "storage/settings_file.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/paths.h"

namespace lumigram {

namespace {

constexpr int kBevelHeight = 2;
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 50;
constexpr const char* kHelpPage = "index.html";
constexpr const char* kExtractQuestion = "Extract Support Files";

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error);
}

}  // namespace

TForm1::TForm1(TProgramArchives archives) : archives_(archives) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Form1"));
  setEnabled(false);
  menu_ = std::make_unique<TMainMenu>(*menuBar(), static_cast<TMenuHost&>(*this));
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  setCentralWidget(central);
}

TForm1::~TForm1() {
  FreeParts();
}

bool TForm1::FormCreate(TCardPlatform& platform, TEditorServices& services,
                        const TStartOptions& options) {
  platform_ = &platform;
  services_ = &services;
  options_ = options;
  try {
    LockUntilStarted();
    MakeSplash();
    if (!MakeEditor(platform, services)) {
      ShowError(startup_error_);
      splash_->Release();
      return false;
    }
    AddBevelAndToolbar();
    PlaceWindow();
    CopyProgramsToLibrary();
    OpenCardFromCommandLine();
    MakeHelpAndTranslateMenu();
    PlaceSupportFilesOnFirstStart();
    ConnectEditor();
    FinishStartUp();
    return true;
  } catch (...) {
    ShowError(err::kOutOfMemory);
    if (splash_) splash_->Release();
    return false;
  }
}

// ---- The steps of start-up, in their order ------------------------------------

// Nothing may be used before start-up is through.
void TForm1::LockUntilStarted() {
  support_files_needed_ = true;
  setEnabled(false);
  setWindowTitle(QString::fromLatin1(kApplicationTitle));
}

// The splash, shown as soon as it has its picture.
void TForm1::MakeSplash() {
  splash_ = std::make_unique<TCompactSplash>(nullptr);
  splash_->SetTitle(kApplicationTitle);
  splash_->SetFont(QFont(QStringLiteral("Arial"), 8, QFont::Bold), Qt::white);
  splash_->SetMargins(10, 10);
  splash_->SetVersion(kProgramVersion);
}

// The editor, then what it needs from the core archive.
bool TForm1::MakeEditor(TCardPlatform& platform, TEditorServices& services) {
  editor_ = std::make_unique<TLumigramCreator>(platform, services);
  return LoadCoreArchive();
}

// Bevel and toolbar under the menu bar.
void TForm1::AddBevelAndToolbar() {
  auto* layout = static_cast<QVBoxLayout*>(centralWidget()->layout());
  bevel_ = new QFrame(centralWidget());
  bevel_->setObjectName(QStringLiteral("Bevel"));
  bevel_->setFrameShape(QFrame::HLine);
  bevel_->setFrameShadow(QFrame::Sunken);
  bevel_->setFixedHeight(kBevelHeight);
  layout->addWidget(bevel_);
  if (options_.Toolbar) {
    toolbar_ = options_.Toolbar(*this, centralWidget());
    if (toolbar_ && toolbar_->Widget()) layout->addWidget(toolbar_->Widget());
  }
}

// Wide and low, as high as menu bar and toolbar need.
void TForm1::PlaceWindow() {
  setGeometry(0, 0, kWindowWidth, kWindowHeight);
  FormResize();
}

// The copy the card viewer's Edit action starts, and the companion tools.
void TForm1::CopyProgramsToLibrary() {
  CopyProgramToLibrary();
  CopyCompanionToolsToLibrary(options_.ProgramFile);
}

void TForm1::OpenCardFromCommandLine() {
  if (!options_.Arguments.empty() && !options_.Arguments[0].empty())
    RunCommand(kOpenCardFile, options_.Arguments[0]);
}

void TForm1::MakeHelpAndTranslateMenu() {
  help_ = std::make_unique<THelp>(kApplicationTitle, archives_.Help, options_.HelpOpener);
  menu_->TranslateMenu();
}

// The first start of this version puts the sample files in place.
void TForm1::PlaceSupportFilesOnFirstStart() {
  ReadSettings();
  if (support_files_needed_) {
    ExtractSupportFiles();
    WriteSettings();
  }
}

// Closing the card window never ends the program.
void TForm1::ConnectEditor() {
  editor_->OnBusyChanged = [this](TLumigramCreator& editor) { SetBusy(editor.Busy()); };
  editor_->OnChanged = [this](TLumigramCreator&) { RefreshToolbar(); };
  editor_->OnTick = [this](TLumigramCreator&) { RefreshToolbar(); };
  editor_->Card().ExitOnClose = false;
}

// Ready: enabled, the splash timed out, the window and the card shown.
void TForm1::FinishStartUp() {
  SetBusy(false);
  RefreshToolbar();
  setEnabled(true);
  splash_->CloseAfter(options_.SplashSeconds);
  UpdateCaption();
  show();
  editor_->Card().CentreAndShow();
}

// ---- Commands and the busy state ---------------------------------------------

bool TForm1::RunCommand(int code, const std::string& argument) {
  if (!editor_) return false;
  if (code < 0) return editor_->Execute(code, argument);
  SetBusy(true);
  const bool result = editor_->Execute(code, argument);
  if (!result) editor_->ShowLastError();
  SetBusy(false);
  return result;
}

bool TForm1::IsBusy() {
  return !menu_->TopMenusEnabled();
}

void TForm1::SetBusy(bool busy) {
  if (IsBusy() == busy) return;
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
  menu_->SetTopMenusEnabled(!busy);
  RefreshToolbar();
  if (toolbar_ && toolbar_->Widget()) toolbar_->Widget()->setEnabled(!busy);
  if (editor_) editor_->SetBusy(IsBusy());
  UpdateCaption();
  QApplication::processEvents();
}

void TForm1::EnsureEnabled() {
  if (!isEnabled() && editor_) setEnabled(true);
}

void TForm1::UpdateCaption() {
  if (!editor_) return;
  std::string caption = editor_->CardName() + " - " + kApplicationTitle;
  if (!editor_->Saved()) caption = "*" + caption;
  const QString shown = ShownText(caption);
  if (windowTitle() != shown) setWindowTitle(shown);
}

void TForm1::RefreshToolbar() {
  if (toolbar_) toolbar_->RefreshButtons();
  UpdateCaption();
}

void TForm1::FormResize() {
  int height = menuBar()->sizeHint().height() + kBevelHeight;
  if (toolbar_ && toolbar_->Widget()) height += toolbar_->Widget()->sizeHint().height();
  resize(width(), height);
}

void TForm1::SetStayOnTop(bool on) {
  if (IsStayOnTop() == on) return;
  const bool visible = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, on);
  // Changing a window's flags hides it.
  if (visible) show();
}

bool TForm1::IsStayOnTop() const {
  return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void TForm1::ShowError(const std::string& text) {
  if (platform_) platform_->Dialogs().ShowError(Translate(editor_text::kError), Translate(text));
}

// ---- Closing -------------------------------------------------------------------

void TForm1::closeEvent(QCloseEvent* event) {
  // The window is never closed by the window system, only by CloseApplication.
  event->ignore();
  try {
    CloseApplication();
  } catch (...) {
  }
}

void TForm1::CloseApplication() {
  if (terminated_ || !editor_) return;
  if (!editor_->QuerySaveChanges()) return;
  hide();
  WriteSettings();
  FreeParts();
  terminated_ = true;
  if (options_.OnTerminate)
    options_.OnTerminate();
  else
    QApplication::quit();
}

void TForm1::FreeParts() {
  if (IsBusy()) {
    menu_->SetTopMenusEnabled(true);
    QApplication::restoreOverrideCursor();
  }
  splash_.reset();
  help_.reset();
  editor_.reset();
  toolbar_.reset();
}

// ---- Settings --------------------------------------------------------------------

void TForm1::ReadSettings() {
  const TSettings settings = lumigram::ReadSettings();
  SetStayOnTop(settings.OnTop);
  if (!settings.SupportFilesNeeded) support_files_needed_ = false;
}

void TForm1::WriteSettings() {
  lumigram::WriteSettings(IsStayOnTop());
}

// ---- Archives --------------------------------------------------------------------

bool TForm1::LoadCoreArchive() {
  TCoreArchiveContent content;
  if (!lumigram::LoadCoreArchive(archives_.Core, content, startup_error_)) return false;
  if (content.HasSplash) {
    splash_->SetPicture(QPixmap::fromImage(ToQImage(content.Splash)));
    splash_->ShowSplash();
  }
  if (content.HasViewer) editor_->SetViewerImage(std::move(content.ViewerImage));
  return true;
}

bool TForm1::ExtractSupportFiles() {
  return lumigram::ExtractSupportFiles(archives_.Support, TPaths::Shared().MakerFolder(),
                                       startup_error_);
}

void TForm1::ExtractSupportFilesCommand() {
  SetBusy(true);
  if (services_->AskWarningYesNo(TranslateLite(editor_text::kWarning),
                                 TranslateLite(kExtractQuestion) + "?") &&
      !ExtractSupportFiles())
    ShowError(startup_error_);
  SetBusy(false);
}

void TForm1::CopyProgramToLibrary() {
  if (options_.ProgramFile.empty()) return;
  const std::string folder = TPaths::Shared().MakerFolder(card_text::kEditorFolder);
  if (folder.empty()) return;
  const std::string copy = folder + card_text::kEditorProgram;
  // Started from that copy (the card viewer's Edit action does so), copying
  // would delete the very file being copied.
  if (SameFile(options_.ProgramFile, copy)) return;
  CopyFileTo(options_.ProgramFile, copy);
}

// ---- Menus -------------------------------------------------------------------------

bool TForm1::MenuQuery(int code) {
  return RunCommand(-code);
}

const TLumigramInfo& TForm1::MenuCardInfo() {
  return editor_->Card().Info();
}

std::string TForm1::MenuSoundClipboardType() {
  return editor_->SoundClipboardType();
}

std::string TForm1::ArgumentOf(const TMenuRow& row) const {
  if (row.ArgumentKind == TMenuArgument::Library) return TPaths::Shared().MakerFolder(row.Argument);
  return row.Argument;
}

bool TForm1::RunMenuItem(std::string_view name) {
  const TMenuRow* row = FindMenuRow(name);
  if (!row || row->Action == TMenuAction::Submenu || IsBusy()) return false;
  MenuChosen(*row);
  return true;
}

void TForm1::MenuChosen(const TMenuRow& row) {
  // Commands never nest: a shortcut arriving while busy is dropped.
  if (!editor_ || IsBusy()) return;
  // Nothing may escape into Qt's event loop; a failed handler changes nothing more.
  try {
    RunMenuRow(row);
  } catch (...) {
    if (editor_ && IsBusy()) SetBusy(false);
  }
}

void TForm1::RunMenuRow(const TMenuRow& row) {
  switch (row.Action) {
    case TMenuAction::Submenu:
    case TMenuAction::Separator:
      break;
    case TMenuAction::Command:
      RunCommand(row.Code, ArgumentOf(row));
      break;
    case TMenuAction::NewCard:
      if (editor_->QuerySaveChanges()) RunCommand(row.Code);
      break;
    case TMenuAction::NewInstance:
      if (!options_.ProgramFile.empty()) platform_->Desktop().StartProgram({options_.ProgramFile});
      break;
    case TMenuAction::Tool:
      StartTool(row);
      break;
    case TMenuAction::ExtractSupportFiles:
      ExtractSupportFilesCommand();
      break;
    case TMenuAction::WebPage:
      platform_->Desktop().OpenDocument(row.Argument);
      break;
    case TMenuAction::Exit:
      CloseApplication();
      break;
    case TMenuAction::Information:
      ShowInformation();
      break;
    case TMenuAction::OnTop:
      SetStayOnTop(!IsStayOnTop());
      break;
    case TMenuAction::Flash:
      RunCommand(row.Code, MenuQuery(kFlashOn) ? "0" : "1");
      break;
    case TMenuAction::Help:
      ShowHelp();
      break;
    case TMenuAction::About:
      if (splash_) splash_->ShowAbout();
      break;
  }
}

void TForm1::StartTool(const TMenuRow& row) {
  for (const TCompanionTool& tool : kCompanionTools) {
    if (std::string_view(tool.Name) != row.Name) continue;
    if (!CompanionToolPresent(tool)) return;
    SetBusy(true);
    platform_->Desktop().StartProgram({CompanionToolFile(tool)});
    SetBusy(false);
  }
}

void TForm1::ShowInformation() {
  SetBusy(true);
  editor_->ShowInformation();
  SetBusy(false);
}

void TForm1::ShowHelp() {
  SetBusy(true);
  if (help_ && !help_->ShowHelpPage(kHelpPage)) ShowError(help_->LastError());
  SetBusy(false);
}

}  // namespace lumigram
