// The frame commands: colour, size, style code, the custom style window and
// frame files. The frame travels through the clipboard file "FRM" as a
// frame file.

#include "card/lumigram.h"
#include "editor/command_codes.h"
#include "editor/commands/command_context.h"
#include "editor/commands/command_table.h"
#include "editor/editor_services.h"
#include "editor/editor_texts.h"
#include "frames/frame_file.h"
#include "frames/frame_painter.h"
#include "lang/translate.h"
#include "util/error_texts.h"
#include "util/paths.h"
#include "util/text.h"

namespace lumigram {

namespace {

constexpr const char* kFrameClipboard = "FRM";

class TFrameCommands : public TCommandContext {
 public:
  using TCommandContext::TCommandContext;

  bool QueryHasFrame(const std::string&);
  bool QueryCanPasteFrame(const std::string&);
  bool QueryCanAutoFrameColour(const std::string&);
  bool QueryFrameFolder(const std::string&);
  bool ClearFrame(const std::string&);
  bool CutFrame(const std::string&);
  bool CopyFrame(const std::string&);
  bool PasteFrame(const std::string&);
  bool LoadFrameFile(const std::string& file);
  bool SelectFrame(const std::string& folder);
  bool SetFrameColour(const std::string& colour);
  bool FrameColourDialog(const std::string&);
  bool SetFrameSize(const std::string& size);
  bool FrameSizeDialog(const std::string&);
  bool SetFrameStyle(const std::string& code);
  bool AutoFrameColour(const std::string&);
  bool CustomFrameStyle(const std::string&);
  bool SaveFrameToFile(const std::string& file);
  bool SaveFrame(const std::string&);
  bool MoreFrameStyles(const std::string& folder);
  bool ViewFrameFolder(const std::string&);
};

}  // namespace

TCommandRows FrameCommands() {
  using C = TFrameCommands;
  constexpr const char* kFailed = err::kUnexpectedError;
  static constexpr TCommandRow kRows[] = {
      {kClearFrame, Handler<&C::QueryHasFrame>, Handler<&C::ClearFrame>, kFailed},
      {kCutFrame, Handler<&C::QueryHasFrame>, Handler<&C::CutFrame>, kFailed},
      {kCopyFrame, Handler<&C::QueryHasFrame>, Handler<&C::CopyFrame>, kFailed},
      {kPasteFrame, Handler<&C::QueryCanPasteFrame>, Handler<&C::PasteFrame>, kFailed},
      {kLoadFrameFile, nullptr, Handler<&C::LoadFrameFile>, kFailed},
      {kSelectFrame, nullptr, Handler<&C::SelectFrame>, kFailed},
      {kSetFrameColour, Handler<&C::QueryHasFrame>, Handler<&C::SetFrameColour>, kFailed},
      {kChooseFrameColour, Handler<&C::QueryHasFrame>, Handler<&C::FrameColourDialog>, kFailed},
      {kSetFrameSize, nullptr, Handler<&C::SetFrameSize>, kFailed},
      {kChooseFrameSize, nullptr, Handler<&C::FrameSizeDialog>, kFailed},
      {kSetFrameStyle, Handler<&C::QueryHasFrame>, Handler<&C::SetFrameStyle>, kFailed},
      {kAutoFrameColour, Handler<&C::QueryCanAutoFrameColour>, Handler<&C::AutoFrameColour>,
       kFailed},
      {kCustomFrameStyle, nullptr, Handler<&C::CustomFrameStyle>, kFailed},
      {kSaveFrameToFile, Handler<&C::QueryHasFrame>, Handler<&C::SaveFrameToFile>, kFailed},
      {kSaveFrameAs, Handler<&C::QueryHasFrame>, Handler<&C::SaveFrame>, kFailed},
      {kMoreFrameStyles, nullptr, Handler<&C::MoreFrameStyles>, kFailed},
      {kViewFrameFolder, Handler<&C::QueryFrameFolder>, Handler<&C::ViewFrameFolder>, kFailed},
  };
  return kRows;
}

bool TFrameCommands::QueryHasFrame(const std::string&) {
  return Card().Info().Frame.Size > 0;
}

bool TFrameCommands::QueryCanPasteFrame(const std::string&) {
  return ClipboardFileExists(kFrameClipboard);
}

bool TFrameCommands::QueryCanAutoFrameColour(const std::string&) {
  const TFrameInfo& frame = Card().Info().Frame;
  return frame.Size > 0 && AutoFrameColor(&Card().PictureBitmap()) != frame.Color;
}

bool TFrameCommands::QueryFrameFolder(const std::string&) {
  return !DialogFolder(TDialogSetting::OpenFrame).empty();
}

bool TFrameCommands::ClearFrame(const std::string&) {
  if (!BeginChange(kUndoFrame)) return false;
  Card().Info().Frame.Size = 0;
  RepaintCard();
  return true;
}

bool TFrameCommands::CutFrame(const std::string&) {
  return Execute(kCopyFrame) && Execute(kClearFrame);
}

bool TFrameCommands::CopyFrame(const std::string&) {
  Error() = err::kTaskFailed;
  TFrame frame;
  frame.Assign(Card().Info().Frame);
  std::string bytes;
  if (!frame.ToBytes(kFrameFileMagic, bytes)) return false;
  return WriteClipboardFile(kFrameClipboard, bytes);
}

bool TFrameCommands::PasteFrame(const std::string&) {
  return Execute(kLoadFrameFile, ClipboardFile(kFrameClipboard));
}

bool TFrameCommands::LoadFrameFile(const std::string& file) {
  Error() = err::kTaskFailed;
  // A frame style file brings only the style code and its text; the size
  // and colour stay the card's.
  TFrame frame;
  frame.Assign(Card().Info().Frame);
  if (!frame.ReadFromFile(file)) {
    if (!frame.ErrorText().empty()) Error() = frame.ErrorText();
    return false;
  }
  if (!BeginChange(kUndoFrame)) return false;
  Card().Info().Frame = frame.Settings();
  RefreshStyleCodeWindow();
  RepaintCard();
  return true;
}

bool TFrameCommands::SelectFrame(const std::string& folder) {
  if (!RunFileDialog(TDialogSetting::OpenFrame, TFileDialogKind::OpenPicture, folder)) return true;
  return Execute(kLoadFrameFile, DialogSetting(TDialogSetting::OpenFrame).FileName);
}

bool TFrameCommands::SetFrameColour(const std::string& colour) {
  if (!BeginChange(kUndoFrame)) return false;
  Card().Info().Frame.Color = TColor(TextToInt(colour));
  RepaintCard();
  return true;
}

bool TFrameCommands::FrameColourDialog(const std::string&) {
  Error() = err::kTaskFailed;
  TColor colour = Card().Info().Frame.Color;
  if (!Services().ChooseColour(colour)) return true;
  return Execute(kSetFrameColour, IntToText(colour));
}

bool TFrameCommands::SetFrameSize(const std::string& size) {
  if (!BeginChange(kUndoFrame)) return false;
  Card().Info().Frame.Size = Clamp(TextToInt(size), 0, kMaxFrameSize);
  RepaintCard();
  return true;
}

bool TFrameCommands::FrameSizeDialog(const std::string&) {
  const std::string prompt =
      TranslateLite(editor_text::kTypeFrameSize) + " (0-" + IntToText(kMaxFrameSize) + ")";
  std::string size = IntToText(Card().Info().Frame.Size);
  if (!Services().InputQuery(TranslateLite(editor_text::kSize), prompt, size)) return true;
  return Execute(kSetFrameSize, size);
}

bool TFrameCommands::SetFrameStyle(const std::string& code) {
  if (!BeginChange(kUndoFrame)) return false;
  Card().Info().Frame.Code = code;
  RepaintCard();
  RefreshStyleCodeWindow();
  return true;
}

bool TFrameCommands::AutoFrameColour(const std::string&) {
  return Execute(kSetFrameColour, IntToText(AutoFrameColor(&Card().PictureBitmap())));
}

bool TFrameCommands::CustomFrameStyle(const std::string&) {
  Services().StyleCodeWindow().ShowWindow();
  return true;
}

bool TFrameCommands::SaveFrameToFile(const std::string& file) {
  Error() = err::kOutOfDiskSpace;
  TFrame frame;
  frame.Assign(Card().Info().Frame);
  if (frame.WriteToFile(file)) return true;
  if (!frame.ErrorText().empty()) Error() = frame.ErrorText();
  return false;
}

bool TFrameCommands::SaveFrame(const std::string&) {
  if (!RunFileDialog(TDialogSetting::SaveFrame, TFileDialogKind::SavePicture, {})) return true;
  return Execute(kSaveFrameToFile, DialogSetting(TDialogSetting::SaveFrame).FileName);
}

bool TFrameCommands::MoreFrameStyles(const std::string& folder) {
  const std::string start =
      folder.empty() ? TPaths::Shared().MakerFolder(editor_text::kFrameFolder) : folder;
  if (!RunFileDialog(TDialogSetting::OpenFrameStyle, TFileDialogKind::OpenPicture, start))
    return true;
  return Execute(kLoadFrameFile, DialogSetting(TDialogSetting::OpenFrameStyle).FileName);
}

bool TFrameCommands::ViewFrameFolder(const std::string&) {
  return ViewDialogFolder(TDialogSetting::OpenFrame);
}

}  // namespace lumigram
