#include "app/toolbar/toolbar_widget.h"

#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "platform/qt/qt_image.h"
#include "platform/qt/qt_screen_pixel.h"
#include "platform/qt/shown_text.h"

namespace lumigram {

namespace {

Qt::CursorShape ShapeOf(int cursor) {
  switch (cursor) {
    case kCursorHandPoint:
      return Qt::PointingHandCursor;
    case kCursorCross:
      return Qt::CrossCursor;
    case kCursorHourGlass:
      return Qt::WaitCursor;
    default:
      return Qt::ArrowCursor;
  }
}

TMouseButton ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton:
      return TMouseButton::Right;
    case Qt::MiddleButton:
      return TMouseButton::Middle;
    default:
      return TMouseButton::Left;
  }
}

unsigned ShiftOf(const QMouseEvent* event) {
  unsigned shift = 0;
  const Qt::KeyboardModifiers keys = event->modifiers();
  if (keys & Qt::ShiftModifier) shift |= kShiftKey;
  if (keys & Qt::AltModifier) shift |= kAltKey;
  if (keys & Qt::ControlModifier) shift |= kCtrlKey;
  const Qt::MouseButtons buttons = event->buttons();
  if (buttons & Qt::LeftButton) shift |= kLeftHeld;
  if (buttons & Qt::RightButton) shift |= kRightHeld;
  if (buttons & Qt::MiddleButton) shift |= kMiddleHeld;
  return shift;
}

// Whether this program put the cross over the screen and must take it back.
bool screen_cursor_set = false;

}  // namespace

TToolbarWidget::TToolbarWidget(TMultiTimer& timer, QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  toolbar_ = std::make_unique<TToolbars>(static_cast<TToolbarHost&>(*this), timer);
}

TToolbarWidget::~TToolbarWidget() {
  toolbar_.reset();
}

TCreatorToolbarEvents TToolbarWidget::ScreenEvents(TCreatorToolbarEvents events) {
  events.ReadScreenPixel = &TToolbarWidget::ReadScreenPixel;
  events.SetScreenCursor = &TToolbarWidget::SetScreenCursor;
  return events;
}

bool TToolbarWidget::ReadScreenPixel(TPoint screen, TColor& colour) {
  return ScreenPixel(screen, colour);
}

void TToolbarWidget::SetScreenCursor(int cursor) {
  if (screen_cursor_set) {
    QApplication::restoreOverrideCursor();
    screen_cursor_set = false;
  }
  if (cursor == kCursorDefault) return;
  QApplication::setOverrideCursor(QCursor(ShapeOf(cursor)));
  screen_cursor_set = true;
}

QSize TToolbarWidget::sizeHint() const {
  return {toolbar_ ? toolbar_->Image().Width() : 100, height()};
}

// ---- Window events -----------------------------------------------------------

void TToolbarWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor face = palette().color(QPalette::Window);
  painter.fillRect(rect(), face);
  if (!image_.isNull()) painter.drawImage(0, image_top_, image_);
  // Lowered lines: shadow above light.
  const QColor shadow = palette().color(QPalette::Mid);
  const QColor light = palette().color(QPalette::Light);
  const int w = width();
  if (top_bevel_) {
    painter.setPen(shadow);
    painter.drawLine(0, 0, w - 1, 0);
    painter.setPen(light);
    painter.drawLine(0, 1, w - 1, 1);
  }
  if (bottom_bevel_) {
    const int h = height();
    painter.setPen(shadow);
    painter.drawLine(0, h - 2, w - 1, h - 2);
    painter.setPen(light);
    painter.drawLine(0, h - 1, w - 1, h - 1);
  }
}

void TToolbarWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (toolbar_) toolbar_->WindowResized();
}

void TToolbarWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  toolbar_->MouseDown(ButtonOf(event->button()), ShiftOf(event), at.x(), at.y());
}

void TToolbarWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  toolbar_->MouseMove(ShiftOf(event), at.x(), at.y());
}

void TToolbarWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  // A press with several buttons ends with the last one.
  if (event->buttons() != Qt::NoButton) return;
  toolbar_->MouseUp(ButtonOf(event->button()), ShiftOf(event), at.x(), at.y());
}

bool TToolbarWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    if (hints_enabled_ && !hint_.isEmpty())
      QToolTip::showText(help->globalPos(), hint_, this);
    else
      QToolTip::hideText();
    return true;
  }
  return QWidget::event(event);
}

void TToolbarWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // The colours are read again on the next tracking round; this only
  // saves the wait.
  if (toolbar_ && event->type() == QEvent::PaletteChange) toolbar_->Layout();
}

// ---- TToolbarHost --------------------------------------------------------------

int TToolbarWidget::ClientWidth() const {
  return width();
}

TColor TToolbarWidget::WindowColor() const {
  return ColourOfRgb(palette().color(QPalette::Window).rgb());
}

bool TToolbarWidget::PointerPosition(TPoint& at) const {
  const QPoint local = mapFromGlobal(QCursor::pos());
  at = {local.x(), local.y()};
  return true;
}

TPoint TToolbarWidget::ClientToScreen(TPoint at) const {
  const QPoint global = mapToGlobal(QPoint(at.X, at.Y));
  return {global.x(), global.y()};
}

void TToolbarWidget::SetHeight(int height) {
  setFixedHeight(std::max(height, 1));
  updateGeometry();
}

void TToolbarWidget::ShowBevels(bool top, bool bottom) {
  if (top == top_bevel_ && bottom == bottom_bevel_) return;
  top_bevel_ = top;
  bottom_bevel_ = bottom;
  update();
}

void TToolbarWidget::SetWindowEnabled(bool enabled) {
  setEnabled(enabled);
}

void TToolbarWidget::SetCursor(int cursor) {
  if (cursor == kCursorDefault)
    unsetCursor();
  else
    setCursor(ShapeOf(cursor));
}

void TToolbarWidget::SetHint(const std::string& hint) {
  hint_ = ShownText(hint);
  hint_.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  // A hint already showing follows the pointer to the next button.
  if (hints_enabled_ && !hint_.isEmpty() && QToolTip::isVisible() && underMouse())
    QToolTip::showText(QCursor::pos(), hint_, this);
}

void TToolbarWidget::CancelHint() {
  QToolTip::hideText();
}

void TToolbarWidget::SetHintsEnabled(bool enabled) {
  hints_enabled_ = enabled;
  if (!enabled) QToolTip::hideText();
}

void TToolbarWidget::Present(const TBitmap& image, int top) {
  image_ = ToQImage(image);
  image_top_ = top;
  update();
}

}  // namespace lumigram
