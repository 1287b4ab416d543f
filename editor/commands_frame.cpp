// The frame commands: colour, size, style code, the custom style window and
// frame files. The frame travels through the clipboard file "FRM" as a
// frame file.

#include "editor/editor_texts.h"
#include "editor/lumigram_creator.h"
#include "frames/frame_file.h"
#include "frames/frame_painter.h"
#include "lang/translate.h"
#include "util/error_texts.h"
#include "util/paths.h"
#include "util/text.h"

namespace lumigram {

namespace {

constexpr const char* kFrameClipboard = "FRM";

}  // namespace

TCommandRows TLumigramCreator::FrameCommands() {
  using C = TLumigramCreator;
  constexpr const char* kFailed = err::kUnexpectedError;
  static constexpr TCommandRow kRows[] = {
      {31, &C::QueryHasFrame, &C::ClearFrame, kFailed},
      {32, &C::QueryHasFrame, &C::CutFrame, kFailed},
      {33, &C::QueryHasFrame, &C::CopyFrame, kFailed},
      {34, &C::QueryCanPasteFrame, &C::PasteFrame, kFailed},
      {35, nullptr, &C::LoadFrameFile, kFailed},
      {36, nullptr, &C::SelectFrame, kFailed},
      {37, &C::QueryHasFrame, &C::SetFrameColour, kFailed},
      {38, &C::QueryHasFrame, &C::FrameColourDialog, kFailed},
      {39, nullptr, &C::SetFrameSize, kFailed},
      {40, nullptr, &C::FrameSizeDialog, kFailed},
      {41, &C::QueryHasFrame, &C::SetFrameStyle, kFailed},
      {42, &C::QueryCanAutoFrameColour, &C::AutoFrameColour, kFailed},
      {43, nullptr, &C::CustomFrameStyle, kFailed},
      {44, &C::QueryHasFrame, &C::SaveFrameToFile, kFailed},
      {45, &C::QueryHasFrame, &C::SaveFrame, kFailed},
      {46, nullptr, &C::MoreFrameStyles, kFailed},
      {47, &C::QueryFrameFolder, &C::ViewFrameFolder, kFailed},
  };
  return kRows;
}

bool TLumigramCreator::QueryHasFrame(const std::string&) {
  return card_->Info().Frame.Size > 0;
}

bool TLumigramCreator::QueryCanPasteFrame(const std::string&) {
  return ClipboardFileExists(kFrameClipboard);
}

bool TLumigramCreator::QueryCanAutoFrameColour(const std::string&) {
  const TFrameInfo& frame = card_->Info().Frame;
  return frame.Size > 0 && AutoFrameColor(&card_->PictureBitmap()) != frame.Color;
}

bool TLumigramCreator::QueryFrameFolder(const std::string&) {
  return !DialogFolder(TDialogSetting::OpenFrame).empty();
}

bool TLumigramCreator::ClearFrame(const std::string&) {
  if (!BeginChange(kUndoFrame)) return false;
  card_->Info().Frame.Size = 0;
  RepaintCard();
  return true;
}

bool TLumigramCreator::CutFrame(const std::string&) {
  return Execute(33) && Execute(31);
}

bool TLumigramCreator::CopyFrame(const std::string&) {
  last_error_ = err::kTaskFailed;
  TFrame frame;
  frame.Assign(card_->Info().Frame);
  std::string bytes;
  if (!frame.ToBytes(kFrameFileMagic, bytes)) return false;
  return WriteClipboardFile(kFrameClipboard, bytes);
}

bool TLumigramCreator::PasteFrame(const std::string&) {
  return Execute(35, ClipboardFile(kFrameClipboard));
}

bool TLumigramCreator::LoadFrameFile(const std::string& file) {
  last_error_ = err::kTaskFailed;
  // A frame style file brings only the style code and its text; the size
  // and colour stay the card's.
  TFrame frame;
  frame.Assign(card_->Info().Frame);
  if (!frame.ReadFromFile(file)) {
    if (!frame.ErrorText().empty()) last_error_ = frame.ErrorText();
    return false;
  }
  if (!BeginChange(kUndoFrame)) return false;
  card_->Info().Frame = frame.Settings();
  RefreshStyleCodeWindow();
  RepaintCard();
  return true;
}

bool TLumigramCreator::SelectFrame(const std::string& folder) {
  if (!RunFileDialog(TDialogSetting::OpenFrame, TFileDialogKind::OpenPicture, folder)) return true;
  return Execute(35, DialogSetting(TDialogSetting::OpenFrame).FileName);
}

bool TLumigramCreator::SetFrameColour(const std::string& colour) {
  if (!BeginChange(kUndoFrame)) return false;
  card_->Info().Frame.Color = TColor(TextToInt(colour));
  RepaintCard();
  return true;
}

bool TLumigramCreator::FrameColourDialog(const std::string&) {
  last_error_ = err::kTaskFailed;
  TColor colour = card_->Info().Frame.Color;
  if (!services_.ChooseColour(colour)) return true;
  return Execute(37, IntToText(colour));
}

bool TLumigramCreator::SetFrameSize(const std::string& size) {
  if (!BeginChange(kUndoFrame)) return false;
  card_->Info().Frame.Size = Clamp(TextToInt(size), 0, kMaxFrameSize);
  RepaintCard();
  return true;
}

bool TLumigramCreator::FrameSizeDialog(const std::string&) {
  const std::string prompt =
      TranslateLite(editor_text::kTypeFrameSize) + " (0-" + IntToText(kMaxFrameSize) + ")";
  std::string size = IntToText(card_->Info().Frame.Size);
  if (!services_.InputQuery(TranslateLite(editor_text::kSize), prompt, size)) return true;
  return Execute(39, size);
}

bool TLumigramCreator::SetFrameStyle(const std::string& code) {
  if (!BeginChange(kUndoFrame)) return false;
  card_->Info().Frame.Code = code;
  RepaintCard();
  RefreshStyleCodeWindow();
  return true;
}

bool TLumigramCreator::AutoFrameColour(const std::string&) {
  return Execute(37, IntToText(AutoFrameColor(&card_->PictureBitmap())));
}

bool TLumigramCreator::CustomFrameStyle(const std::string&) {
  services_.StyleCodeWindow().ShowWindow();
  return true;
}

bool TLumigramCreator::SaveFrameToFile(const std::string& file) {
  last_error_ = err::kOutOfDiskSpace;
  TFrame frame;
  frame.Assign(card_->Info().Frame);
  if (frame.WriteToFile(file)) return true;
  if (!frame.ErrorText().empty()) last_error_ = frame.ErrorText();
  return false;
}

bool TLumigramCreator::SaveFrame(const std::string&) {
  if (!RunFileDialog(TDialogSetting::SaveFrame, TFileDialogKind::SavePicture, {})) return true;
  return Execute(44, DialogSetting(TDialogSetting::SaveFrame).FileName);
}

bool TLumigramCreator::MoreFrameStyles(const std::string& folder) {
  const std::string start =
      folder.empty() ? TPaths::Shared().MakerFolder(editor_text::kFrameFolder) : folder;
  if (!RunFileDialog(TDialogSetting::OpenFrameStyle, TFileDialogKind::OpenPicture, start))
    return true;
  return Execute(35, DialogSetting(TDialogSetting::OpenFrameStyle).FileName);
}

bool TLumigramCreator::ViewFrameFolder(const std::string&) {
  return ViewDialogFolder(TDialogSetting::OpenFrame);
}

}  // namespace lumigram
