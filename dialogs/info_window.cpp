#include "dialogs/info_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "dialogs/font_mapping.h"
#include "dialogs/info_markup.h"
#include "dialogs/window_texts.h"
#include "lang/translate.h"
#include "platform/qt/shown_text.h"
#include "util/screen_layout.h"

namespace lumigram {

namespace {

constexpr int kMaxFontSize = 200;

QTextCharFormat StyleFormat(int style, const QString& family, int size) {
  QTextCharFormat format;
  format.setFontFamilies({family});
  format.setFontPointSize(size);
  switch (style) {
    case 1:
      format.setForeground(Qt::black);
      format.setFontWeight(QFont::Normal);
      break;
    case 2:
      format.setForeground(Qt::red);
      format.setFontWeight(QFont::Bold);
      break;
    default:
      format.setForeground(Qt::blue);
      format.setFontWeight(QFont::Normal);
      break;
  }
  return format;
}

void CenterOnItsScreen(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  const TPoint place = CenterOnScreen(area.width(), area.height(), window.width(), window.height());
  window.move(area.left() + place.X, area.top() + place.Y);
}

}  // namespace

TInfoWindow::TInfoWindow(QWidget* parent) : QDialog(parent), text_(new QTextEdit(this)) {
  setWindowTitle(ShownText(TranslateLite(window_text::kInformation)));
  setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  text_->setFrameShape(QFrame::NoFrame);
  text_->setReadOnly(true);
  text_->setLineWrapMode(QTextEdit::NoWrap);
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  resize(400, 470);
}

void TInfoWindow::Clear() {
  lines_.clear();
}

void TInfoWindow::AddLine(const std::string& line) {
  lines_.push_back(line);
}

std::string TInfoWindow::Report() const {
  std::string report;
  for (const std::string& line : lines_) {
    if (&line != &lines_.front()) report += "\r\n";
    report += line;
  }
  return report;
}

void TInfoWindow::SetReportFont(const std::string& name, int size) {
  font_name_ = name;
  font_size_ = size;
}

void TInfoWindow::SetWindowSize(int width, int height) {
  resize(std::max(width, 50), std::max(height, 50));
}

void TInfoWindow::SetCaption(const std::string& caption) {
  setWindowTitle(ShownText(caption));
}

void TInfoWindow::Render() {
  text_->clear();
  const int size = std::clamp(font_size_, 1, kMaxFontSize);
  const QString family = ShownText(font_name_);
  QTextCursor cursor(text_->document());
  bool first = true;
  for (const TInfoLine& line : ParseInfoMarkup(Report())) {
    const QTextCharFormat format = StyleFormat(line.Style, family, size);
    if (!first) cursor.insertBlock(QTextBlockFormat(), format);
    cursor.setCharFormat(format);
    cursor.insertText(ShownText(line.Text), format);
    first = false;
  }
  text_->moveCursor(QTextCursor::Start);
}

void TInfoWindow::ShowInfo() {
  if (isVisible()) return;
  Render();
  CenterOnItsScreen(*this);
  exec();
}

}  // namespace lumigram
