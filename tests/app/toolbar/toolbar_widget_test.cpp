// The toolbar's Qt widget: size, picture, mouse, hints, enabling and the
// screen cursor of a colour pick.

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QTest>
#include <QToolTip>

#include "app/toolbar/toolbar_widget.h"
#include "imaging/text_formats/text_picture.h"
#include "platform/qt/qt_gui_dispatcher.h"
#include "platform/qt/qt_image.h"

namespace lumigram::testing {
namespace {

constexpr TColor kBlue = RGB(0, 0, 255);

std::string BlueGlyph() {
  TBitmap glyph;
  glyph.SetSize(16, 16, kWhite);
  for (int y = 2; y < 14; ++y)
    for (int x = 2; x < 14; ++x) glyph.SetPixel(x, y, kBlue);
  return BitmapToTextPicture(glyph);
}

class ToolbarWidgetTest : public ::testing::Test {
 protected:
  ToolbarWidgetTest() {
    Widget.Toolbar().AddButton("First", 0, nullptr, BlueGlyph());
    Widget.Toolbar().AddButton("Second\r\n* more", 0, nullptr, BlueGlyph());
    Widget.resize(300, 10);
    Widget.show();
    QApplication::processEvents();
  }

  TQtGuiDispatcher Dispatcher;
  TMultiTimer Timer{Dispatcher};
  TToolbarWidget Widget{Timer};
};

TEST_F(ToolbarWidgetTest, TakesTheToolbarsHeightAndShowsItsPicture) {
  EXPECT_EQ(Widget.height(), 22 + 2 + 2);
  const QImage shown = Widget.grab().toImage();
  // Glyph pixel (5, 5) of the first button: drawn at (3, 3) below the top bevel.
  EXPECT_EQ(ColourOfRgb(shown.pixel(3 + 5, 2 + 3 + 5)), kBlue);
  EXPECT_EQ(ColourOfRgb(shown.pixel(3 + 5 + 22, 2 + 3 + 5)), kBlue);
  EXPECT_EQ(ColourOfRgb(shown.pixel(200, 12)), Widget.Toolbar().FaceColor());
}

TEST_F(ToolbarWidgetTest, ClickReachesTheToolbarWithItsButton) {
  int clicked = -1;
  Widget.Toolbar().OnClick = [&](TToolbars& sender) { clicked = sender.HotSlot(); };
  QTest::mouseMove(&Widget, QPoint(33, 14));
  QTest::mouseClick(&Widget, Qt::LeftButton, {}, QPoint(33, 14));
  EXPECT_EQ(clicked, 1);
}

TEST_F(ToolbarWidgetTest, HintOfTheButtonUnderThePointerIsTheTooltip) {
  QTest::mouseMove(&Widget, QPoint(33, 14));
  Widget.Toolbar().MouseMove(0, 33, 14);
  QHelpEvent help(QEvent::ToolTip, QPoint(33, 14), Widget.mapToGlobal(QPoint(33, 14)));
  QApplication::sendEvent(&Widget, &help);
  EXPECT_EQ(QToolTip::text(), QStringLiteral("Second\n* more"));
  QToolTip::hideText();
}

TEST_F(ToolbarWidgetTest, DisabledToolbarDisablesTheWidget) {
  Widget.Toolbar().SetEnabled(false);
  EXPECT_FALSE(Widget.isEnabled());
  Widget.Toolbar().SetEnabled(true);
  EXPECT_TRUE(Widget.isEnabled());
}

TEST_F(ToolbarWidgetTest, ScreenCursorIsSetOnceAndGivenBack) {
  TToolbarWidget::SetScreenCursor(kCursorCross);
  TToolbarWidget::SetScreenCursor(kCursorCross);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
  TToolbarWidget::SetScreenCursor(kCursorDefault);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace lumigram::testing
