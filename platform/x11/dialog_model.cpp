#include "platform/x11/dialog_model.h"

#include "platform/x11/utf8.h"

namespace lumigram {

TDialogModel::TDialogModel(std::vector<TDialogButton> buttons, int escapeResult, bool withEdit)
    : buttons_(std::move(buttons)),
      escape_result_(escapeResult),
      with_edit_(withEdit),
      focus_(withEdit || buttons_.empty() ? kEditFocus : 0) {}

void TDialogModel::MoveFocus(int step) {
  // The edit field, when there is one, is a stop of its own before button 0.
  const int first = with_edit_ ? kEditFocus : 0;
  const int stops = int(buttons_.size()) - first;
  if (stops <= 0) return;
  focus_ = first + ((focus_ - first + step) % stops + stops) % stops;
}

bool TDialogModel::Key(TDialogKey key, char32_t character, int& result) {
  switch (key) {
    case TDialogKey::Escape:
      result = escape_result_;
      return true;
    case TDialogKey::Enter:
      if (buttons_.empty()) return false;
      result = buttons_[size_t(focus_ == kEditFocus ? 0 : focus_)].Result;
      return true;
    case TDialogKey::Tab:
    case TDialogKey::Right:
      MoveFocus(1);
      return false;
    case TDialogKey::BackTab:
    case TDialogKey::Left:
      MoveFocus(-1);
      return false;
    case TDialogKey::Space:
      if (focus_ != kEditFocus) {
        result = buttons_[size_t(focus_)].Result;
        return true;
      }
      character = ' ';
      break;
    case TDialogKey::Backspace:
      if (with_edit_) RemoveLastCodePoint(text_);
      return false;
    case TDialogKey::Character:
      break;
  }
  if (character < 0x20 || character == 0x7F) return false;
  if (with_edit_) {
    if (CodePointCount(text_) < kMaxText) AppendUtf8(text_, character);
    return false;
  }
  for (const TDialogButton& button : buttons_) {
    if (button.Caption.Key != 0 && button.Caption.Key == FoldAscii(character)) {
      result = button.Result;
      return true;
    }
  }
  return false;
}

}  // namespace lumigram
