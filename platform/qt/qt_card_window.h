#pragma once
// The card's window on Qt: frameless, showing the card's image unscaled.
// Embedded (the creator): a tool window owned by the main window, kept above
// it, without a taskbar entry. Standalone: a window of its own with one.
//
// Bounds() answers the window's place as the latest mouse event found it
// (the pointer on the screen minus the pointer in the window), or as last set
// or moved: so a drag computed from the two follows the pointer even while
// the window manager lags behind our moves.
//
// A callback may destroy the window; the widget then goes once the event
// that called back has been handled.

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "card/card_platform.h"
#include "platform/qt/qt_card_widget.h"
#include "platform/qt/qt_cursor.h"

namespace lumigram {

class TQtCardWindow final : public TCardWindow {
 public:
  // owner: the window an embedded card stays above; may be null.
  TQtCardWindow(TCardWindowKind kind, QWidget* owner);
  ~TQtCardWindow() override;
  TQtCardWindow(const TQtCardWindow&) = delete;
  TQtCardWindow& operator=(const TQtCardWindow&) = delete;

  QWidget* Widget() const;

  void SetEvents(TCardWindowEvents* events) override;
  void Show() override;
  void Hide() override;
  bool Visible() const override;
  TRect Bounds() const override;
  void SetBounds(int left, int top, int width, int height) override;
  void SetCaption(const std::string& caption) override;
  void Present(const TBitmap& image) override;
  void SetCursor(const TCursorImage* cursor) override;
  void SetBusyCursor(bool busy) override;
  TPoint ScreenSize() const override;
  TPoint MousePosition() const override;

  // The session is ending: asks the card, and when it agrees tells it the
  // session ended. False when the card wants the session kept.
  bool EndSession();
  // The cursor shown over the window now (the step an animation is at).
  QCursor CurrentCursor() const;
  bool CursorAnimating() const { return animation_.isActive(); }

 private:
  void ShowCursorStep();

  // Null once an owner window took it along.
  QPointer<TQtCardWidget> widget_;
  QMetaObject::Connection session_;
  std::vector<TQtCursorStep> cursor_steps_;
  size_t cursor_step_ = 0;
  bool busy_ = false;
  QTimer animation_;
};

}  // namespace lumigram
