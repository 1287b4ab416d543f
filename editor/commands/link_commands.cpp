// The link commands: the address with its scheme, its colour, and the link
// object that travels through the clipboard file "LK".

#include <algorithm>

#include "card/links.h"
#include "card/lumigram.h"
#include "editor/command_codes.h"
#include "editor/commands/command_context.h"
#include "editor/commands/command_table.h"
#include "editor/commands/element_answers.h"
#include "editor/editor_services.h"
#include "editor/editor_texts.h"
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

class TLinkCommands : public TCommandContext {
 public:
  using TCommandContext::TCommandContext;

  bool QueryHasLink(const std::string&);
  bool QueryCanCopyLink(const std::string&);
  bool QueryCanPasteLink(const std::string&);
  bool QueryCanAutoLinkColour(const std::string&);
  bool ClearLink(const std::string&);
  bool CutLink(const std::string&);
  bool CopyLink(const std::string&);
  bool PasteLink(const std::string&);
  bool LoadLinkFile(const std::string& file);
  bool SetLinkAddress(const std::string& address);
  bool LinkAddressPrompt(const std::string&);
  bool SetLinkColour(const std::string& colour);
  bool LinkColourDialog(const std::string&);
  bool AutoLinkColourCommand(const std::string&);
};

}  // namespace

TCommandRows LinkCommands() {
  using C = TLinkCommands;
  constexpr const char* kFailed = err::kUnexpectedError;
  static constexpr TCommandRow kRows[] = {
      {kClearLink, Handler<&C::QueryHasLink>, Handler<&C::ClearLink>, kFailed},
      {kCutLink, Handler<&C::QueryHasLink>, Handler<&C::CutLink>, kFailed},
      {kCopyLink, Handler<&C::QueryCanCopyLink>, Handler<&C::CopyLink>, kFailed},
      {kPasteLink, Handler<&C::QueryCanPasteLink>, Handler<&C::PasteLink>, kFailed},
      {kLoadLinkFile, nullptr, Handler<&C::LoadLinkFile>, kFailed},
      {kSetLinkAddress, nullptr, Handler<&C::SetLinkAddress>, kFailed},
      {kEnterLinkAddress, nullptr, Handler<&C::LinkAddressPrompt>, kFailed},
      {kSetLinkColour, nullptr, Handler<&C::SetLinkColour>, kFailed},
      {kChooseLinkColour, nullptr, Handler<&C::LinkColourDialog>, kFailed},
      {kAutoLinkColour, Handler<&C::QueryCanAutoLinkColour>, Handler<&C::AutoLinkColourCommand>,
       kFailed},
  };
  return kRows;
}

TColor AutoLinkColor(const TLumigram& card) {
  const TBitmap& picture = card.PictureBitmap();
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

bool TLinkCommands::QueryHasLink(const std::string&) {
  return !Card().Info().Link.empty();
}

bool TLinkCommands::QueryCanCopyLink(const std::string&) {
  return !StripScheme(Card().Info().Link, true).empty();
}

bool TLinkCommands::QueryCanPasteLink(const std::string&) {
  return ClipboardFileExists(kLinkClipboard);
}

bool TLinkCommands::QueryCanAutoLinkColour(const std::string&) {
  return AutoLinkColor(Card()) != Card().Info().LinkColor;
}

bool TLinkCommands::ClearLink(const std::string&) {
  if (!BeginChange(kUndoLink)) return false;
  Card().Info().Link.clear();
  RepaintCard();
  return true;
}

bool TLinkCommands::CutLink(const std::string&) {
  return Execute(kCopyLink) && Execute(kClearLink);
}

bool TLinkCommands::CopyLink(const std::string&) {
  Error() = err::kTaskFailed;
  return WriteClipboardFile(kLinkClipboard, Card().WriteLinkObject());
}

bool TLinkCommands::PasteLink(const std::string&) {
  return Execute(kLoadLinkFile, ClipboardFile(kLinkClipboard));
}

bool TLinkCommands::LoadLinkFile(const std::string& file) {
  Error() = err::kTaskFailed;
  std::string bytes;
  if (!ReadElementFile(file, bytes, kMaxLinkObjectBytes)) return false;
  // Read before the snapshot: a damaged object changes nothing at all.
  TLinkObject link;
  Error() = err::kUnknownFormat;
  if (!ReadLinkObject(bytes, link)) return false;
  if (!BeginChange(kUndoLink)) return false;
  TLumigramInfo& info = Card().Info();
  info.Link = std::move(link.Link);
  info.LinkColor = link.LinkColor;
  RepaintCard();
  return true;
}

bool TLinkCommands::SetLinkAddress(const std::string& address) {
  if (!BeginChange(kUndoLink)) return false;
  Card().Info().Link = address;
  RepaintCard();
  return true;
}

bool TLinkCommands::LinkAddressPrompt(const std::string&) {
  std::string typed = StripScheme(Card().Info().Link, false);
  if (!Services().InputQuery(TranslateLite(editor_text::kAddressCaption),
                             TranslateLite(editor_text::kTypeAddress), typed))
    return true;
  return Execute(kSetLinkAddress, CompleteLink(typed));
}

bool TLinkCommands::SetLinkColour(const std::string& colour) {
  if (!BeginChange(kUndoLink)) return false;
  Card().Info().LinkColor = TColor(TextToInt(colour));
  RepaintCard();
  return true;
}

bool TLinkCommands::LinkColourDialog(const std::string&) {
  Error() = err::kTaskFailed;
  TColor colour = Card().Info().LinkColor;
  if (!Services().ChooseColour(colour)) return true;
  return Execute(kSetLinkColour, IntToText(colour));
}

bool TLinkCommands::AutoLinkColourCommand(const std::string&) {
  return Execute(kSetLinkColour, IntToText(AutoLinkColor(Card())));
}

}  // namespace lumigram
