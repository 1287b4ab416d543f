// The message text window and the style code window: filled from the card,
// and the card following what the user types there.

#include "card/lumigram.h"
#include "editor/lumigram_creator.h"
#include "util/event.h"

namespace lumigram {

namespace {

// The window shows the lines with breaks between them, not after the last.
std::string WindowText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty() || &line != &lines.front()) text += "\r\n";
    text += line;
  }
  return text;
}

}  // namespace

void TLumigramCreator::RefreshMessageWindow() {
  TEditorTextWindow& window = services_.MessageWindow();
  const TLumigramInfo& info = card_->Info();
  // Filling the window is not typing.
  window.SetEditEnabled(false);
  TFont font = info.Font;
  font.Color = kBlack;  // readable on the window's white, whatever the card's colour
  window.SetFont(font);
  window.SetAlignment(info.HAlign);
  window.SetText(WindowText(info.Message));
  window.SetEditEnabled(true);
}

void TLumigramCreator::RefreshStyleCodeWindow() {
  TEditorTextWindow& window = services_.StyleCodeWindow();
  window.SetEditEnabled(false);
  window.SetText(card_->Info().Frame.Code);
  window.SetEditEnabled(true);
}

void TLumigramCreator::MessageTyped() {
  const std::vector<std::string> lines = services_.MessageWindow().Lines();
  std::vector<std::string> kept;
  int64_t budget = int64_t(MessageMaxLength);
  for (const std::string& line : lines) {
    kept.push_back(line.substr(0, size_t(budget > 0 ? budget : 0)));
    budget -= int64_t(line.size());
    if (budget <= 0) break;
  }
  TLumigramInfo& info = card_->Info();
  const bool changed = kept != info.Message;
  info.Message = std::move(kept);
  info.State.MessageDirty = true;
  card_->Compose();
  if (changed) {
    saved_ = false;
    Fire(OnChanged, *this);
  }
}

void TLumigramCreator::StyleCodeTyped() {
  TLumigramInfo& info = card_->Info();
  info.Frame.Code = services_.StyleCodeWindow().Text();
  info.State.FrameDirty = true;
  card_->Compose();
}

}  // namespace lumigram
