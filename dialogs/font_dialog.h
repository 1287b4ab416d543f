#pragma once
// The font dialog with effects: Qt's own dialog (never the desktop's, so
// that it can be extended and driven) with strike-out, underline and a
// colour list beside them.

#include <QFontDialog>

#include "imaging/text/font.h"

class QComboBox;

namespace lumigram {

class TFontDialog : public QFontDialog {
 public:
  TFontDialog(const TFont& start, QWidget* parent = nullptr);

  // The font the dialog shows now, with the colour of the colour list.
  TFont ChosenFont() const;
  QComboBox* ColourList() const { return colours_; }

 private:
  TFont start_;
  QString shown_family_;
  QComboBox* colours_ = nullptr;
};

// Runs the dialog from font; true and the choice in font on OK.
bool ChooseFontWithDialog(TFont& font, QWidget* parent);

}  // namespace lumigram
