// A card on the Qt platform, as the creator embeds it and as a standalone
// card would run: what it shows, what the mouse does, its menu and its end.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <memory>

#include "card/lumigram.h"
#include "platform/qt/qt_card_platform.h"
#include "platform/qt/qt_card_window.h"
#include "platform/qt/qt_image.h"
#include "tests/platform/qt/ui_driver.h"
#include "util/text.h"

namespace lumigram {
namespace {

using testing::ActiveModal;
using testing::ActivePopup;
using testing::TurnLoopUntil;
using testing::WhenReady;

void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint at) {
  const QPoint global = widget->geometry().topLeft() + at;
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
  QMouseEvent event(type, QPointF(at), QPointF(global), button, held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// The window's pixels against the card's image, all of them.
::testing::AssertionResult ShowsComposite(TLumigram& card) {
  auto* window = static_cast<TQtCardWindow*>(card.Window());
  const QImage shown = window->Widget()->grab().toImage();
  const TBitmap& composite = card.Composite();
  if (shown.size() != QSize(composite.Width(), composite.Height()))
    return ::testing::AssertionFailure()
           << "window " << shown.width() << "x" << shown.height() << ", image " << composite.Width()
           << "x" << composite.Height();
  for (int y = 0; y < composite.Height(); ++y)
    for (int x = 0; x < composite.Width(); ++x)
      if (ColourOfRgb(shown.pixel(x, y)) != composite.GetPixel(x, y))
        return ::testing::AssertionFailure() << "differs at " << x << "," << y;
  return ::testing::AssertionSuccess();
}

class QtCardTest : public ::testing::Test {
 protected:
  // As the creator makes its card.
  std::unique_ptr<TLumigram> MakeEmbeddedCard() {
    auto card =
        std::make_unique<TLumigram>(platform_, TCardWindowKind::Embedded, [this] { return now_; });
    card->ExitOnClose = false;
    card->CentreAndShow();
    return card;
  }
  static QWidget* WidgetOf(TLumigram& card) {
    return static_cast<TQtCardWindow*>(card.Window())->Widget();
  }

  TQtGuiDispatcher dispatcher_;
  QWidget owner_;
  TQtCardPlatform platform_{dispatcher_, &owner_, nullptr};
  int64_t now_ = 1000;
};

TEST_F(QtCardTest, EmbeddedCardShowsItsImageCentredInAFramelessToolWindowOfItsOwner) {
  auto card = MakeEmbeddedCard();
  QWidget* widget = WidgetOf(*card);
  EXPECT_EQ(widget->parentWidget(), &owner_);
  EXPECT_EQ(widget->windowType(), Qt::Tool);  // above its owner, no taskbar entry
  EXPECT_TRUE(widget->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(widget->isVisible());

  // The default card: 300 x 300 picture in a 52-pixel frame.
  const TRect bounds = card->Window()->Bounds();
  EXPECT_EQ(bounds.Width(), 404);
  EXPECT_EQ(bounds.Height(), 404);
  const TPoint screen = card->Window()->ScreenSize();
  EXPECT_EQ(bounds.Left, (screen.X - 404) / 2);
  EXPECT_EQ(bounds.Top, (screen.Y - 404) / 2);
  EXPECT_EQ(widget->geometry(), QRect(bounds.Left, bounds.Top, 404, 404));
  EXPECT_TRUE(ShowsComposite(*card));

  // A change of content and size reaches the window.
  card->Info().Frame.Size = 10;
  card->Info().Frame.Color = RGB(200, 30, 40);
  card->Info().State.LayoutDirty = true;
  card->Refresh(false);
  EXPECT_EQ(widget->size(), QSize(320, 320));
  EXPECT_TRUE(ShowsComposite(*card));
}

TEST_F(QtCardTest, StandaloneCardHasAFramelessWindowOfItsOwn) {
  TQtGuiDispatcher dispatcher;
  TQtCardPlatform platform(dispatcher, nullptr, nullptr);
  TLumigram card(platform);
  QWidget* widget = WidgetOf(card);
  EXPECT_EQ(widget->parentWidget(), nullptr);
  EXPECT_EQ(widget->windowType(), Qt::Window);
  EXPECT_TRUE(widget->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_EQ(widget->windowTitle(), "Lumigram");
  // Without a main window, boxes belong to the card's window.
  EXPECT_EQ(platform.QtDialogs().Parent(), widget);
}

TEST_F(QtCardTest, TheLeftButtonDragsTheWindowWithThePointer) {
  auto card = MakeEmbeddedCard();
  QWidget* widget = WidgetOf(*card);
  const TRect start = card->Window()->Bounds();
  // In the frame, away from the hot spots.
  SendMouse(widget, QEvent::MouseButtonPress, Qt::LeftButton, {10, 10});
  SendMouse(widget, QEvent::MouseMove, Qt::LeftButton, {40, 25});
  TRect now = card->Window()->Bounds();
  EXPECT_EQ(now.Left, start.Left + 30);
  EXPECT_EQ(now.Top, start.Top + 15);
  // The window moved under the pointer: the next move is seen from there.
  SendMouse(widget, QEvent::MouseMove, Qt::LeftButton, {15, 12});
  now = card->Window()->Bounds();
  EXPECT_EQ(now.Left, start.Left + 35);
  EXPECT_EQ(now.Top, start.Top + 17);
  EXPECT_EQ(widget->geometry().topLeft(), QPoint(now.Left, now.Top));
  SendMouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton, {15, 12});
  EXPECT_EQ(now.Width(), start.Width());

  // Released, moves only hover.
  SendMouse(widget, QEvent::MouseMove, Qt::NoButton, {60, 60});
  EXPECT_EQ(card->Window()->Bounds(), now);
}

TEST_F(QtCardTest, HoveringTheMenuHotSpotHighlightsItOnTheWindow) {
  auto card = MakeEmbeddedCard();
  QWidget* widget = WidgetOf(*card);
  const TBitmap before = card->Composite();
  const TSimpleLabel& menu = card->MenuLabel();
  const int frame = card->Info().Frame.Size;
  const QPoint onMenu(frame + menu.Left + menu.Width / 2, frame + menu.Top + menu.Height / 2);
  SendMouse(widget, QEvent::MouseMove, Qt::NoButton, onMenu);
  EXPECT_EQ(card->Labels().HoverIndex(), card->Labels().IndexOf(&card->MenuLabel()));
  EXPECT_FALSE(card->Composite() == before);
  EXPECT_TRUE(ShowsComposite(*card));
}

TEST_F(QtCardTest, ARightClickOpensTheCardMenuWithTheCreatorsStatesAtThePointer) {
  auto card = MakeEmbeddedCard();
  QWidget* widget = WidgetOf(*card);
  const QPoint at(30, 40);
  QCursor::setPos(widget->geometry().topLeft() + at);

  QStringList captions;
  QList<bool> enabled;
  QPoint menuAt;
  WhenReady([&] {
    QMenu* menu = ActivePopup<QMenu>();
    if (!menu) return false;
    for (QAction* action : menu->actions()) {
      captions << (action->isSeparator() ? "-" : action->text());
      if (!action->isSeparator()) enabled << action->isEnabled();
    }
    menuAt = menu->pos();
    QTest::keyClick(menu, Qt::Key_Escape);
    return true;
  });
  SendMouse(widget, QEvent::MouseButtonPress, Qt::RightButton, at);
  SendMouse(widget, QEvent::MouseButtonRelease, Qt::RightButton, at);  // returns once closed

  const QStringList expected = {"&Play",
                                "&Stop",
                                "-",
                                "&Edit",
                                "P&rint",
                                "&About...",
                                "Sen&d To Desktop",
                                "Send To Start &Button",
                                "-",
                                "E&xit"};
  EXPECT_EQ(captions, expected);
  // In the creator only About (and Print, which Qt can always do) work here.
  const QList<bool> expectedEnabled = {false, false, false, true, true, false, false, false};
  EXPECT_EQ(enabled, expectedEnabled);
  EXPECT_EQ(menuAt, widget->geometry().topLeft() + at);
  EXPECT_FALSE(card->Busy());
}

TEST_F(QtCardTest, AboutFromTheMenuShowsTheInformationBox) {
  auto card = MakeEmbeddedCard();
  QWidget* widget = WidgetOf(*card);
  QCursor::setPos(widget->geometry().topLeft() + QPoint(30, 40));
  QString caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool busyMeanwhile = false;
  WhenReady([&] {
    QMenu* menu = ActivePopup<QMenu>();
    if (!menu) return false;
    WhenReady([&] {
      QMessageBox* box = ActiveModal<QMessageBox>();
      if (!box) return false;
      caption = box->windowTitle();
      icon = box->icon();
      busyMeanwhile = card->Busy();
      QTest::keyClick(box, Qt::Key_Return);
      return true;
    });
    QTest::keyClick(menu, Qt::Key_A);  // "&About..."
    return true;
  });
  SendMouse(widget, QEvent::MouseButtonPress, Qt::RightButton, {30, 40});
  SendMouse(widget, QEvent::MouseButtonRelease, Qt::RightButton, {30, 40});

  EXPECT_EQ(icon, QMessageBox::Information);
  EXPECT_EQ(caption.toStdString(), ExtractFileName(card->CardFile()));
  EXPECT_TRUE(busyMeanwhile);
  EXPECT_FALSE(card->Busy());
}

TEST_F(QtCardTest, TheFlashKeepsTickingWhileTheMenuIsOpen) {
  auto card = MakeEmbeddedCard();
  card->Info().Message = {"Hello"};
  card->Info().Flash = true;
  card->Refresh(false);
  QWidget* widget = WidgetOf(*card);
  QCursor::setPos(widget->geometry().topLeft() + QPoint(30, 40));

  int phases = 0;
  bool lastOn = card->Info().State.FlashOn;
  WhenReady([&] {
    QMenu* menu = ActivePopup<QMenu>();
    if (!menu) return false;
    // Time moves on by a phase whenever the previous one has shown.
    if (card->Info().State.FlashOn != lastOn) {
      lastOn = !lastOn;
      ++phases;
    }
    now_ += 700;
    if (phases < 3) return false;
    QTest::keyClick(menu, Qt::Key_Escape);
    return true;
  });
  SendMouse(widget, QEvent::MouseButtonPress, Qt::RightButton, {30, 40});
  SendMouse(widget, QEvent::MouseButtonRelease, Qt::RightButton, {30, 40});
  EXPECT_GE(phases, 3);
  EXPECT_TRUE(ShowsComposite(*card));
}

TEST_F(QtCardTest, ClosingAStandaloneCardsWindowEndsTheCardAndTheLoop) {
  TQtGuiDispatcher dispatcher;
  TQtCardPlatform platform(dispatcher, nullptr, nullptr);
  auto card = std::make_unique<TLumigram>(platform);
  card->CentreAndShow();
  QPointer<QWidget> widget = WidgetOf(*card);
  ASSERT_TRUE(widget->isVisible());

  EXPECT_FALSE(widget->close());  // the card decides, and it goes
  EXPECT_FALSE(widget->isVisible());
  EXPECT_TRUE(dispatcher.IsShutDown());
  EXPECT_EQ(card->Timer(), nullptr);

  card.reset();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(widget.isNull());
}

TEST_F(QtCardTest, TheSessionEndsOnlyWhenTheCardIsNotBusy) {
  TQtGuiDispatcher dispatcher;
  TQtCardPlatform platform(dispatcher, nullptr, nullptr);
  TLumigram card(platform);
  card.CentreAndShow();
  auto* window = static_cast<TQtCardWindow*>(card.Window());

  card.SetBusy(true);
  EXPECT_FALSE(window->EndSession());
  EXPECT_FALSE(dispatcher.IsShutDown());
  EXPECT_EQ(window->CurrentCursor().shape(), Qt::BusyCursor);

  card.SetBusy(false);
  EXPECT_TRUE(window->EndSession());
  EXPECT_TRUE(dispatcher.IsShutDown());  // a standalone card exits with the session
  EXPECT_FALSE(window->Visible());
}

}  // namespace
}  // namespace lumigram
