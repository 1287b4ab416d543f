#pragma once
// The information window: a read-only report in the tiny mark-up of
// info_markup.h, shown modally in the middle of the screen. Esc closes it.

#include <QDialog>
#include <string>
#include <vector>

class QTextEdit;

namespace lumigram {

class TInfoWindow : public QDialog {
 public:
  explicit TInfoWindow(QWidget* parent = nullptr);

  void Clear();
  void AddLine(const std::string& line);
  // The lines joined with CR LF.
  std::string Report() const;
  void SetReportFont(const std::string& name, int size);
  // Outer size in pixels.
  void SetWindowSize(int width, int height);
  void SetCaption(const std::string& caption);

  // Renders the report and shows the window modally; does nothing while it
  // is showing already.
  void ShowInfo();
  bool CanShow() const { return !isVisible(); }

  // Puts the report into the text box, as ShowInfo does before showing it.
  void Render();
  QTextEdit* TextBox() const { return text_; }

 private:
  QTextEdit* text_;
  std::vector<std::string> lines_;
  std::string font_name_ = "Arial";
  int font_size_ = 12;
};

}  // namespace lumigram
