#include "dialogs/font_dialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>

#include "dialogs/font_mapping.h"
#include "dialogs/window_texts.h"
#include "lang/translate.h"
#include "platform/qt/shown_text.h"

namespace lumigram {

namespace {

struct TNamedColour {
  const char* Name;
  TColor Colour;
};

// The sixteen colours font dialogs have always offered.
constexpr TNamedColour kColours[] = {
    {"Black", RGB(0, 0, 0)},       {"Maroon", RGB(128, 0, 0)},    {"Green", RGB(0, 128, 0)},
    {"Olive", RGB(128, 128, 0)},   {"Navy", RGB(0, 0, 128)},      {"Purple", RGB(128, 0, 128)},
    {"Teal", RGB(0, 128, 128)},    {"Gray", RGB(128, 128, 128)},  {"Silver", RGB(192, 192, 192)},
    {"Red", RGB(255, 0, 0)},       {"Lime", RGB(0, 255, 0)},      {"Yellow", RGB(255, 255, 0)},
    {"Blue", RGB(0, 0, 255)},      {"Fuchsia", RGB(255, 0, 255)}, {"Aqua", RGB(0, 255, 255)},
    {"White", RGB(255, 255, 255)},
};

QIcon Swatch(TColor colour) {
  QPixmap pixmap(16, 12);
  pixmap.fill(ToQColor(colour));
  return QIcon(pixmap);
}

void AddColour(QComboBox* list, const char* name, TColor colour) {
  list->addItem(Swatch(colour), ShownText(TranslateLite(name)), uint(colour));
}

// Where the effects check boxes are, so that the colour goes with them.
QBoxLayout* EffectsLayout(QFontDialog& dialog) {
  for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
    if (QWidget* group = box->parentWidget())
      if (auto* layout = qobject_cast<QBoxLayout*>(group->layout())) return layout;
  return nullptr;
}

}  // namespace

TFontDialog::TFontDialog(const TFont& start, QWidget* parent) : QFontDialog(parent), start_(start) {
  setOption(QFontDialog::DontUseNativeDialog);
  setCurrentFont(ToQFont(start, TFontUnit::Points));
  // A face the desktop lacks shows as its substitute; OK on it keeps ours.
  shown_family_ = currentFont().family();

  colours_ = new QComboBox;
  colours_->setObjectName(QStringLiteral("fontColour"));
  int current = -1;
  for (const TNamedColour& named : kColours) {
    if (named.Colour == (start.Color & 0xFFFFFF)) current = colours_->count();
    AddColour(colours_, named.Name, named.Colour);
  }
  if (current < 0) {
    current = colours_->count();
    AddColour(colours_, window_text::kCustomColor, start.Color & 0xFFFFFF);
  }
  colours_->setCurrentIndex(current);

  auto* row = new QHBoxLayout;
  auto* label = new QLabel(ShownText(TranslateLite(window_text::kColor)));
  label->setBuddy(colours_);
  row->addWidget(label);
  row->addWidget(colours_, 1);
  if (QBoxLayout* effects = EffectsLayout(*this))
    effects->addLayout(row);
  else if (auto* grid = qobject_cast<QGridLayout*>(layout()))
    grid->addLayout(row, grid->rowCount(), 0, 1, grid->columnCount());
  else if (auto* main = qobject_cast<QBoxLayout*>(layout()))
    main->addLayout(row);
  else
    (new QWidget(this))->setLayout(row);
}

TFont TFontDialog::ChosenFont() const {
  TFont font = FromQFont(currentFont(), start_);
  if (currentFont().family() == shown_family_) font.Name = start_.Name;
  font.Color = TColor(colours_->currentData().toUInt());
  return font;
}

bool ChooseFontWithDialog(TFont& font, QWidget* parent) {
  TFontDialog dialog(font, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  font = dialog.ChosenFont();
  return true;
}

}  // namespace lumigram
