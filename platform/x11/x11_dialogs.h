#pragma once
// Message boxes and the password prompt on Xlib: dialog windows of our own
// drawing, kept above the card window, centred on the screen and modal: a
// loop of their own runs until they close, and the card window gets no input
// meanwhile.
//
// Keys: Enter answers with the focused button (the first one at the start),
// Esc and the window's close request with No or Cancel (OK in a box with
// only that), Tab, Shift+Tab and the arrow keys move the focus, Space
// presses the focused button, and "Y" and "N" answer Yes and No. In the
// password prompt typed characters go to the field and show as "*".

#include <string>

#include "card/card_platform.h"
#include "platform/x11/dialog_model.h"
#include "platform/x11/lite_paint.h"
#include "platform/x11/x11_app.h"

namespace lumigram {

class TX11Dialogs final : public TCardDialogs {
 public:
  explicit TX11Dialogs(TX11App& app) : app_(app) {}

  void ShowError(const std::string& caption, const std::string& text) override;
  bool AskWarning(const std::string& caption, const std::string& text) override;
  void ShowInformation(const std::string& caption, const std::string& text) override;
  bool AskPassword(const std::string& caption, const std::string& prompt,
                   std::string& password) override;

 private:
  // The answer of the box; the model's escape answer when it could not open.
  int Run(const std::string& caption, const std::string& text, TMessageIcon icon,
          TDialogModel& model);

  TX11App& app_;
};

}  // namespace lumigram
