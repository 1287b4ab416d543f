#include "app/interim_editor_services.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_image.h"
#include "util/launch.h"
#include "util/text.h"

namespace lumigram {

namespace {

std::string Plain(const QString& text) {
  std::string bytes = text.toStdString();
  return ReplaceAll(bytes, "\n", "\r\n");
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

QString QtFilterOf(const std::string& filter) {
  const std::vector<std::string> parts = Split(filter, '|');
  QStringList entries;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = QString::fromStdString(parts[i + 1]);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    entries << QString::fromStdString(parts[i]) + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return entries.join(QStringLiteral(";;"));
}

// The editor's text windows: a plain text box in a window of its own.
class TInterimTextWindow final : public TEditorTextWindow {
 public:
  TInterimTextWindow() {
    window_ = std::make_unique<QWidget>(nullptr, Qt::Tool);
    auto* layout = new QVBoxLayout(window_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    edit_ = new QPlainTextEdit(window_.get());
    layout->addWidget(edit_);
    QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, [this] {
      if (!filling_ && edit_->isEnabled() && !edit_->isReadOnly() && OnTyped) OnTyped();
    });
  }

  void Setup(const TTextWindowSetup& setup) override {
    window_->setWindowTitle(ShownText(setup.Caption));
    if (setup.Width > 0 && setup.Height > 0) window_->resize(setup.Width, setup.Height);
    if (!setup.FontName.empty()) edit_->setFont(QFont(QString::fromStdString(setup.FontName)));
    edit_->setLineWrapMode(setup.WordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    edit_->setVerticalScrollBarPolicy(setup.VerticalScrollBar ? Qt::ScrollBarAsNeeded
                                                              : Qt::ScrollBarAlwaysOff);
    edit_->setHorizontalScrollBarPolicy(setup.HorizontalScrollBar ? Qt::ScrollBarAsNeeded
                                                                  : Qt::ScrollBarAlwaysOff);
  }
  void SetText(const std::string& text) override {
    filling_ = !edit_->isEnabled() || edit_->isReadOnly();
    edit_->setPlainText(ShownText(text));
    filling_ = false;
  }
  std::string Text() const override { return Plain(edit_->toPlainText()); }
  std::vector<std::string> Lines() const override {
    return Split(edit_->toPlainText().toStdString(), '\n');
  }
  void SetFont(const TFont& font) override {
    QFont shown(QString::fromStdString(font.Name), font.Size() > 0 ? font.Size() : 8);
    shown.setBold(font.Bold);
    shown.setItalic(font.Italic);
    edit_->setFont(shown);
  }
  void SetAlignment(int) override {}
  void SetEditEnabled(bool enabled) override { edit_->setReadOnly(!enabled); }
  void ShowWindow() override {
    window_->showNormal();
    window_->raise();
  }

 private:
  std::unique_ptr<QWidget> window_;
  QPlainTextEdit* edit_ = nullptr;
  bool filling_ = false;
};

TInterimEditorServices::TInterimEditorServices(QWidget* parent) : parent_(parent) {
  desktop_.SetParent(parent);
}

TInterimEditorServices::~TInterimEditorServices() = default;

TFileDialogAnswer TInterimEditorServices::RunFileDialog(const TFileDialogRequest& request) {
  TFileDialogAnswer answer;
  QFileDialog dialog(parent_, QString(), QString::fromStdString(request.Folder),
                     QtFilterOf(request.Filter));
  const bool save = IsSaveDialog(request.Kind);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The editor asks its own replace question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filters = dialog.nameFilters();
  if (request.FilterIndex >= 1 && request.FilterIndex <= filters.size())
    dialog.selectNameFilter(filters[request.FilterIndex - 1]);
  if (!request.FileName.empty()) dialog.selectFile(QString::fromStdString(request.FileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return answer;
  answer.Accepted = true;
  answer.FileName = dialog.selectedFiles().first().toStdString();
  answer.FilterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
  if (answer.FilterIndex < 1) answer.FilterIndex = 1;
  return answer;
}

bool TInterimEditorServices::InputQuery(const std::string& caption, const std::string& prompt,
                                        std::string& value) {
  bool ok = false;
  const QString typed = QInputDialog::getText(parent_, ShownText(caption), ShownText(prompt),
                                              QLineEdit::Normal, QString::fromStdString(value), &ok);
  if (!ok) return false;
  value = typed.left(255).toStdString();
  return true;
}

bool TInterimEditorServices::ChooseColour(TColor& colour) {
  const QColor chosen = QColorDialog::getColor(QColor::fromRgb(RgbOfColour(colour)), parent_);
  if (!chosen.isValid()) return false;
  colour = ColourOfRgb(chosen.rgb());
  return true;
}

bool TInterimEditorServices::ChooseFont(TFont& font) {
  QFont start(QString::fromStdString(font.Name), font.Size() > 0 ? font.Size() : 8);
  start.setBold(font.Bold);
  start.setItalic(font.Italic);
  start.setUnderline(font.Underline);
  start.setStrikeOut(font.StrikeOut);
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, start, parent_);
  if (!ok) return false;
  font.Name = chosen.family().toStdString();
  if (chosen.pointSize() > 0) font.SetSize(chosen.pointSize());
  font.Bold = chosen.bold();
  font.Italic = chosen.italic();
  font.Underline = chosen.underline();
  font.StrikeOut = chosen.strikeOut();
  return true;
}

bool TInterimEditorServices::EditPreferences(TCardPreferences& prefs) {
  QDialog dialog(parent_);
  dialog.setWindowTitle(QStringLiteral("Preferences"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* canEdit = new QCheckBox(QStringLiteral("Can Edit"), &dialog);
  auto* canPrint = new QCheckBox(QStringLiteral("Can Print"), &dialog);
  auto* author = new QPlainTextEdit(ShownText(prefs.Author), &dialog);
  canEdit->setChecked(prefs.CanEdit);
  canPrint->setChecked(prefs.CanPrint);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Apply | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, &dialog,
                   &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  for (QWidget* widget : {static_cast<QWidget*>(canEdit), static_cast<QWidget*>(canPrint),
                          static_cast<QWidget*>(author), static_cast<QWidget*>(buttons)})
    layout->addWidget(widget);
  if (dialog.exec() != QDialog::Accepted) return false;
  prefs.CanEdit = canEdit->isChecked();
  prefs.CanPrint = canPrint->isChecked();
  prefs.Author = Plain(author->toPlainText());
  return true;
}

TWarningAnswer TInterimEditorServices::AskWarningYesNoCancel(const std::string& caption,
                                                             const std::string& text) {
  switch (QMessageBox::warning(parent_, ShownText(caption), ShownText(text),
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                               QMessageBox::Yes)) {
    case QMessageBox::Yes:
      return TWarningAnswer::Yes;
    case QMessageBox::No:
      return TWarningAnswer::No;
    default:
      return TWarningAnswer::Cancel;
  }
}

bool TInterimEditorServices::AskWarningYesNo(const std::string& caption, const std::string& text) {
  return QMessageBox::warning(parent_, ShownText(caption), ShownText(text),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes) == QMessageBox::Yes;
}

void TInterimEditorServices::ShowError(const std::string& caption, const std::string& text) {
  QMessageBox::critical(parent_, ShownText(caption), ShownText(text));
}

void TInterimEditorServices::ShowInformation(const std::string& caption, const std::string& text) {
  QMessageBox::information(parent_, ShownText(caption), ShownText(text));
}

bool TInterimEditorServices::ClipboardHasBitmap() {
  return lumigram::ClipboardHasBitmap();
}

bool TInterimEditorServices::GetClipboardBitmap(TBitmap& bitmap) {
  std::string error;
  return lumigram::GetClipboardBitmap(bitmap, error);
}

bool TInterimEditorServices::SetClipboardBitmap(const TBitmap& bitmap) {
  std::string error;
  return PutClipboardBitmap(bitmap, error);
}

bool TInterimEditorServices::OpenDocument(const std::string& target) {
  return lumigram::OpenDocument(target);
}

bool TInterimEditorServices::StartProgram(const std::vector<std::string>& argv) {
  return lumigram::StartProgram(argv);
}

std::vector<std::string> TInterimEditorServices::VolumeControlProgram() {
  return lumigram::VolumeControlProgram();
}

bool TInterimEditorServices::Print(const TBitmap& image, const std::string& title,
                                   std::string& error) {
  return desktop_.Print(image, title, error);
}

TEditorTextWindow& TInterimEditorServices::MessageWindow() {
  if (!message_window_) message_window_ = std::make_unique<TInterimTextWindow>();
  return *message_window_;
}

TEditorTextWindow& TInterimEditorServices::StyleCodeWindow() {
  if (!style_window_) style_window_ = std::make_unique<TInterimTextWindow>();
  return *style_window_;
}

void TInterimEditorServices::ShowInfoWindow(const TInfoReport& report) {
  if (info_showing_) return;
  info_showing_ = true;
  QDialog dialog(parent_);
  dialog.setWindowTitle(ShownText(report.Caption));
  dialog.resize(report.Width, report.Height);
  auto* layout = new QVBoxLayout(&dialog);
  auto* text = new QPlainTextEdit(&dialog);
  text->setReadOnly(true);
  for (const std::string& line : report.Lines) text->appendPlainText(ShownText(line));
  layout->addWidget(text);
  dialog.exec();
  info_showing_ = false;
}

}  // namespace lumigram
