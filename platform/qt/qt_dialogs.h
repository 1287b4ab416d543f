#pragma once
// The card's message boxes and password prompt on Qt: modal, over the
// window they are given (the main window in the creator, the card's own in
// a standalone card). Texts arrive as UTF-8 with CR LF line breaks.

#include <QPointer>
#include <QWidget>

#include "card/card_platform.h"

namespace lumigram {

class TQtCardDialogs final : public TCardDialogs {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  QWidget* Parent() const { return parent_; }

  void ShowError(const std::string& caption, const std::string& text) override;
  bool AskWarning(const std::string& caption, const std::string& text) override;
  void ShowInformation(const std::string& caption, const std::string& text) override;
  bool AskPassword(const std::string& caption, const std::string& prompt,
                   std::string& password) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace lumigram
