#include "editor/commands/command_context.h"

#include "card/lumigram.h"
#include "editor/command_codes.h"
#include "editor/lumigram_creator.h"
#include "util/error_texts.h"
#include "util/event.h"
#include "util/files.h"
#include "util/text.h"

namespace lumigram {

TLumigram& TCommandContext::Card() {
  return *editor_.card_;
}
const TLumigram& TCommandContext::Card() const {
  return *editor_.card_;
}
TEditorServices& TCommandContext::Services() {
  return editor_.services_;
}
TCardPlatform& TCommandContext::Platform() {
  return editor_.platform_;
}
std::string& TCommandContext::Error() {
  return editor_.last_error_;
}

bool TCommandContext::Execute(int code, const std::string& argument) {
  return editor_.Execute(code, argument);
}
bool TCommandContext::BeginChange(int kind) {
  return editor_.BeginChange(kind);
}
bool TCommandContext::CanUndo() const {
  return editor_.CanUndo();
}
bool TCommandContext::Undo() {
  return editor_.Undo();
}
void TCommandContext::SetSaved(bool saved) {
  editor_.SetSaved(saved);
}
void TCommandContext::Changed() {
  Fire(editor_.OnChanged, editor_);
}

void TCommandContext::RepaintCard() {
  editor_.card_->Info().State.LayoutDirty = true;
  editor_.CardRefresh(false);
}

void TCommandContext::NewCard(bool showWindow) {
  editor_.NewCard(showWindow);
}
bool TCommandContext::QuerySaveChanges() {
  return editor_.QuerySaveChanges();
}
const std::string& TCommandContext::CardPath() const {
  return editor_.CardPath();
}
bool TCommandContext::SaveCard(const std::string& file) {
  return editor_.SaveCard(file);
}
bool TCommandContext::WriteCardFile(const std::string& file) {
  return editor_.WriteCardFile(file);
}
bool TCommandContext::LoadCard(const std::string& file) {
  return editor_.LoadCard(file);
}
bool TCommandContext::IsCardFile(const std::string& file) {
  return editor_.IsCardFile(file);
}
bool TCommandContext::PasteAllFrom(const std::string& file) {
  return editor_.PasteAllFrom(file);
}

TOpenInfo& TCommandContext::DialogSetting(TDialogSetting setting) {
  return editor_.DialogSetting(setting);
}
bool TCommandContext::RunFileDialog(TDialogSetting setting, TFileDialogKind kind,
                                    const std::string& folder) {
  return editor_.RunFileDialog(setting, kind, folder);
}
std::string TCommandContext::CursorFormatsFilter() {
  return TLumigramCreator::CursorFormatsFilter();
}
std::string TCommandContext::SoundFormatsFilter() {
  return TLumigramCreator::SoundFormatsFilter();
}
bool TCommandContext::FormatCheck(const std::string& file, const std::string& filter) {
  return editor_.FormatCheck(file, filter);
}

std::string TCommandContext::DialogFolder(TDialogSetting setting) const {
  const std::string folder = ExtractFolder(editor_.DialogSetting(setting).FileName);
  return !folder.empty() && FolderExists(folder) ? folder : std::string();
}

bool TCommandContext::ViewDialogFolder(TDialogSetting setting) {
  return Execute(kOpenFolder, DialogFolder(setting));
}

bool TCommandContext::WriteElementFile(const std::string& file, const std::string& bytes) {
  // The new file is written beside the old one and renamed over it: the old
  // file goes only once the new one is complete.
  Error() = err::kFileInUse;
  if (file.empty()) return false;
  Error() = err::kOutOfDiskSpace;
  std::string error;
  if (WriteStringToFile(file, bytes, error)) return true;
  if (!error.empty()) Error() = error;
  return false;
}

bool TCommandContext::ReadElementFile(const std::string& file, std::string& bytes,
                                      int64_t maxBytes) {
  bytes.clear();
  std::string error;
  if (ReadFileToString(file, bytes, error, maxBytes)) return true;
  bytes.clear();
  Error() = error.empty() ? err::kFileNotFound : error;
  return false;
}

std::string TCommandContext::ClipboardFile(const std::string& type) const {
  return editor_.ClipboardFile(type);
}
bool TCommandContext::ClipboardFileExists(const std::string& type) const {
  return editor_.ClipboardFileExists(type);
}
bool TCommandContext::WriteClipboardFile(const std::string& type, const std::string& bytes) {
  return editor_.WriteClipboardFile(type, bytes);
}
bool TCommandContext::ReadClipboardFile(const std::string& type, std::string& bytes,
                                        int64_t maxBytes) {
  return editor_.ReadClipboardFile(type, bytes, maxBytes);
}
void TCommandContext::RefreshMessageWindow() {
  editor_.RefreshMessageWindow();
}
void TCommandContext::RefreshStyleCodeWindow() {
  editor_.RefreshStyleCodeWindow();
}

}  // namespace lumigram
