#include "platform/qt/qt_card_widget.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

namespace lumigram {

namespace {

const QColor kBackground(128, 128, 128);

bool ButtonOf(Qt::MouseButton qtButton, TMouseButton& button) {
  switch (qtButton) {
    case Qt::LeftButton:
      button = TMouseButton::Left;
      return true;
    case Qt::RightButton:
      button = TMouseButton::Right;
      return true;
    case Qt::MiddleButton:
      button = TMouseButton::Middle;
      return true;
    default:  // extra buttons
      return false;
  }
}

Qt::WindowFlags FlagsOf(TCardWindowKind kind) {
  return Qt::FramelessWindowHint | (kind == TCardWindowKind::Embedded ? Qt::Tool : Qt::Window);
}

}  // namespace

TQtCardWidget::THandlerScope::~THandlerScope() {
  if (--widget_.handlers_ == 0 && widget_.released_) widget_.deleteLater();
}

TQtCardWidget::TQtCardWidget(TCardWindowKind kind, QWidget* owner)
    : QWidget(kind == TCardWindowKind::Embedded ? owner : nullptr, FlagsOf(kind)) {
  // Every pixel is ours: no background to clear before painting.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  // Moves without a button held too, for the hot spots' hover.
  setMouseTracking(true);
  // The creator's card appears beside its main window without taking the
  // keyboard from it.
  if (kind == TCardWindowKind::Embedded) setAttribute(Qt::WA_ShowWithoutActivating);
  origin_ = geometry().topLeft();
}

void TQtCardWidget::SetImage(QImage image) {
  image_ = std::move(image);
  if (!painting_) update();
}

void TQtCardWidget::MoveTo(const QRect& geometry) {
  origin_ = geometry.topLeft();
  setGeometry(geometry);
}

void TQtCardWidget::Release() {
  events_ = nullptr;
  released_ = true;
  hide();
  if (handlers_ == 0) delete this;
}

void TQtCardWidget::paintEvent(QPaintEvent*) {
  if (image_.isNull() && events_ && !released_) {
    // Nothing presented yet: the card is asked for its image, which comes
    // back through SetImage while we paint.
    THandlerScope scope(*this);
    painting_ = true;
    events_->WindowPaint();
    painting_ = false;
  }
  if (released_) return;
  QPainter painter(this);
  if (!image_.isNull()) painter.drawImage(0, 0, image_);
  // The part the image does not cover, while a resize is on its way.
  if (image_.width() < width()) painter.fillRect(image_.width(), 0, width(), height(), kBackground);
  if (image_.height() < height())
    painter.fillRect(0, image_.height(), image_.width(), height(), kBackground);
}

void TQtCardWidget::TrackOrigin(const QMouseEvent& event) {
  origin_ = (event.globalPosition() - event.position()).toPoint();
}

void TQtCardWidget::mousePressEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ButtonOf(event->button(), button)) return;
  TrackOrigin(*event);
  // Qt keeps the pointer for this widget while a button is held, so the
  // release comes here wherever it happens.
  if (button_down_) return;
  button_down_ = true;
  THandlerScope scope(*this);
  const QPoint at = event->position().toPoint();
  if (events_) events_->WindowMouseDown(button, at.x(), at.y());
}

void TQtCardWidget::mouseMoveEvent(QMouseEvent* event) {
  TrackOrigin(*event);
  THandlerScope scope(*this);
  const QPoint at = event->position().toPoint();
  if (events_) events_->WindowMouseMove(at.x(), at.y());
}

void TQtCardWidget::mouseReleaseEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ButtonOf(event->button(), button)) return;
  TrackOrigin(*event);
  if (!button_down_) return;
  button_down_ = false;
  THandlerScope scope(*this);
  const QPoint at = event->position().toPoint();
  if (events_) events_->WindowMouseUp(button, at.x(), at.y());
}

void TQtCardWidget::closeEvent(QCloseEvent* event) {
  // The card decides whether its window goes.
  event->ignore();
  THandlerScope scope(*this);
  if (events_) events_->WindowClose();
}

void TQtCardWidget::moveEvent(QMoveEvent* event) {
  origin_ = event->pos();
}

}  // namespace lumigram
