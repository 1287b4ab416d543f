#include "app/qt_editor_services.h"

#include <QColorDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "dialogs/file_dialog.h"
#include "dialogs/font_dialog.h"
#include "dialogs/font_mapping.h"
#include "dialogs/info_window.h"
#include "dialogs/preferences_dialog.h"
#include "dialogs/text_window.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/shown_text.h"
#include "util/launch.h"

namespace lumigram {

namespace {

QMessageBox::StandardButton RunBox(QWidget* parent, QMessageBox::Icon icon,
                                   const std::string& caption, const std::string& text,
                                   QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton defaultButton,
                                   QMessageBox::StandardButton escape) {
  QMessageBox box(icon, ShownText(caption), ShownText(text), buttons, parent);
  box.setDefaultButton(defaultButton);
  box.setEscapeButton(escape);
  return QMessageBox::StandardButton(box.exec());
}

}  // namespace

TQtEditorServices::TQtEditorServices() = default;

TQtEditorServices::~TQtEditorServices() = default;

void TQtEditorServices::SetParent(QWidget* parent) {
  parent_ = parent;
}

TFileDialogAnswer TQtEditorServices::RunFileDialog(const TFileDialogRequest& request) {
  return RunFileDialogWindow(request, parent_);
}

bool TQtEditorServices::InputQuery(const std::string& caption, const std::string& prompt,
                                   std::string& value) {
  QInputDialog dialog(parent_);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(ShownText(caption));
  dialog.setLabelText(ShownText(prompt));
  dialog.setTextValue(QString::fromStdString(value).left(kInputQueryMaxLength));
  if (auto* line = dialog.findChild<QLineEdit*>()) line->setMaxLength(kInputQueryMaxLength);
  if (dialog.exec() != QDialog::Accepted) return false;
  value = dialog.textValue().left(kInputQueryMaxLength).toStdString();
  return true;
}

bool TQtEditorServices::ChooseColour(TColor& colour) {
  QColorDialog dialog(ToQColor(colour), parent_);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return false;
  colour = FromQColor(dialog.selectedColor());
  return true;
}

bool TQtEditorServices::ChooseFont(TFont& font) {
  return ChooseFontWithDialog(font, parent_);
}

bool TQtEditorServices::EditPreferences(TCardPreferences& prefs) {
  return EditPreferencesWithDialog(prefs, parent_);
}

TWarningAnswer TQtEditorServices::AskWarningYesNoCancel(const std::string& caption,
                                                        const std::string& text) {
  switch (RunBox(parent_, QMessageBox::Warning, caption, text,
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
                 QMessageBox::Cancel)) {
    case QMessageBox::Yes:
      return TWarningAnswer::Yes;
    case QMessageBox::No:
      return TWarningAnswer::No;
    default:
      return TWarningAnswer::Cancel;
  }
}

bool TQtEditorServices::AskWarningYesNo(const std::string& caption, const std::string& text) {
  return RunBox(parent_, QMessageBox::Warning, caption, text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes, QMessageBox::No) == QMessageBox::Yes;
}

bool TQtEditorServices::ClipboardHasBitmap() {
  return lumigram::ClipboardHasBitmap();
}

bool TQtEditorServices::GetClipboardBitmap(TBitmap& bitmap) {
  std::string error;
  return lumigram::GetClipboardBitmap(bitmap, error);
}

bool TQtEditorServices::SetClipboardBitmap(const TBitmap& bitmap) {
  std::string error;
  return PutClipboardBitmap(bitmap, error);
}

std::vector<std::string> TQtEditorServices::VolumeControlProgram() {
  return lumigram::VolumeControlProgram();
}

TTextWindow& TQtEditorServices::MessageTextWindow() {
  if (!message_) message_ = std::make_unique<TTextWindow>();
  return *message_;
}

TTextWindow& TQtEditorServices::StyleCodeTextWindow() {
  if (!style_code_) style_code_ = std::make_unique<TTextWindow>();
  return *style_code_;
}

TInfoWindow& TQtEditorServices::InfoWindow() {
  if (!info_) info_ = std::make_unique<TInfoWindow>();
  return *info_;
}

TEditorTextWindow& TQtEditorServices::MessageWindow() {
  return MessageTextWindow();
}

TEditorTextWindow& TQtEditorServices::StyleCodeWindow() {
  return StyleCodeTextWindow();
}

void TQtEditorServices::ShowInfoWindow(const TInfoReport& report) {
  TInfoWindow& window = InfoWindow();
  if (!window.CanShow()) return;
  window.Clear();
  window.SetCaption(report.Caption);
  window.SetReportFont(report.FontName, report.FontSize);
  window.SetWindowSize(report.Width, report.Height);
  for (const std::string& line : report.Lines) window.AddLine(line);
  window.ShowInfo();
}

}  // namespace lumigram
