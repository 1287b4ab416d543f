#include "platform/qt/qt_dialogs.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "platform/qt/shown_text.h"

namespace lumigram {

namespace {

// One box; the answer is the button pressed, the escape button when closed.
QMessageBox::StandardButton RunBox(QWidget* parent, QMessageBox::Icon icon,
                                   const std::string& caption, const std::string& text,
                                   QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton escape) {
  QMessageBox box(icon, ShownText(caption), ShownText(text), buttons, parent);
  box.setDefaultButton(buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
  box.setEscapeButton(escape);
  const int answer = box.exec();
  return QMessageBox::StandardButton(answer);
}

}  // namespace

void TQtCardDialogs::ShowError(const std::string& caption, const std::string& text) {
  RunBox(parent_, QMessageBox::Critical, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool TQtCardDialogs::AskWarning(const std::string& caption, const std::string& text) {
  return RunBox(parent_, QMessageBox::Warning, caption, text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::No) == QMessageBox::Yes;
}

void TQtCardDialogs::ShowInformation(const std::string& caption, const std::string& text) {
  RunBox(parent_, QMessageBox::Information, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool TQtCardDialogs::AskPassword(const std::string& caption, const std::string& prompt,
                                 std::string& password) {
  QInputDialog dialog(parent_);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setTextEchoMode(QLineEdit::Password);
  dialog.setWindowTitle(ShownText(caption));
  dialog.setLabelText(ShownText(prompt));
  if (dialog.exec() != QDialog::Accepted) return false;
  password = dialog.textValue().toStdString();
  return true;
}

}  // namespace lumigram
