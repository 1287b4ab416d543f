#include "platform/qt/qt_popup.h"
#include "platform/qt/shown_text.h"

#include <QAction>
#include <QMenu>

namespace lumigram {

int TQtPopup::Track(const std::vector<TPopupItem>& items, int x, int y) {
  QMenu menu(owner_);
  for (const TPopupItem& item : items) {
    if (item.Caption == "-") {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(ShownText(item.Caption));
    action->setData(item.Id);
    action->setEnabled(item.Enabled);
    if (item.Checked) {
      action->setCheckable(true);
      action->setChecked(true);
    }
  }
  if (menu.isEmpty()) return -1;
  const QAction* chosen = menu.exec(QPoint(x, y));
  return chosen ? chosen->data().toInt() : -1;
}

}  // namespace lumigram
