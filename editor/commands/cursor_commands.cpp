// The cursor commands: the cursor travels as its file's bytes, through the
// clipboard file "CUR" (or "ICO", which only other programs write).

#include "card/lumigram.h"
#include "editor/command_codes.h"
#include "editor/commands/command_context.h"
#include "editor/commands/command_table.h"
#include "util/error_texts.h"
#include "util/files.h"

namespace lumigram {

namespace {

constexpr const char* kCursorClipboard = "CUR";
constexpr const char* kIconClipboard = "ICO";

class TCursorCommands : public TCommandContext {
 public:
  using TCommandContext::TCommandContext;

  bool QueryHasCursor(const std::string&);
  bool QueryCanPasteCursor(const std::string& type);
  bool QueryCanPasteCursorFromIcon(const std::string&);
  bool QueryCursorFolder(const std::string&);
  bool ClearCursor(const std::string&);
  bool CutCursor(const std::string&);
  bool CopyCursor(const std::string&);
  bool PasteCursor(const std::string& type);
  bool PasteCursorFromIcon(const std::string&);
  bool LoadCursorFile(const std::string& file);
  bool SelectCursor(const std::string& folder);
  bool SaveCursorToFile(const std::string& file);
  bool SaveCursor(const std::string&);
  bool ViewCursorFolder(const std::string&);
};

}  // namespace

TCommandRows CursorCommands() {
  using C = TCursorCommands;
  constexpr const char* kFailed = err::kUnexpectedError;
  static constexpr TCommandRow kRows[] = {
      {kClearCursor, Handler<&C::QueryHasCursor>, Handler<&C::ClearCursor>, kFailed},
      {kCutCursor, Handler<&C::QueryHasCursor>, Handler<&C::CutCursor>, kFailed},
      {kCopyCursor, Handler<&C::QueryHasCursor>, Handler<&C::CopyCursor>, kFailed},
      {kPasteCursor, Handler<&C::QueryCanPasteCursor>, Handler<&C::PasteCursor>, kFailed},
      {kPasteCursorFromIcon, Handler<&C::QueryCanPasteCursorFromIcon>,
       Handler<&C::PasteCursorFromIcon>, kFailed},
      {kLoadCursorFile, nullptr, Handler<&C::LoadCursorFile>, kFailed},
      {kSelectCursor, nullptr, Handler<&C::SelectCursor>, kFailed},
      {kSaveCursorToFile, Handler<&C::QueryHasCursor>, Handler<&C::SaveCursorToFile>, kFailed},
      {kSaveCursorAs, Handler<&C::QueryHasCursor>, Handler<&C::SaveCursor>, kFailed},
      {kViewCursorFolder, Handler<&C::QueryCursorFolder>, Handler<&C::ViewCursorFolder>, kFailed},
  };
  return kRows;
}

bool TCursorCommands::QueryHasCursor(const std::string&) {
  return !Card().Info().Cursor.empty();
}

bool TCursorCommands::QueryCanPasteCursor(const std::string& type) {
  const std::string kind = type.empty() ? std::string(kCursorClipboard) : type;
  const std::string file = ClipboardFile(kind);
  if (file.empty()) return false;
  // The type names the file's extension, so it passes the same check as a
  // file chosen in the dialog.
  return FormatCheck(file, CursorFormatsFilter()) && FileExistsNotFolder(file);
}

bool TCursorCommands::QueryCanPasteCursorFromIcon(const std::string&) {
  return ClipboardFileExists(kIconClipboard);
}

bool TCursorCommands::QueryCursorFolder(const std::string&) {
  return !DialogFolder(TDialogSetting::OpenCursor).empty();
}

bool TCursorCommands::ClearCursor(const std::string&) {
  if (!BeginChange(kUndoCursor)) return false;
  Card().Info().Cursor.clear();
  Card().ApplyCursor();
  RepaintCard();
  return true;
}

bool TCursorCommands::CutCursor(const std::string&) {
  return Execute(kCopyCursor) && Execute(kClearCursor);
}

bool TCursorCommands::CopyCursor(const std::string&) {
  Error() = err::kTaskFailed;
  return WriteClipboardFile(kCursorClipboard, Card().Info().Cursor);
}

bool TCursorCommands::PasteCursor(const std::string& type) {
  Error() = err::kTaskFailed;
  return Execute(kLoadCursorFile,
                 ClipboardFile(type.empty() ? std::string(kCursorClipboard) : type));
}

bool TCursorCommands::PasteCursorFromIcon(const std::string&) {
  return Execute(kPasteCursor, kIconClipboard);
}

bool TCursorCommands::LoadCursorFile(const std::string& file) {
  if (!BeginChange(kUndoCursor)) return false;
  Error() = err::kTaskFailed;
  const std::string before = Card().Info().Cursor;
  if (Card().SetCursorFromFile(file)) {
    Changed();
    return true;
  }
  const std::string error = Card().LastError();
  Error() = error.empty() ? err::kUnknownFormat : error;
  // The card drops a cursor it cannot read; the one shown before stays.
  Card().Info().Cursor = before;
  Card().ApplyCursor();
  RepaintCard();
  return false;
}

bool TCursorCommands::SelectCursor(const std::string& folder) {
  TOpenInfo& setting = DialogSetting(TDialogSetting::OpenCursor);
  setting.Filter = CursorFormatsFilter();
  if (!RunFileDialog(TDialogSetting::OpenCursor, TFileDialogKind::Open, folder)) return true;
  if (!FormatCheck(setting.FileName, setting.Filter)) return false;
  return Execute(kLoadCursorFile, setting.FileName);
}

bool TCursorCommands::SaveCursorToFile(const std::string& file) {
  return WriteElementFile(file, Card().Info().Cursor);
}

bool TCursorCommands::SaveCursor(const std::string&) {
  if (!RunFileDialog(TDialogSetting::SaveCursor, TFileDialogKind::Save, {})) return true;
  return Execute(kSaveCursorToFile, DialogSetting(TDialogSetting::SaveCursor).FileName);
}

bool TCursorCommands::ViewCursorFolder(const std::string&) {
  return ViewDialogFolder(TDialogSetting::OpenCursor);
}

}  // namespace lumigram
