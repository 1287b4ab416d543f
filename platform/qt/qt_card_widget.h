#pragma once
// The QWidget behind a card window: paints the image it was given and turns
// Qt's mouse and close events into the card's window events.

#include <QImage>
#include <QWidget>

#include "card/card_platform.h"

namespace lumigram {

class TQtCardWidget final : public QWidget {
 public:
  TQtCardWidget(TCardWindowKind kind, QWidget* owner);

  void SetEvents(TCardWindowEvents* events) { events_ = events; }
  TCardWindowEvents* Events() const { return events_; }
  // Shown from the next paint on.
  void SetImage(QImage image);
  const QImage& Image() const { return image_; }

  // Where the window is on the screen (see TQtCardWindow).
  QPoint Origin() const { return origin_; }
  void MoveTo(const QRect& geometry);

  // The owner is gone: no more events, and the widget deletes itself now or,
  // when one of its handlers is still running, once the last one returns.
  void Release();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  // Counts the handlers running, so that a callback that releases the widget
  // does not delete it under their feet.
  class THandlerScope {
   public:
    explicit THandlerScope(TQtCardWidget& widget) : widget_(widget) { ++widget_.handlers_; }
    ~THandlerScope();
    THandlerScope(const THandlerScope&) = delete;
    THandlerScope& operator=(const THandlerScope&) = delete;

   private:
    TQtCardWidget& widget_;
  };

  void TrackOrigin(const QMouseEvent& event);

  TCardWindowEvents* events_ = nullptr;
  QImage image_;
  QPoint origin_;
  int handlers_ = 0;
  bool released_ = false;
  bool painting_ = false;
  // Only the first of several buttons counts, until one goes up.
  bool button_down_ = false;
};

}  // namespace lumigram
