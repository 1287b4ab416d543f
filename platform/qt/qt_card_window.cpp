#include "platform/qt/qt_card_window.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QSessionManager>
#include <algorithm>

#include "platform/qt/qt_image.h"
#include "platform/qt/shown_text.h"

namespace lumigram {

namespace {

// Qt's own limit on a widget's sides.
constexpr int kMaxSide = QWIDGETSIZE_MAX;

}  // namespace

TQtCardWindow::TQtCardWindow(TCardWindowKind kind, QWidget* owner)
    : widget_(new TQtCardWidget(kind, owner)) {
  // Like the viewer's window: a quarter in from the screen's corner, half its size.
  const TPoint screen = ScreenSize();
  widget_->MoveTo(
      {screen.X / 4, screen.Y / 4, std::max(1, screen.X / 2), std::max(1, screen.Y / 2)});
  widget_->setCursor(Qt::ArrowCursor);
  animation_.setSingleShot(true);
  QObject::connect(&animation_, &QTimer::timeout, [this] {
    cursor_step_ = (cursor_step_ + 1) % std::max<size_t>(cursor_steps_.size(), 1);
    ShowCursorStep();
  });
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    session_ = QObject::connect(app, &QGuiApplication::commitDataRequest, widget_,
                                [this](QSessionManager& manager) {
                                  if (!EndSession() && manager.allowsInteraction())
                                    manager.cancel();
                                });
  }
}

TQtCardWindow::~TQtCardWindow() {
  animation_.stop();
  QObject::disconnect(session_);
  if (widget_) widget_->Release();
}

QWidget* TQtCardWindow::Widget() const {
  return widget_;
}

void TQtCardWindow::SetEvents(TCardWindowEvents* events) {
  if (widget_) widget_->SetEvents(events);
}

void TQtCardWindow::Show() {
  if (!widget_) return;
  widget_->show();
  widget_->raise();
}

void TQtCardWindow::Hide() {
  if (widget_) widget_->hide();
}

bool TQtCardWindow::Visible() const {
  return widget_ && widget_->isVisible();
}

TRect TQtCardWindow::Bounds() const {
  if (!widget_) return {};
  const QPoint origin = widget_->Origin();
  return {origin.x(), origin.y(), origin.x() + widget_->width(), origin.y() + widget_->height()};
}

void TQtCardWindow::SetBounds(int left, int top, int width, int height) {
  if (!widget_) return;
  widget_->MoveTo({std::clamp(left, -kMaxSide, kMaxSide), std::clamp(top, -kMaxSide, kMaxSide),
                   std::clamp(width, 1, kMaxSide), std::clamp(height, 1, kMaxSide)});
  widget_->raise();
}

void TQtCardWindow::SetCaption(const std::string& caption) {
  if (widget_) widget_->setWindowTitle(ShownText(caption));
}

void TQtCardWindow::Present(const TBitmap& image) {
  if (widget_) widget_->SetImage(ToQImage(image));
}

void TQtCardWindow::SetCursor(const TCursorImage* cursor) {
  cursor_steps_ = cursor ? CursorSteps(*cursor) : std::vector<TQtCursorStep>();
  cursor_step_ = 0;
  ShowCursorStep();
}

void TQtCardWindow::SetBusyCursor(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  ShowCursorStep();
}

// Shows the current step and times the next one; the busy cursor stops the
// animation, which starts over afterwards from where it was.
void TQtCardWindow::ShowCursorStep() {
  animation_.stop();
  if (!widget_) return;
  if (busy_) {
    widget_->setCursor(Qt::BusyCursor);
    return;
  }
  if (cursor_steps_.empty()) {
    widget_->setCursor(Qt::ArrowCursor);
    return;
  }
  const TQtCursorStep& step = cursor_steps_[cursor_step_ % cursor_steps_.size()];
  widget_->setCursor(step.Cursor);
  if (cursor_steps_.size() > 1) animation_.start(step.Milliseconds);
}

QCursor TQtCardWindow::CurrentCursor() const {
  return widget_ ? widget_->cursor() : QCursor();
}

TPoint TQtCardWindow::ScreenSize() const {
  QScreen* screen = widget_ ? widget_->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QSize size = screen->size();
  return {size.width(), size.height()};
}

TPoint TQtCardWindow::MousePosition() const {
  const QPoint at = QCursor::pos();
  return {at.x(), at.y()};
}

bool TQtCardWindow::EndSession() {
  if (!widget_) return true;
  // The card may go while it answers; look again after each call.
  QPointer<TQtCardWidget> widget = widget_;
  TCardWindowEvents* events = widget->Events();
  if (!events) return true;
  if (!events->WindowQueryEndSession()) return false;
  if (widget && widget->Events() == events) events->WindowEndSession();
  return true;
}

}  // namespace lumigram
