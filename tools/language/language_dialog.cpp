#include "tools/language/language_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "lang/translate.h"
#include "tools/language/language_install.h"
#include "tools/language/language_texts.h"
#include "util/code_page.h"

namespace lumigram {

namespace {

constexpr int kWesternCharset = 0;

// A text of ours, translated, as Qt shows it.
QString Shown(const char* text) {
  return QString::fromStdString(CharsetToUtf8(TranslateLite(text), kWesternCharset));
}

}  // namespace

TLanguageDialog::TLanguageDialog(std::vector<TBuiltInLanguage> languages, std::string folder)
    : languages_(std::move(languages)), folder_(std::move(folder)) {
  setWindowTitle(Shown(language_text::kCaption));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(Shown(language_text::kChoose), this));

  list_ = new QListWidget(this);
  const std::string installed = InstalledLanguageKey(languages_, folder_);
  for (const TBuiltInLanguage& language : languages_) {
    list_->addItem(QString::fromStdString(language.Name));
    if (language.Key == installed) list_->setCurrentRow(list_->count() - 1);
  }
  layout->addWidget(list_);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(Shown(language_text::kOk));
  buttons->button(QDialogButtonBox::Cancel)->setText(Shown(language_text::kCancel));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void TLanguageDialog::accept() {
  const int row = list_->currentRow();
  if (row < 0 || size_t(row) >= languages_.size()) {
    QDialog::reject();
    return;
  }
  std::string error;
  if (!InstallLanguage(languages_[size_t(row)], folder_, error)) {
    QMessageBox::critical(this, Shown(language_text::kCaption), Shown(error.c_str()));
    return;
  }
  QMessageBox::information(this, Shown(language_text::kCaption), Shown(language_text::kRestart));
  QDialog::accept();
}

}  // namespace lumigram
