// The commands on the card as a whole: undo, new, centre, print, open, save,
// the replace check, open folder, copy all and paste all.

#include "editor/editor_texts.h"
#include "editor/lumigram_creator.h"
#include "lang/translate.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/text.h"

namespace lumigram {

TCommandRows TLumigramCreator::CardCommands() {
  using C = TLumigramCreator;
  constexpr const char* kFailed = err::kUnexpectedError;
  static constexpr TCommandRow kRows[] = {
      {201, &C::QueryCanUndo, &C::UndoCommand, kFailed},
      {202, nullptr, &C::NewCardCommand, kFailed},
      {203, &C::QueryNotCentred, &C::CentreCard, kFailed},
      {204, &C::QueryCanPrint, &C::PrintCard, kFailed},
      {207, nullptr, &C::OpenCardFile, kFailed},
      {208, nullptr, &C::OpenCard, kFailed},
      {209, nullptr, &C::SaveCardToFile, kFailed},
      {210, nullptr, &C::SaveCardAs, kFailed},
      {211, &C::QueryCardPathExists, &C::SaveCardCommand, kFailed},
      {212, &C::QueryIsCardFile, nullptr, nullptr},
      {213, &C::QueryFolderExists, &C::OpenFolder, editor_text::kPathNotFound},
      {214, nullptr, &C::CopyAll, nullptr},
      {215, &C::QueryCanPasteAll, &C::PasteAll, nullptr},
      {216, &C::QueryCanPrint, &C::PrintToClipboard, kFailed},
  };
  return kRows;
}

bool TLumigramCreator::QueryCanUndo(const std::string&) {
  return CanUndo();
}

bool TLumigramCreator::UndoCommand(const std::string&) {
  return Undo();
}

bool TLumigramCreator::NewCardCommand(const std::string&) {
  NewCard(true);
  return true;
}

bool TLumigramCreator::QueryNotCentred(const std::string&) {
  const TCardWindow* window = card_->Window();
  if (!window) return false;
  const TRect bounds = window->Bounds();
  const TPoint screen = window->ScreenSize();
  return bounds.Left != (screen.X - bounds.Width()) / 2 ||
         bounds.Top != (screen.Y - bounds.Height()) / 2;
}

bool TLumigramCreator::CentreCard(const std::string&) {
  card_->Centre();
  return true;
}

bool TLumigramCreator::QueryCanPrint(const std::string&) {
  return services_.CanPrint();
}

bool TLumigramCreator::PrintCard(const std::string&) {
  last_error_ = err::kOutOfMemory;
  const TBitmap image = card_->RenderForPrint();
  if (image.Empty()) {
    last_error_ = err::kUnknownFormat;
    return false;
  }
  std::string error;
  if (services_.Print(image, TranslateLite(editor_text::kPrintTitle), error)) return true;
  last_error_ = error.empty() ? err::kUnexpectedError : error;
  return false;
}

bool TLumigramCreator::PrintToClipboard(const std::string&) {
  last_error_ = err::kTaskFailed;
  const TBitmap image = card_->RenderForPrint();
  return !image.Empty() && services_.SetClipboardBitmap(image);
}

bool TLumigramCreator::OpenCardFile(const std::string& file) {
  if (!QuerySaveChanges()) return true;
  return LoadCard(file);
}

bool TLumigramCreator::OpenCard(const std::string& folder) {
  if (!RunFileDialog(TDialogSetting::OpenCard, TFileDialogKind::Open, folder)) return true;
  if (!QuerySaveChanges()) return true;
  const std::string file = DialogSetting(TDialogSetting::OpenCard).FileName;
  TCardWindow* window = card_->Window();
  if (window) window->Hide();
  const bool loaded = LoadCard(file);
  if (window) window->Show();
  return loaded;
}

bool TLumigramCreator::SaveCardToFile(const std::string& file) {
  return SaveCard(file);
}

bool TLumigramCreator::SaveCardAs(const std::string& folder) {
  if (!RunFileDialog(TDialogSetting::SaveCard, TFileDialogKind::Save, folder)) return true;
  const std::string file = DialogSetting(TDialogSetting::SaveCard).FileName;
  if (!IsCardFile(file)) return false;
  return Execute(209, file);
}

bool TLumigramCreator::QueryCardPathExists(const std::string&) {
  return FileExistsNotFolder(card_path_);
}

bool TLumigramCreator::SaveCardCommand(const std::string&) {
  if (!IsCardFile(card_path_)) return false;
  return Execute(209, card_path_);
}

bool TLumigramCreator::QueryIsCardFile(const std::string& file) {
  return IsCardFile(file);
}

bool TLumigramCreator::QueryFolderExists(const std::string& folder) {
  return !folder.empty() && FolderExists(folder);
}

bool TLumigramCreator::OpenFolder(const std::string& folder) {
  if (services_.OpenDocument(IncludeSlash(folder))) return true;
  last_error_ = err::kTaskFailed;
  return false;
}

bool TLumigramCreator::CopyAll(const std::string&) {
  const std::string file = ClipboardFile("EXE");
  last_error_ = err::kFileInUse;
  return !file.empty() && WriteCardFile(file);
}

bool TLumigramCreator::QueryCanPasteAll(const std::string&) {
  return ClipboardFileExists("EXE") && IsCardFile(ClipboardFile("EXE"));
}

bool TLumigramCreator::PasteAll(const std::string&) {
  if (!BeginChange(kUndoAll)) return false;
  return PasteAllFrom(ClipboardFile("EXE"));
}

bool TLumigramCreator::PasteAllFrom(const std::string& file) {
  // The loader's own changes belong to this one undo step.
  pasting_all_ = true;
  bool loaded = false;
  try {
    loaded = LoadCardData(file);
  } catch (...) {
    pasting_all_ = false;
    throw;
  }
  pasting_all_ = false;
  saved_ = false;
  Fire(OnChanged);
  return loaded;
}

}  // namespace lumigram
