// The link commands: the address with its scheme, its colour, and the link
// object that travels through the clipboard file "LK".

#include <algorithm>

#include "card/links.h"
#include "editor/editor_texts.h"
#include "editor/lumigram_creator.h"
#include "lang/translate.h"
#include "util/error_texts.h"
#include "util/text.h"

namespace lumigram {

namespace {

constexpr const char* kLinkClipboard = "LK";
// A link object holds one address and a colour; anything larger is not one.
constexpr int64_t kMaxLinkObjectBytes = int64_t(1) << 20;
// The row the automatic colour reads, counted from the bottom.
constexpr int kAutoLinkRowFromBottom = 10;

}  // namespace

TCommandRows TLumigramCreator::LinkCommands() {
  using C = TLumigramCreator;
  constexpr const char* kFailed = err::kUnexpectedError;
  static constexpr TCommandRow kRows[] = {
      {51, &C::QueryHasLink, &C::ClearLink, kFailed},
      {52, &C::QueryHasLink, &C::CutLink, kFailed},
      {53, &C::QueryCanCopyLink, &C::CopyLink, kFailed},
      {54, &C::QueryCanPasteLink, &C::PasteLink, kFailed},
      {55, nullptr, &C::LoadLinkFile, kFailed},
      {56, nullptr, &C::SetLinkAddress, kFailed},
      {57, nullptr, &C::LinkAddressPrompt, kFailed},
      {58, nullptr, &C::SetLinkColour, kFailed},
      {59, nullptr, &C::LinkColourDialog, kFailed},
      {60, &C::QueryCanAutoLinkColour, &C::AutoLinkColourCommand, kFailed},
  };
  return kRows;
}

TColor TLumigramCreator::AutoLinkColor() const {
  const TBitmap& picture = card_->PictureBitmap();
  int red = 0, green = 0, blue = 0;
  const uint8_t* row = picture.ScanLine(std::max(picture.Height() - kAutoLinkRowFromBottom, 0));
  // A running average: the pixels further right weigh more, as the link
  // sits at the left and the menu label at the right.
  for (int x = 0; row && x < picture.Width(); ++x, row += 3) {
    blue = (blue + row[0]) / 2;
    green = (green + row[1]) / 2;
    red = (red + row[2]) / 2;
  }
  return ContrastColour(RGB(red, green, blue), 1);
}

bool TLumigramCreator::QueryHasLink(const std::string&) {
  return !card_->Info().Link.empty();
}

bool TLumigramCreator::QueryCanCopyLink(const std::string&) {
  return !StripScheme(card_->Info().Link, true).empty();
}

bool TLumigramCreator::QueryCanPasteLink(const std::string&) {
  return ClipboardFileExists(kLinkClipboard);
}

bool TLumigramCreator::QueryCanAutoLinkColour(const std::string&) {
  return AutoLinkColor() != card_->Info().LinkColor;
}

bool TLumigramCreator::ClearLink(const std::string&) {
  if (!BeginChange(kUndoLink)) return false;
  card_->Info().Link.clear();
  RepaintCard();
  return true;
}

bool TLumigramCreator::CutLink(const std::string&) {
  return Execute(53) && Execute(51);
}

bool TLumigramCreator::CopyLink(const std::string&) {
  last_error_ = err::kTaskFailed;
  return WriteClipboardFile(kLinkClipboard, card_->WriteLinkObject());
}

bool TLumigramCreator::PasteLink(const std::string&) {
  return Execute(55, ClipboardFile(kLinkClipboard));
}

bool TLumigramCreator::LoadLinkFile(const std::string& file) {
  last_error_ = err::kTaskFailed;
  std::string bytes;
  if (!ReadElementFile(file, bytes, kMaxLinkObjectBytes)) return false;
  // Read before the snapshot: a damaged object changes nothing at all.
  TLinkObject link;
  last_error_ = err::kUnknownFormat;
  if (!ReadLinkObject(bytes, link)) return false;
  if (!BeginChange(kUndoLink)) return false;
  TLumigramInfo& info = card_->Info();
  info.Link = std::move(link.Link);
  info.LinkColor = link.LinkColor;
  RepaintCard();
  return true;
}

bool TLumigramCreator::SetLinkAddress(const std::string& address) {
  if (!BeginChange(kUndoLink)) return false;
  card_->Info().Link = address;
  RepaintCard();
  return true;
}

bool TLumigramCreator::LinkAddressPrompt(const std::string&) {
  std::string typed = StripScheme(card_->Info().Link, false);
  if (!services_.InputQuery(TranslateLite(editor_text::kAddressCaption),
                            TranslateLite(editor_text::kTypeAddress), typed))
    return true;
  return Execute(56, CompleteLink(typed));
}

bool TLumigramCreator::SetLinkColour(const std::string& colour) {
  if (!BeginChange(kUndoLink)) return false;
  card_->Info().LinkColor = TColor(TextToInt(colour));
  RepaintCard();
  return true;
}

bool TLumigramCreator::LinkColourDialog(const std::string&) {
  last_error_ = err::kTaskFailed;
  TColor colour = card_->Info().LinkColor;
  if (!services_.ChooseColour(colour)) return true;
  return Execute(58, IntToText(colour));
}

bool TLumigramCreator::AutoLinkColourCommand(const std::string&) {
  return Execute(58, IntToText(AutoLinkColor()));
}

}  // namespace lumigram
