#pragma once
// The toolbar's window in the creator: a borderless child widget, docked at
// the top of the main window, that shows the toolbar's bitmap between its
// two bevel lines, passes the mouse on, shows the hint of the button under
// the pointer as a tooltip and sizes itself to the toolbar's height.
//
//   auto* bar = new TToolbarWidget(multiTimer, mainWindow);
//   buttons = std::make_unique<TCreatorToolbar>(bar->Toolbar(), editor,
//                                               bar->ScreenEvents(events));
//
// Destroy the TCreatorToolbar before the widget and before the editor.

#include <QImage>
#include <QWidget>
#include <memory>

#include "app/toolbar/creator_toolbar.h"
#include "app/toolbar/toolbar_host.h"
#include "app/toolbar/toolbars.h"

namespace lumigram {

class TToolbarWidget : public QWidget, private TToolbarHost {
  Q_OBJECT

 public:
  // The multi-timer must outlive the widget.
  explicit TToolbarWidget(TMultiTimer& timer, QWidget* parent = nullptr);
  ~TToolbarWidget() override;

  TToolbars& Toolbar() { return *toolbar_; }

  // The events with the two screen services filled in: the pixel under a
  // screen point, and the cursor over the whole screen during a colour pick.
  static TCreatorToolbarEvents ScreenEvents(TCreatorToolbarEvents events);
  static bool ReadScreenPixel(TPoint screen, TColor& colour);
  static void SetScreenCursor(int cursor);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // TToolbarHost
  int ClientWidth() const override;
  TColor WindowColor() const override;
  bool PointerPosition(TPoint& at) const override;
  TPoint ClientToScreen(TPoint at) const override;
  void SetHeight(int height) override;
  void ShowBevels(bool top, bool bottom) override;
  void SetWindowEnabled(bool enabled) override;
  void SetCursor(int cursor) override;
  void SetHint(const std::string& hint) override;
  void CancelHint() override;
  void SetHintsEnabled(bool enabled) override;
  void Present(const TBitmap& image, int top) override;

  QImage image_;
  int image_top_ = 0;
  bool top_bevel_ = true;
  bool bottom_bevel_ = true;
  bool hints_enabled_ = true;
  QString hint_;
  // Last, so that it goes first: its last layout may still call the host.
  std::unique_ptr<TToolbars> toolbar_;
};

}  // namespace lumigram
