#pragma once
// A resizable window holding one text box: the card message is typed here,
// and the custom frame style code. The editor fills it with editing
// disabled, so that only the user's typing (and resizing, which moves the
// wrapped lines) reaches OnTyped.
//
// The editor's texts are bytes in the character set of the window's font;
// the text box shows them as Unicode.

#include <QWidget>

#include "editor/editor_services.h"

class QTextEdit;

namespace lumigram {

class TTextWindow : public QWidget, public TEditorTextWindow {
 public:
  explicit TTextWindow(QWidget* parent = nullptr);

  void Setup(const TTextWindowSetup& setup) override;
  void SetText(const std::string& text) override;
  std::string Text() const override;
  std::vector<std::string> Lines() const override;
  void SetFont(const TFont& font) override;
  void SetAlignment(int alignment) override;
  void SetEditEnabled(bool enabled) override;
  void ShowWindow() override;

  // Minimised or not shown.
  bool IsHidden() const;
  void CenterWindow();

  QTextEdit* Memo() const { return memo_; }
  bool EditEnabled() const { return edit_enabled_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Typed();

  QTextEdit* memo_;
  bool edit_enabled_ = true;
  int charset_ = kDefaultCharset;
};

}  // namespace lumigram
