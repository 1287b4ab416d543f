#pragma once
// The card's preferences: whether its viewer offers Edit and Print, and the
// author details its About box shows. Built for each use.

#include <QDialog>

#include "editor/editor_services.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace lumigram {

class TPreferencesDialog : public QDialog {
 public:
  TPreferencesDialog(const TCardPreferences& prefs, QWidget* parent = nullptr);

  // What the controls hold now.
  TCardPreferences Chosen() const;

  QCheckBox* CanEditBox() const { return can_edit_; }
  QCheckBox* CanPrintBox() const { return can_print_; }
  QPlainTextEdit* AuthorBox() const { return author_; }
  QPushButton* ApplyButton() const { return apply_; }
  QPushButton* CancelButton() const { return cancel_; }

 private:
  QCheckBox* can_edit_;
  QCheckBox* can_print_;
  QPlainTextEdit* author_;
  QPushButton* apply_;
  QPushButton* cancel_;
};

// Runs the dialog; true on Apply, with the choice in prefs.
bool EditPreferencesWithDialog(TCardPreferences& prefs, QWidget* parent);

}  // namespace lumigram
