#pragma once
// The window of the language tool: the languages in a list, the one in
// force selected; OK installs the chosen one.

#include <QDialog>
#include <string>
#include <vector>

#include "tools/language/language_catalog.h"

class QListWidget;

namespace lumigram {

class TLanguageDialog : public QDialog {
 public:
  TLanguageDialog(std::vector<TBuiltInLanguage> languages, std::string folder);

  void accept() override;

 private:
  std::vector<TBuiltInLanguage> languages_;
  std::string folder_;
  QListWidget* list_ = nullptr;
};

}  // namespace lumigram
