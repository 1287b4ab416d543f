// The message commands: colour, font, the text window, flashing, the two
// alignments, message files (".msg") and plain text files. The message
// travels through the clipboard file "MSG" as a message file.

#include "card/message_file.h"
#include "editor/lumigram_creator.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/text.h"

namespace lumigram {

namespace {

constexpr const char* kMessageClipboard = "MSG";
// Room for a font block and far more text than a message keeps.
constexpr int64_t kMaxMessageFileBytes = int64_t(16) << 20;

bool IsMessageFile(const std::string& file) {
  return UpperAscii(ExtractExtension(ExtractFileName(file))) == "MSG";
}

// Lines with breaks between them, as a text file holds them.
std::string PlainText(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += kLineBreak;
    text += lines[i];
  }
  return text;
}

}  // namespace

TCommandRows TLumigramCreator::MessageCommands() {
  using C = TLumigramCreator;
  constexpr const char* kFailed = err::kUnexpectedError;
  static constexpr TCommandRow kRows[] = {
      {80, &C::QueryHasMessage, &C::ClearMessage, kFailed},
      {81, &C::QueryHasMessage, &C::CutMessage, kFailed},
      {82, &C::QueryHasMessage, &C::CopyMessage, kFailed},
      {83, &C::QueryCanPasteMessage, &C::PasteMessage, kFailed},
      {84, nullptr, &C::LoadMessageFile, kFailed},
      {85, nullptr, &C::SelectMessage, kFailed},
      {86, nullptr, &C::SetMessageColour, kFailed},
      {87, nullptr, &C::MessageColourDialog, kFailed},
      {88, nullptr, &C::MessageFontDialog, kFailed},
      {89, nullptr, &C::ShowMessageWindow, nullptr},
      {90, nullptr, &C::SetFlash, kFailed},
      {91, &C::QueryFlashOn, nullptr, nullptr},
      {92, nullptr, &C::SetHorizontalAlignment, kFailed},
      {93, nullptr, &C::SetVerticalAlignment, kFailed},
      {94, &C::QueryHasMessage, &C::SaveMessageToFile, kFailed},
      {95, &C::QueryHasMessage, &C::SaveMessage, kFailed},
      {96, &C::QueryMessageFolder, &C::ViewMessageFolder, kFailed},
  };
  return kRows;
}

bool TLumigramCreator::QueryHasMessage(const std::string&) {
  return !card_->Info().Message.empty();
}

bool TLumigramCreator::QueryCanPasteMessage(const std::string&) {
  return ClipboardFileExists(kMessageClipboard);
}

bool TLumigramCreator::QueryFlashOn(const std::string&) {
  return card_->Info().Flash;
}

bool TLumigramCreator::QueryMessageFolder(const std::string&) {
  return !DialogFolder(TDialogSetting::OpenMessage).empty();
}

void TLumigramCreator::MessageChanged() {
  RefreshMessageWindow();
  RepaintCard();
}

bool TLumigramCreator::ApplyMessageFile(std::string_view bytes) {
  // Read into a copy first: a damaged file, whether from another program
  // or cut short, must not leave half a message behind.
  last_error_ = err::kUnknownFormat;
  const TLumigramInfo& info = card_->Info();
  TLumigramInfo read;
  read.Font = info.Font;
  read.Message = info.Message;
  read.HAlign = info.HAlign;
  read.VAlign = info.VAlign;
  read.Flash = info.Flash;
  if (ReadMessageFile(bytes, read) != TMessageFileResult::Complete) return false;
  if (!BeginChange(kUndoMessage)) return false;
  TLumigramInfo& card = card_->Info();
  card.Font = read.Font;
  card.Message = std::move(read.Message);
  card.HAlign = read.HAlign;
  card.VAlign = read.VAlign;
  card.Flash = read.Flash;
  MessageChanged();
  return true;
}

bool TLumigramCreator::ClearMessage(const std::string&) {
  if (!BeginChange(kUndoMessage)) return false;
  card_->Info().Message.clear();
  MessageChanged();
  return true;
}

bool TLumigramCreator::CutMessage(const std::string&) {
  return Execute(82) && Execute(80);
}

bool TLumigramCreator::CopyMessage(const std::string&) {
  last_error_ = err::kTaskFailed;
  const std::string bytes = card_->WriteMessageFile();
  return !bytes.empty() && WriteClipboardFile(kMessageClipboard, bytes);
}

bool TLumigramCreator::PasteMessage(const std::string&) {
  last_error_ = err::kTaskFailed;
  std::string bytes;
  if (!ReadClipboardFile(kMessageClipboard, bytes, kMaxMessageFileBytes)) return false;
  return ApplyMessageFile(bytes);
}

bool TLumigramCreator::LoadMessageFile(const std::string& file) {
  last_error_ = err::kTaskFailed;
  std::string bytes;
  if (!ReadElementFile(file, bytes, kMaxMessageFileBytes)) return false;
  if (IsMessageFile(file)) return ApplyMessageFile(bytes);
  // Any other file is plain text: tabs widened, cut to the longest message.
  if (!BeginChange(kUndoMessage)) return false;
  card_->Info().Message = MessageLinesOfText(bytes);
  MessageChanged();
  return true;
}

bool TLumigramCreator::SelectMessage(const std::string& folder) {
  if (!RunFileDialog(TDialogSetting::OpenMessage, TFileDialogKind::Open, folder)) return true;
  return Execute(84, DialogSetting(TDialogSetting::OpenMessage).FileName);
}

bool TLumigramCreator::SetMessageColour(const std::string& colour) {
  if (!BeginChange(kUndoMessage)) return false;
  card_->Info().Font.Color = TColor(TextToInt(colour));
  MessageChanged();
  return true;
}

bool TLumigramCreator::MessageColourDialog(const std::string&) {
  last_error_ = err::kTaskFailed;
  TColor colour = card_->Info().Font.Color;
  if (!services_.ChooseColour(colour)) return true;
  return Execute(86, IntToText(colour));
}

bool TLumigramCreator::MessageFontDialog(const std::string&) {
  TFont font = card_->Info().Font;
  if (!services_.ChooseFont(font)) return true;
  if (!BeginChange(kUndoMessage)) return false;
  card_->Info().Font = font;
  MessageChanged();
  return true;
}

bool TLumigramCreator::ShowMessageWindow(const std::string&) {
  services_.MessageWindow().ShowWindow();
  return true;
}

bool TLumigramCreator::SetFlash(const std::string& value) {
  const bool flash = TextIsOne(value);
  if (flash == card_->Info().Flash) return true;
  if (!BeginChange(kUndoMessage)) return false;
  card_->Info().Flash = flash;
  RepaintCard();
  return true;
}

bool TLumigramCreator::SetHorizontalAlignment(const std::string& value) {
  // Compared as stored: "5" centres, and a centred message stays unchanged.
  const uint8_t alignment = AlignmentOf(ReadNumber(value));
  if (alignment == card_->Info().HAlign) return true;
  if (!BeginChange(kUndoMessage)) return false;
  card_->Info().HAlign = alignment;
  MessageChanged();
  return true;
}

bool TLumigramCreator::SetVerticalAlignment(const std::string& value) {
  const uint8_t alignment = AlignmentOf(ReadNumber(value));
  if (alignment == card_->Info().VAlign) return true;
  if (!BeginChange(kUndoMessage)) return false;
  card_->Info().VAlign = alignment;
  MessageChanged();
  return true;
}

bool TLumigramCreator::SaveMessageToFile(const std::string& file) {
  last_error_ = err::kOutOfMemory;
  const std::string bytes =
      IsMessageFile(file) ? card_->WriteMessageFile() : PlainText(card_->Info().Message);
  if (bytes.empty() && IsMessageFile(file)) return false;
  return WriteElementFile(file, bytes);
}

bool TLumigramCreator::SaveMessage(const std::string&) {
  if (!RunFileDialog(TDialogSetting::SaveMessage, TFileDialogKind::Save, {})) return true;
  return Execute(94, DialogSetting(TDialogSetting::SaveMessage).FileName);
}

bool TLumigramCreator::ViewMessageFolder(const std::string&) {
  return ViewDialogFolder(TDialogSetting::OpenMessage);
}

}  // namespace lumigram
