#pragma once
// The card's popup menu on Qt: a QMenu made from the rows each time it
// opens. "&" marks an item's keyboard letter, as Qt reads it too.

#include <QPointer>
#include <QWidget>

#include "card/card_platform.h"

namespace lumigram {

class TQtPopup final : public TCardPopup {
 public:
  // owner (may be null) is the window the menu belongs to.
  explicit TQtPopup(QWidget* owner) : owner_(owner) {}

  int Track(const std::vector<TPopupItem>& items, int x, int y) override;

 private:
  QPointer<QWidget> owner_;
};

}  // namespace lumigram
