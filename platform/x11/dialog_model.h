#pragma once
// What the keys do in a message box or the password prompt, apart from any
// window: which button has the focus, what the edit field holds, and when
// the box closes with which answer.

#include <string>
#include <vector>

#include "platform/x11/accelerator.h"

namespace lumigram {

enum class TDialogKey { Enter, Escape, Tab, BackTab, Left, Right, Space, Backspace, Character };

struct TDialogButton {
  TAcceleratedText Caption;
  int Result = 0;
};

class TDialogModel {
 public:
  // Characters the edit field takes at most.
  static constexpr size_t kMaxText = 256;
  static constexpr int kEditFocus = -1;

  // Button 0 is the default; escapeResult is the answer of Esc and of the
  // window's close request. With an edit field, it has the focus first and
  // typed characters go there; without, characters pick buttons by their
  // marked letter.
  TDialogModel(std::vector<TDialogButton> buttons, int escapeResult, bool withEdit);

  // True when the box closes, with its answer in result.
  bool Key(TDialogKey key, char32_t character, int& result);
  // The answer of a click on button index.
  int Click(int index) const { return buttons_[size_t(index)].Result; }
  int EscapeResult() const { return escape_result_; }

  const std::vector<TDialogButton>& Buttons() const { return buttons_; }
  // A button index, or kEditFocus.
  int Focus() const { return focus_; }
  bool HasEdit() const { return with_edit_; }
  // UTF-8.
  const std::string& Text() const { return text_; }

 private:
  void MoveFocus(int step);

  std::vector<TDialogButton> buttons_;
  int escape_result_;
  bool with_edit_;
  int focus_;
  std::string text_;
};

}  // namespace lumigram
