// The commands on the card as a whole: undo, new, centre, print, open, save,
// the replace check, open folder, copy all and paste all.

#include "card/card_platform.h"
#include "card/lumigram.h"
#include "editor/command_codes.h"
#include "editor/commands/command_context.h"
#include "editor/commands/command_table.h"
#include "editor/editor_services.h"
#include "editor/editor_texts.h"
#include "lang/translate.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/screen_layout.h"
#include "util/text.h"

namespace lumigram {

namespace {

class TCardCommands : public TCommandContext {
 public:
  using TCommandContext::TCommandContext;

  bool QueryCanUndo(const std::string&);
  bool QueryNotCentred(const std::string&);
  bool QueryCanPrint(const std::string&);
  bool QueryCardPathExists(const std::string&);
  bool QueryIsCardFile(const std::string& file);
  bool QueryFolderExists(const std::string& folder);
  bool QueryCanPasteAll(const std::string&);
  bool UndoCommand(const std::string&);
  bool NewCardCommand(const std::string&);
  bool CentreCard(const std::string&);
  bool PrintCard(const std::string&);
  bool OpenCardFile(const std::string& file);
  bool OpenCard(const std::string& folder);
  bool SaveCardToFile(const std::string& file);
  bool SaveCardAs(const std::string& folder);
  bool SaveCardCommand(const std::string&);
  bool OpenFolder(const std::string& folder);
  bool CopyAll(const std::string&);
  bool PasteAll(const std::string&);
  bool PrintToClipboard(const std::string&);
};

}  // namespace

TCommandRows CardCommands() {
  using C = TCardCommands;
  constexpr const char* kFailed = err::kUnexpectedError;
  static constexpr TCommandRow kRows[] = {
      {kUndo, Handler<&C::QueryCanUndo>, Handler<&C::UndoCommand>, kFailed},
      {kNewCard, nullptr, Handler<&C::NewCardCommand>, kFailed},
      {kCentreCard, Handler<&C::QueryNotCentred>, Handler<&C::CentreCard>, kFailed},
      {kPrintCard, Handler<&C::QueryCanPrint>, Handler<&C::PrintCard>, kFailed},
      {kOpenCardFile, nullptr, Handler<&C::OpenCardFile>, kFailed},
      {kOpenCard, nullptr, Handler<&C::OpenCard>, kFailed},
      {kSaveCardToFile, nullptr, Handler<&C::SaveCardToFile>, kFailed},
      {kSaveCardAs, nullptr, Handler<&C::SaveCardAs>, kFailed},
      {kSaveCard, Handler<&C::QueryCardPathExists>, Handler<&C::SaveCardCommand>, kFailed},
      {kIsCardFile, Handler<&C::QueryIsCardFile>, nullptr, nullptr},
      {kOpenFolder, Handler<&C::QueryFolderExists>, Handler<&C::OpenFolder>,
       editor_text::kPathNotFound},
      {kCopyAll, nullptr, Handler<&C::CopyAll>, nullptr},
      {kPasteAll, Handler<&C::QueryCanPasteAll>, Handler<&C::PasteAll>, nullptr},
      {kPrintToClipboard, Handler<&C::QueryCanPrint>, Handler<&C::PrintToClipboard>, kFailed},
  };
  return kRows;
}

bool TCardCommands::QueryCanUndo(const std::string&) {
  return CanUndo();
}

bool TCardCommands::UndoCommand(const std::string&) {
  return Undo();
}

bool TCardCommands::NewCardCommand(const std::string&) {
  NewCard(true);
  return true;
}

bool TCardCommands::QueryNotCentred(const std::string&) {
  const TCardWindow* window = Card().Window();
  if (!window) return false;
  const TRect bounds = window->Bounds();
  const TPoint screen = window->ScreenSize();
  const TPoint centred = CenterOnScreen(screen.X, screen.Y, bounds.Width(), bounds.Height());
  return bounds.Left != centred.X || bounds.Top != centred.Y;
}

bool TCardCommands::CentreCard(const std::string&) {
  Card().Centre();
  return true;
}

bool TCardCommands::QueryCanPrint(const std::string&) {
  return Platform().Desktop().CanPrint();
}

bool TCardCommands::PrintCard(const std::string&) {
  Error() = err::kOutOfMemory;
  const TBitmap image = Card().RenderForPrint();
  if (image.Empty()) {
    Error() = err::kUnknownFormat;
    return false;
  }
  std::string error;
  if (Platform().Desktop().Print(image, TranslateLite(editor_text::kPrintTitle), error))
    return true;
  Error() = error.empty() ? err::kUnexpectedError : error;
  return false;
}

bool TCardCommands::PrintToClipboard(const std::string&) {
  Error() = err::kTaskFailed;
  const TBitmap image = Card().RenderForPrint();
  return !image.Empty() && Services().SetClipboardBitmap(image);
}

bool TCardCommands::OpenCardFile(const std::string& file) {
  if (!QuerySaveChanges()) return true;
  return LoadCard(file);
}

bool TCardCommands::OpenCard(const std::string& folder) {
  if (!RunFileDialog(TDialogSetting::OpenCard, TFileDialogKind::Open, folder)) return true;
  if (!QuerySaveChanges()) return true;
  const std::string file = DialogSetting(TDialogSetting::OpenCard).FileName;
  TCardWindow* window = Card().Window();
  if (window) window->Hide();
  const bool loaded = LoadCard(file);
  if (window) window->Show();
  return loaded;
}

bool TCardCommands::SaveCardToFile(const std::string& file) {
  return SaveCard(file);
}

bool TCardCommands::SaveCardAs(const std::string& folder) {
  if (!RunFileDialog(TDialogSetting::SaveCard, TFileDialogKind::Save, folder)) return true;
  const std::string file = DialogSetting(TDialogSetting::SaveCard).FileName;
  if (!IsCardFile(file)) return false;
  return Execute(kSaveCardToFile, file);
}

bool TCardCommands::QueryCardPathExists(const std::string&) {
  return FileExistsNotFolder(CardPath());
}

bool TCardCommands::SaveCardCommand(const std::string&) {
  if (!IsCardFile(CardPath())) return false;
  return Execute(kSaveCardToFile, CardPath());
}

bool TCardCommands::QueryIsCardFile(const std::string& file) {
  return IsCardFile(file);
}

bool TCardCommands::QueryFolderExists(const std::string& folder) {
  return !folder.empty() && FolderExists(folder);
}

bool TCardCommands::OpenFolder(const std::string& folder) {
  if (Platform().Desktop().OpenDocument(IncludeSlash(folder))) return true;
  Error() = err::kTaskFailed;
  return false;
}

bool TCardCommands::CopyAll(const std::string&) {
  const std::string file = ClipboardFile("EXE");
  Error() = err::kFileInUse;
  return !file.empty() && WriteCardFile(file);
}

bool TCardCommands::QueryCanPasteAll(const std::string&) {
  return ClipboardFileExists("EXE") && IsCardFile(ClipboardFile("EXE"));
}

bool TCardCommands::PasteAll(const std::string&) {
  if (!BeginChange(kUndoAll)) return false;
  return PasteAllFrom(ClipboardFile("EXE"));
}

}  // namespace lumigram
