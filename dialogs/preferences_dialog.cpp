#include "dialogs/preferences_dialog.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "dialogs/window_texts.h"
#include "lang/translate.h"
#include "platform/qt/shown_text.h"
#include "util/screen_layout.h"

namespace lumigram {

namespace {

namespace t = window_text;

constexpr int kWidth = 300;
constexpr int kHeight = 400;
constexpr int kGap = 8;
constexpr int kMinMemoHeight = 10;

QString Tr(const char* text) {
  return ShownText(TranslateLite(text));
}

std::string StoredText(const QString& shown) {
  QString text = shown;
  text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  return text.toStdString();
}

}  // namespace

TPreferencesDialog::TPreferencesDialog(const TCardPreferences& prefs, QWidget* parent)
    : QDialog(parent),
      can_edit_(new QCheckBox(Tr(t::kCanEdit))),
      can_print_(new QCheckBox(Tr(t::kCanPrint))),
      author_(new QPlainTextEdit),
      apply_(new QPushButton(Tr(t::kApply))),
      cancel_(new QPushButton(Tr(t::kCancel))) {
  setWindowTitle(ShownText(t::kLumigramPrefix + TranslateLite(t::kPreferences)));
  // A fixed frame with the close button only.
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kWidth, kHeight);

  can_edit_->setChecked(prefs.CanEdit);
  can_print_->setChecked(prefs.CanPrint);
  author_->setLineWrapMode(QPlainTextEdit::NoWrap);
  author_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  author_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  author_->setMinimumHeight(kMinMemoHeight);
  author_->setPlainText(ShownText(prefs.Author));

  auto* upper = new QVBoxLayout;
  upper->setContentsMargins(kGap, kGap, kGap, 0);
  upper->setSpacing(2);
  upper->addWidget(new QLabel(Tr(t::kUserPreferences)));
  upper->addWidget(can_edit_);
  upper->addWidget(can_print_);
  upper->addSpacing(kGap);
  auto* author_label = new QLabel(Tr(t::kAuthorDetails));
  author_label->setBuddy(author_);
  upper->addWidget(author_label);
  upper->addWidget(author_, 1);

  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(kGap, kGap, kGap, kGap);
  buttons->setSpacing(kGap);
  buttons->addStretch(1);
  buttons->addWidget(cancel_);
  buttons->addWidget(apply_);
  apply_->setDefault(true);
  apply_->setAutoDefault(true);
  cancel_->setAutoDefault(false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addLayout(upper, 1);
  layout->addLayout(buttons);

  connect(apply_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    const TPoint place = CenterOnScreen(area.width(), area.height(), kWidth, kHeight);
    move(area.left() + place.X, area.top() + place.Y);
  }
}

TCardPreferences TPreferencesDialog::Chosen() const {
  TCardPreferences prefs;
  prefs.CanEdit = can_edit_->isChecked();
  prefs.CanPrint = can_print_->isChecked();
  prefs.Author = StoredText(author_->toPlainText());
  return prefs;
}

bool EditPreferencesWithDialog(TCardPreferences& prefs, QWidget* parent) {
  TPreferencesDialog dialog(prefs, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  prefs = dialog.Chosen();
  return true;
}

}  // namespace lumigram
