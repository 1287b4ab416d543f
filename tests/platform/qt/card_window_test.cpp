// The card window apart from a card: cursors, and a window that goes while
// it reports an event.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <memory>

#include "platform/qt/qt_card_window.h"
#include "tests/platform/qt/ui_driver.h"

namespace lumigram {
namespace {

using testing::TurnLoopUntil;

TCursorFrame SolidFrame(int side, uint32_t argb, int hotX, int hotY) {
  TCursorFrame frame;
  frame.Width = frame.Height = side;
  frame.HotSpotX = hotX;
  frame.HotSpotY = hotY;
  frame.Pixels.assign(size_t(side) * size_t(side), argb);
  return frame;
}

QRgb CursorPixel(const QCursor& cursor) {
  return cursor.pixmap().toImage().pixel(0, 0);
}

TEST(QtCardWindowTest, ShowsAStillCursorWithItsHotSpotAndTheArrowWithout) {
  TQtCardWindow window(TCardWindowKind::Standalone, nullptr);
  EXPECT_EQ(window.CurrentCursor().shape(), Qt::ArrowCursor);

  TCursorImage image;
  image.Frames.push_back(SolidFrame(16, 0xFF112233, 3, 40));  // hot spot clamped inside
  image.Sequence = {0};
  image.Rates = {0};
  window.SetCursor(&image);
  const QCursor cursor = window.CurrentCursor();
  EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
  EXPECT_EQ(cursor.hotSpot(), QPoint(3, 15));
  EXPECT_EQ(CursorPixel(cursor), 0xFF112233u);
  EXPECT_FALSE(window.CursorAnimating());

  window.SetCursor(nullptr);
  EXPECT_EQ(window.CurrentCursor().shape(), Qt::ArrowCursor);
  // A cursor with nothing usable in it is the arrow too.
  TCursorImage broken;
  broken.Frames.push_back(SolidFrame(4, 0xFF000000, 0, 0));
  broken.Frames[0].Pixels.resize(3);
  window.SetCursor(&broken);
  EXPECT_EQ(window.CurrentCursor().shape(), Qt::ArrowCursor);
}

TEST(QtCardWindowTest, CyclesAnAnimatedCursorAndPausesItWhileBusy) {
  TQtCardWindow window(TCardWindowKind::Standalone, nullptr);
  TCursorImage image;
  image.Frames.push_back(SolidFrame(8, 0xFFFF0000, 0, 0));
  image.Frames.push_back(SolidFrame(8, 0xFF0000FF, 0, 0));
  image.Sequence = {0, 1};
  image.Rates = {1, 1};
  window.SetCursor(&image);
  EXPECT_TRUE(window.CursorAnimating());
  EXPECT_EQ(CursorPixel(window.CurrentCursor()), 0xFFFF0000u);
  ASSERT_TRUE(TurnLoopUntil([&] { return CursorPixel(window.CurrentCursor()) == 0xFF0000FFu; }));
  ASSERT_TRUE(TurnLoopUntil([&] { return CursorPixel(window.CurrentCursor()) == 0xFFFF0000u; }));

  window.SetBusyCursor(true);
  EXPECT_EQ(window.CurrentCursor().shape(), Qt::BusyCursor);
  EXPECT_FALSE(window.CursorAnimating());
  window.SetBusyCursor(false);
  EXPECT_EQ(window.CurrentCursor().shape(), Qt::BitmapCursor);
  EXPECT_TRUE(window.CursorAnimating());
}

// Destroys its window when asked to close, as a standalone card does.
class TClosingEvents final : public TCardWindowEvents {
 public:
  std::unique_ptr<TQtCardWindow> Window;
  int Closes = 0;
  void WindowPaint() override {}
  void WindowMouseDown(TMouseButton, int, int) override {}
  void WindowMouseMove(int, int) override {}
  void WindowMouseUp(TMouseButton, int, int) override {}
  void WindowClose() override {
    ++Closes;
    Window.reset();
  }
  bool WindowQueryEndSession() override { return true; }
  void WindowEndSession() override {}
};

TEST(QtCardWindowTest, AWindowDestroyedByItsOwnEventGoesOnceTheEventIsHandled) {
  TClosingEvents events;
  events.Window = std::make_unique<TQtCardWindow>(TCardWindowKind::Standalone, nullptr);
  events.Window->SetEvents(&events);
  events.Window->Show();
  QPointer<QWidget> widget = events.Window->Widget();
  widget->close();
  EXPECT_EQ(events.Closes, 1);
  ASSERT_FALSE(widget.isNull());  // still inside its own close event just now
  EXPECT_FALSE(widget->isVisible());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(widget.isNull());
}

TEST(QtCardWindowTest, AnEmbeddedWindowSurvivesItsOwnerGoingFirst) {
  auto owner = std::make_unique<QWidget>();
  TQtCardWindow window(TCardWindowKind::Embedded, owner.get());
  window.Show();
  owner.reset();  // takes the card's widget along
  EXPECT_EQ(window.Widget(), nullptr);
  window.SetBounds(1, 2, 3, 4);
  TBitmap image;
  image.SetSize(2, 2);
  window.Present(image);
  EXPECT_FALSE(window.Visible());
  EXPECT_EQ(window.Bounds(), TRect());
}

}  // namespace
}  // namespace lumigram
