// The cursor commands: the cursor travels as its file's bytes, through the
// clipboard file "CUR" (or "ICO", which only other programs write).

#include "editor/lumigram_creator.h"
#include "util/error_texts.h"
#include "util/files.h"

namespace lumigram {

namespace {

constexpr const char* kCursorClipboard = "CUR";
constexpr const char* kIconClipboard = "ICO";

}  // namespace

TCommandRows TLumigramCreator::CursorCommands() {
  using C = TLumigramCreator;
  constexpr const char* kFailed = err::kUnexpectedError;
  static constexpr TCommandRow kRows[] = {
      {11, &C::QueryHasCursor, &C::ClearCursor, kFailed},
      {12, &C::QueryHasCursor, &C::CutCursor, kFailed},
      {13, &C::QueryHasCursor, &C::CopyCursor, kFailed},
      {14, &C::QueryCanPasteCursor, &C::PasteCursor, kFailed},
      {15, &C::QueryCanPasteCursorFromIcon, &C::PasteCursorFromIcon, kFailed},
      {16, nullptr, &C::LoadCursorFile, kFailed},
      {17, nullptr, &C::SelectCursor, kFailed},
      {18, &C::QueryHasCursor, &C::SaveCursorToFile, kFailed},
      {19, &C::QueryHasCursor, &C::SaveCursor, kFailed},
      {20, &C::QueryCursorFolder, &C::ViewCursorFolder, kFailed},
  };
  return kRows;
}

bool TLumigramCreator::QueryHasCursor(const std::string&) {
  return !card_->Info().Cursor.empty();
}

bool TLumigramCreator::QueryCanPasteCursor(const std::string& type) {
  const std::string kind = type.empty() ? std::string(kCursorClipboard) : type;
  const std::string file = ClipboardFile(kind);
  if (file.empty()) return false;
  // The type names the file's extension, so it passes the same check as a
  // file chosen in the dialog.
  return FormatCheck(file, CursorFormatsFilter()) && FileExistsNotFolder(file);
}

bool TLumigramCreator::QueryCanPasteCursorFromIcon(const std::string&) {
  return ClipboardFileExists(kIconClipboard);
}

bool TLumigramCreator::QueryCursorFolder(const std::string&) {
  return !DialogFolder(TDialogSetting::OpenCursor).empty();
}

bool TLumigramCreator::ClearCursor(const std::string&) {
  if (!BeginChange(kUndoCursor)) return false;
  card_->Info().Cursor.clear();
  card_->ApplyCursor();
  RepaintCard();
  return true;
}

bool TLumigramCreator::CutCursor(const std::string&) {
  return Execute(13) && Execute(11);
}

bool TLumigramCreator::CopyCursor(const std::string&) {
  last_error_ = err::kTaskFailed;
  return WriteClipboardFile(kCursorClipboard, card_->Info().Cursor);
}

bool TLumigramCreator::PasteCursor(const std::string& type) {
  last_error_ = err::kTaskFailed;
  return Execute(16, ClipboardFile(type.empty() ? std::string(kCursorClipboard) : type));
}

bool TLumigramCreator::PasteCursorFromIcon(const std::string&) {
  return Execute(14, kIconClipboard);
}

bool TLumigramCreator::LoadCursorFile(const std::string& file) {
  if (!BeginChange(kUndoCursor)) return false;
  last_error_ = err::kTaskFailed;
  const std::string before = card_->Info().Cursor;
  if (card_->SetCursorFromFile(file)) {
    Fire(OnChanged);
    return true;
  }
  const std::string error = card_->LastError();
  last_error_ = error.empty() ? err::kUnknownFormat : error;
  // The card drops a cursor it cannot read; the one shown before stays.
  card_->Info().Cursor = before;
  card_->ApplyCursor();
  RepaintCard();
  return false;
}

bool TLumigramCreator::SelectCursor(const std::string& folder) {
  TOpenInfo& setting = DialogSetting(TDialogSetting::OpenCursor);
  setting.Filter = CursorFormatsFilter();
  if (!RunFileDialog(TDialogSetting::OpenCursor, TFileDialogKind::Open, folder)) return true;
  if (!FormatCheck(setting.FileName, setting.Filter)) return false;
  return Execute(16, setting.FileName);
}

bool TLumigramCreator::SaveCursorToFile(const std::string& file) {
  return WriteElementFile(file, card_->Info().Cursor);
}

bool TLumigramCreator::SaveCursor(const std::string&) {
  if (!RunFileDialog(TDialogSetting::SaveCursor, TFileDialogKind::Save, {})) return true;
  return Execute(18, DialogSetting(TDialogSetting::SaveCursor).FileName);
}

bool TLumigramCreator::ViewCursorFolder(const std::string&) {
  return ViewDialogFolder(TDialogSetting::OpenCursor);
}

}  // namespace lumigram
