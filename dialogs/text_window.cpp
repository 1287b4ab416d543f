#include "dialogs/text_window.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QFontInfo>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QVBoxLayout>

#include "dialogs/font_mapping.h"
#include "dialogs/window_texts.h"
#include "lang/translate.h"
#include "platform/qt/shown_text.h"
#include "util/code_page.h"
#include "util/screen_layout.h"

namespace lumigram {

namespace {

constexpr int kDefaultWidth = 500;
constexpr int kDefaultHeight = 300;

Qt::Alignment AlignmentOf(int alignment) {
  switch (alignment) {
    case 0:
      return Qt::AlignLeft;
    case 1:
      return Qt::AlignRight;
    default:
      return Qt::AlignHCenter;
  }
}

}  // namespace

TTextWindow::TTextWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), memo_(new QTextEdit(this)) {
  setWindowTitle(ShownText(TranslateLite(window_text::kText)));
  setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(memo_);
  memo_->setAcceptRichText(false);
  memo_->setLineWrapMode(QTextEdit::WidgetWidth);
  memo_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->viewport()->installEventFilter(this);
  QObject::connect(memo_, &QTextEdit::textChanged, this, [this] { Typed(); });
  resize(kDefaultWidth, kDefaultHeight);
}

void TTextWindow::Setup(const TTextWindowSetup& setup) {
  setWindowTitle(ShownText(setup.Caption));
  resize(setup.Width > 0 ? setup.Width : width(), setup.Height > 0 ? setup.Height : height());
  if (!setup.FontName.empty()) {
    TFont font;
    font.Name = setup.FontName;
    font.Charset = charset_;
    QFont shown = ToQFont(font);
    shown.setPixelSize(memo_->font().pixelSize() > 0 ? memo_->font().pixelSize()
                                                     : QFontInfo(memo_->font()).pixelSize());
    memo_->setFont(shown);
  }
  memo_->setLineWrapMode(setup.WordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  memo_->setHorizontalScrollBarPolicy(setup.HorizontalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                : Qt::ScrollBarAlwaysOff);
  memo_->setVerticalScrollBarPolicy(setup.VerticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                            : Qt::ScrollBarAlwaysOff);
}

void TTextWindow::SetText(const std::string& text) {
  QString shown = QString::fromStdString(CharsetToUtf8(text, charset_));
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  // Filled by the editor while editing is enabled, it counts as typing.
  memo_->setPlainText(shown);
}

std::string TTextWindow::Text() const {
  QString text = memo_->toPlainText();
  text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  return Utf8ToCharset(text.toStdString(), charset_);
}

std::vector<std::string> TTextWindow::Lines() const {
  std::vector<std::string> lines;
  QTextDocument* document = memo_->document();
  if (document->isEmpty()) return lines;
  // Wrapped pieces only where the user sees them; a window not shown yet has
  // no width to wrap at.
  const bool wrapped = memo_->lineWrapMode() != QTextEdit::NoWrap && isVisible();
  if (wrapped) document->documentLayout()->documentSize();  // lays out every block
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    const QTextLayout* layout = block.layout();
    if (!wrapped || !layout || layout->lineCount() <= 1) {
      lines.push_back(Utf8ToCharset(text.toStdString(), charset_));
      continue;
    }
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      lines.push_back(
          Utf8ToCharset(text.mid(line.textStart(), line.textLength()).toStdString(), charset_));
    }
  }
  return lines;
}

void TTextWindow::SetFont(const TFont& font) {
  charset_ = font.Charset;
  memo_->setFont(ToQFont(font));
  QPalette palette = memo_->palette();
  palette.setColor(QPalette::Text, ToQColor(font.Color));
  memo_->setPalette(palette);
}

void TTextWindow::SetAlignment(int alignment) {
  QTextOption option = memo_->document()->defaultTextOption();
  option.setAlignment(AlignmentOf(alignment));
  memo_->document()->setDefaultTextOption(option);
}

void TTextWindow::SetEditEnabled(bool enabled) {
  edit_enabled_ = enabled;
  memo_->setReadOnly(!enabled);
}

void TTextWindow::ShowWindow() {
  showNormal();
  raise();
  activateWindow();
}

bool TTextWindow::IsHidden() const {
  return !isVisible() || isMinimized();
}

void TTextWindow::CenterWindow() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  const QRect frame = frameGeometry();
  const TPoint place = CenterOnScreen(area.width(), area.height(), frame.width(), frame.height());
  move(area.left() + place.X, area.top() + place.Y);
}

bool TTextWindow::eventFilter(QObject* watched, QEvent* event) {
  // The viewport's width decides where lines wrap.
  if (watched == memo_->viewport() && event->type() == QEvent::Resize && isVisible()) {
    const auto* resize = static_cast<QResizeEvent*>(event);
    if (resize->oldSize().width() != resize->size().width()) {
      // The text box lays its text out anew on its own resize, which comes
      // after ours; let it do that first.
      QMetaObject::invokeMethod(
          this, [this] { Typed(); }, Qt::QueuedConnection);
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TTextWindow::Typed() {
  if (!edit_enabled_ || !OnTyped) return;
  const std::function<void()> typed = OnTyped;
  typed();
}

}  // namespace lumigram
