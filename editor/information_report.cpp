// The card information window: what the card holds, its name, the size its
// file would have and whether it is saved.

#include "editor/information_report.h"
#include "card/links.h"
#include "card/lumigram.h"
#include "card/message_text.h"
#include "editor/editor_texts.h"
#include "editor/lumigram_creator.h"
#include "lang/translate.h"
#include "util/text.h"

namespace lumigram {

namespace {

namespace t = editor_text;

std::string Tr(const char* text) {
  return TranslateLite(text);
}

std::string YesNo(bool yes) {
  return Tr(yes ? t::kYes : t::kNo);
}

std::string Heading(const char* text) {
  return "f1" + Tr(text);
}

std::string Item(const std::string& text) {
  return "<li>" + text;
}

// Megabytes with exactly three decimals, further digits cut off.
std::string Megabytes(int64_t bytes) {
  const int64_t thousands = bytes / 1000;
  std::string fraction = IntToText(thousands % 1000);
  fraction.insert(0, 3 - fraction.size(), '0');
  return FormatDecimals(IntToText(thousands / 1000) + "." + fraction, "3");
}

}  // namespace

std::string CardSizeText(int64_t cardDataLength) {
  const int64_t size = kCardDataOffset + cardDataLength;
  return FormatThousands(size) + " " + Tr(t::kBytes) + " (" + Megabytes(size) + Tr(t::kMb) + ")";
}

TInfoReport TLumigramCreator::InformationReport() {
  TInfoReport report;
  report.Caption = t::kLumigramPrefix + Tr(t::kInformation);
  std::vector<std::string>& lines = report.Lines;
  const TLumigramInfo& info = card_->Info();

  lines.push_back(Heading(t::kPicture));
  lines.push_back(Item(YesNo(!info.Picture.empty())));
  if (!info.Picture.empty()) {
    const TBitmap& picture = card_->PictureBitmap();
    lines.push_back(Item(Tr(t::kDimensions) + ": " + IntToText(picture.Width()) + "x" +
                         IntToText(picture.Height())));
  }
  lines.push_back(Heading(t::kCursor));
  lines.push_back(Item(YesNo(!info.Cursor.empty())));
  lines.push_back(Heading(t::kSound));
  lines.push_back(Item(YesNo(card_->HasSound())));
  if (card_->HasSound()) lines.push_back(Item(Tr(t::kType) + ": " + info.SoundType));
  lines.push_back(Heading(t::kFrame));
  lines.push_back(Item(YesNo(info.Frame.Size >= 1)));
  if (info.Frame.Size >= 1)
    lines.push_back(Item(Tr(t::kWidth) + ": " + IntToText(info.Frame.Size)));
  lines.push_back(Heading(t::kLink));
  lines.push_back(Item(YesNo(!info.Link.empty())));
  if (!info.Link.empty())
    lines.push_back(Item(Tr(t::kAddress) + ": " + StripScheme(info.Link, false)));
  lines.push_back(Heading(t::kMessage));
  lines.push_back(Item(YesNo(!info.Message.empty())));
  if (!info.Message.empty()) {
    const int64_t length = int64_t(JoinMessageLines(info.Message).size());
    lines.push_back(Item(Tr(t::kLength) + ": " + FormatThousands(length) + " " + Tr(t::kBytes)));
  }
  lines.push_back(Heading(t::kGeneral));
  lines.push_back(
      Item(Tr(t::kPassword) + " " + Tr(t::kProtected) + ": " + YesNo(info.Password > 0)));
  lines.push_back(Item(Tr(t::kAuthorDetails) + ": " + YesNo(!info.Author.empty())));
  lines.push_back(Item(Tr(t::kCanEdit) + ": " + YesNo(info.CanEdit)));
  lines.push_back(Item(Tr(t::kCanPrint) + ": " + YesNo(info.CanPrint)));
  lines.push_back(Heading(t::kName));
  lines.push_back(Item(card_name_));

  std::string data;
  if (!card_->SaveToString(data)) return {};
  lines.push_back(Heading(t::kSize));
  lines.push_back(Item(CardSizeText(int64_t(data.size()))));
  lines.push_back(Heading(t::kStatus));
  lines.push_back(Item(Tr(saved_ ? t::kSaved : t::kNotSaved)));
  return report;
}

void TLumigramCreator::ShowInformation() {
  TInfoReport report;
  try {
    report = InformationReport();
  } catch (...) {
    return;
  }
  if (report.Lines.empty()) return;
  services_.ShowInfoWindow(report);
}

}  // namespace lumigram
