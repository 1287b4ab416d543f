// The message commands: colour, font, the text window, flashing, the two
// alignments, message files (".msg") and plain text files. The message
// travels through the clipboard file "MSG" as a message file.

#include "card/lumigram.h"
#include "card/message_file.h"
#include "editor/command_codes.h"
#include "editor/commands/command_context.h"
#include "editor/commands/command_table.h"
#include "editor/editor_services.h"
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

class TMessageCommands : public TCommandContext {
 public:
  using TCommandContext::TCommandContext;

  bool QueryHasMessage(const std::string&);
  bool QueryCanPasteMessage(const std::string&);
  bool QueryFlashOn(const std::string&);
  bool QueryMessageFolder(const std::string&);
  bool ClearMessage(const std::string&);
  bool CutMessage(const std::string&);
  bool CopyMessage(const std::string&);
  bool PasteMessage(const std::string&);
  bool LoadMessageFile(const std::string& file);
  bool SelectMessage(const std::string& folder);
  bool SetMessageColour(const std::string& colour);
  bool MessageColourDialog(const std::string&);
  bool MessageFontDialog(const std::string&);
  bool ShowMessageWindow(const std::string&);
  bool SetFlash(const std::string& value);
  bool SetHorizontalAlignment(const std::string& value);
  bool SetVerticalAlignment(const std::string& value);
  bool SaveMessageToFile(const std::string& file);
  bool SaveMessage(const std::string&);
  bool ViewMessageFolder(const std::string&);
  // The message changed: the text window and the card show it.
  void MessageChanged();
  // Applies a whole "MSG1.0" file with one snapshot, or nothing of a
  // damaged one ("Unknown format").
  bool ApplyMessageFile(std::string_view bytes);
};

}  // namespace

TCommandRows MessageCommands() {
  using C = TMessageCommands;
  constexpr const char* kFailed = err::kUnexpectedError;
  static constexpr TCommandRow kRows[] = {
      {kClearMessage, Handler<&C::QueryHasMessage>, Handler<&C::ClearMessage>, kFailed},
      {kCutMessage, Handler<&C::QueryHasMessage>, Handler<&C::CutMessage>, kFailed},
      {kCopyMessage, Handler<&C::QueryHasMessage>, Handler<&C::CopyMessage>, kFailed},
      {kPasteMessage, Handler<&C::QueryCanPasteMessage>, Handler<&C::PasteMessage>, kFailed},
      {kLoadMessageFile, nullptr, Handler<&C::LoadMessageFile>, kFailed},
      {kSelectMessage, nullptr, Handler<&C::SelectMessage>, kFailed},
      {kSetMessageColour, nullptr, Handler<&C::SetMessageColour>, kFailed},
      {kChooseMessageColour, nullptr, Handler<&C::MessageColourDialog>, kFailed},
      {kChooseMessageFont, nullptr, Handler<&C::MessageFontDialog>, kFailed},
      {kShowMessageWindow, nullptr, Handler<&C::ShowMessageWindow>, nullptr},
      {kSetFlash, nullptr, Handler<&C::SetFlash>, kFailed},
      {kFlashOn, Handler<&C::QueryFlashOn>, nullptr, nullptr},
      {kSetHorizontalAlignment, nullptr, Handler<&C::SetHorizontalAlignment>, kFailed},
      {kSetVerticalAlignment, nullptr, Handler<&C::SetVerticalAlignment>, kFailed},
      {kSaveMessageToFile, Handler<&C::QueryHasMessage>, Handler<&C::SaveMessageToFile>, kFailed},
      {kSaveMessageAs, Handler<&C::QueryHasMessage>, Handler<&C::SaveMessage>, kFailed},
      {kViewMessageFolder, Handler<&C::QueryMessageFolder>, Handler<&C::ViewMessageFolder>,
       kFailed},
  };
  return kRows;
}

bool TMessageCommands::QueryHasMessage(const std::string&) {
  return !Card().Info().Message.empty();
}

bool TMessageCommands::QueryCanPasteMessage(const std::string&) {
  return ClipboardFileExists(kMessageClipboard);
}

bool TMessageCommands::QueryFlashOn(const std::string&) {
  return Card().Info().Flash;
}

bool TMessageCommands::QueryMessageFolder(const std::string&) {
  return !DialogFolder(TDialogSetting::OpenMessage).empty();
}

void TMessageCommands::MessageChanged() {
  RefreshMessageWindow();
  RepaintCard();
}

bool TMessageCommands::ApplyMessageFile(std::string_view bytes) {
  // Read into a copy first: a damaged file, whether from another program
  // or cut short, must not leave half a message behind.
  Error() = err::kUnknownFormat;
  const TLumigramInfo& info = Card().Info();
  TLumigramInfo read;
  read.Font = info.Font;
  read.Message = info.Message;
  read.HAlign = info.HAlign;
  read.VAlign = info.VAlign;
  read.Flash = info.Flash;
  if (ReadMessageFile(bytes, read) != TMessageFileResult::Complete) return false;
  if (!BeginChange(kUndoMessage)) return false;
  TLumigramInfo& card = Card().Info();
  card.Font = read.Font;
  card.Message = std::move(read.Message);
  card.HAlign = read.HAlign;
  card.VAlign = read.VAlign;
  card.Flash = read.Flash;
  MessageChanged();
  return true;
}

bool TMessageCommands::ClearMessage(const std::string&) {
  if (!BeginChange(kUndoMessage)) return false;
  Card().Info().Message.clear();
  MessageChanged();
  return true;
}

bool TMessageCommands::CutMessage(const std::string&) {
  return Execute(kCopyMessage) && Execute(kClearMessage);
}

bool TMessageCommands::CopyMessage(const std::string&) {
  Error() = err::kTaskFailed;
  const std::string bytes = Card().WriteMessageFile();
  return !bytes.empty() && WriteClipboardFile(kMessageClipboard, bytes);
}

bool TMessageCommands::PasteMessage(const std::string&) {
  Error() = err::kTaskFailed;
  std::string bytes;
  if (!ReadClipboardFile(kMessageClipboard, bytes, kMaxMessageFileBytes)) return false;
  return ApplyMessageFile(bytes);
}

bool TMessageCommands::LoadMessageFile(const std::string& file) {
  Error() = err::kTaskFailed;
  std::string bytes;
  if (!ReadElementFile(file, bytes, kMaxMessageFileBytes)) return false;
  if (IsMessageFile(file)) return ApplyMessageFile(bytes);
  // Any other file is plain text: tabs widened, cut to the longest message.
  if (!BeginChange(kUndoMessage)) return false;
  Card().Info().Message = MessageLinesOfText(bytes);
  MessageChanged();
  return true;
}

bool TMessageCommands::SelectMessage(const std::string& folder) {
  if (!RunFileDialog(TDialogSetting::OpenMessage, TFileDialogKind::Open, folder)) return true;
  return Execute(kLoadMessageFile, DialogSetting(TDialogSetting::OpenMessage).FileName);
}

bool TMessageCommands::SetMessageColour(const std::string& colour) {
  if (!BeginChange(kUndoMessage)) return false;
  Card().Info().Font.Color = TColor(TextToInt(colour));
  MessageChanged();
  return true;
}

bool TMessageCommands::MessageColourDialog(const std::string&) {
  Error() = err::kTaskFailed;
  TColor colour = Card().Info().Font.Color;
  if (!Services().ChooseColour(colour)) return true;
  return Execute(kSetMessageColour, IntToText(colour));
}

bool TMessageCommands::MessageFontDialog(const std::string&) {
  TFont font = Card().Info().Font;
  if (!Services().ChooseFont(font)) return true;
  if (!BeginChange(kUndoMessage)) return false;
  Card().Info().Font = font;
  MessageChanged();
  return true;
}

bool TMessageCommands::ShowMessageWindow(const std::string&) {
  Services().MessageWindow().ShowWindow();
  return true;
}

bool TMessageCommands::SetFlash(const std::string& value) {
  const bool flash = TextIsOne(value);
  if (flash == Card().Info().Flash) return true;
  if (!BeginChange(kUndoMessage)) return false;
  Card().Info().Flash = flash;
  RepaintCard();
  return true;
}

bool TMessageCommands::SetHorizontalAlignment(const std::string& value) {
  // Compared as stored: "5" centres, and a centred message stays unchanged.
  const uint8_t alignment = AlignmentOf(ReadNumber(value));
  if (alignment == Card().Info().HAlign) return true;
  if (!BeginChange(kUndoMessage)) return false;
  Card().Info().HAlign = alignment;
  MessageChanged();
  return true;
}

bool TMessageCommands::SetVerticalAlignment(const std::string& value) {
  const uint8_t alignment = AlignmentOf(ReadNumber(value));
  if (alignment == Card().Info().VAlign) return true;
  if (!BeginChange(kUndoMessage)) return false;
  Card().Info().VAlign = alignment;
  MessageChanged();
  return true;
}

bool TMessageCommands::SaveMessageToFile(const std::string& file) {
  Error() = err::kOutOfMemory;
  const std::string bytes =
      IsMessageFile(file) ? Card().WriteMessageFile() : PlainText(Card().Info().Message);
  if (bytes.empty() && IsMessageFile(file)) return false;
  return WriteElementFile(file, bytes);
}

bool TMessageCommands::SaveMessage(const std::string&) {
  if (!RunFileDialog(TDialogSetting::SaveMessage, TFileDialogKind::Save, {})) return true;
  return Execute(kSaveMessageToFile, DialogSetting(TDialogSetting::SaveMessage).FileName);
}

bool TMessageCommands::ViewMessageFolder(const std::string&) {
  return ViewDialogFolder(TDialogSetting::OpenMessage);
}

}  // namespace lumigram
