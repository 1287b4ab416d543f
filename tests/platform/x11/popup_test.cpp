// GoogleTest before Xlib, whose macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include "platform/x11/lite_paint.h"
#include "platform/x11/x11_popup.h"
#include "tests/platform/x11/x11_fixture.h"

namespace lumigram {
namespace {

std::vector<TPopupItem> CardItems() {
  return {{10, "&Play", false, false},
          {11, "&Stop", true, false},
          {12, "-", true, false},
          {13, "&Edit", false, false},
          {14, "P&rint", true, false},
          {15, "&About...", true, false},
          {16, "Send To &Desktop", false, true},
          {17, "Send To Start &Button", true, false},
          {18, "-", true, false},
          {19, "E&xit", true, false}};
}

class X11PopupTest : public testing::X11Test {
 protected:
  // Tracks the menu at (x, y); steps run inside its loop, once it holds the
  // pointer and the keyboard.
  int TrackWith(std::function<void()> steps, int x = 100, int y = 100) {
    app_.PostToGuiThread(std::move(steps));
    return popup_.Track(items_, x, y);
  }
  // The middle of a row on the screen, the menu being at (100, 100).
  TPoint RowMiddle(int row) const {
    const TPopupModel model(items_, TX11Popup::Metrics(), UiTextWidth);
    const TRect& r = model.Rows()[size_t(row)].Bounds;
    return {100 + r.Left + 20, 100 + r.Top + int(r.Height()) / 2};
  }
  void Click(TPoint at, unsigned int button = Button1) {
    MovePointer(at.X, at.Y);
    PressButton(button, true);
    PressButton(button, false);
  }

  std::vector<TPopupItem> items_ = CardItems();
  TX11Popup popup_{app_};
};

TEST_F(X11PopupTest, KeysSkipSeparatorsAndDisabledItems) {
  bool lit = false;
  const int chosen = TrackWith([&] {
    TypeKey(XK_Down);
    Settle();
    // Stop is drawn highlighted.
    const TPoint stop = RowMiddle(1);
    lit =
        WindowPixel(popup_.XWindow(), stop.X - 100 + 60, stop.Y - 100 - 6) == ui_colour::kHighlight;
    TypeKey(XK_Down);
    TypeKey(XK_Down);
    TypeKey(XK_Return);
  });
  EXPECT_EQ(chosen, 15);
  EXPECT_TRUE(lit);
  EXPECT_EQ(popup_.XWindow(), 0u);
}

TEST_F(X11PopupTest, EscapeDismissesAndLettersChoose) {
  EXPECT_EQ(TrackWith([&] {
              TypeKey(XK_Down);
              TypeKey(XK_Escape);
            }),
            -1);
  EXPECT_EQ(TrackWith([&] { TypeKey(XK_x); }), 19);
  EXPECT_EQ(TrackWith([&] { TypeKey(XK_R, true); }), 14);
  // A letter of a disabled item does nothing.
  EXPECT_EQ(TrackWith([&] {
              TypeKey(XK_e);
              TypeKey(XK_Return);
              TypeKey(XK_Escape);
            }),
            -1);
}

TEST_F(X11PopupTest, MouseChoosesWithEitherButtonAndClosesOutside) {
  EXPECT_EQ(TrackWith([&] { Click(RowMiddle(5)); }), 15);
  EXPECT_EQ(TrackWith([&] { Click(RowMiddle(9), Button3); }), 19);
  // Releasing over a disabled item or a separator keeps the menu open; a
  // press outside closes it.
  EXPECT_EQ(TrackWith([&] {
              Click(RowMiddle(3));
              Click(RowMiddle(2));
              Click({50, 50});
            }),
            -1);
  // A drag from one item to another chooses where it ends.
  EXPECT_EQ(TrackWith([&] {
              const TPoint from = RowMiddle(1), to = RowMiddle(4);
              MovePointer(from.X, from.Y);
              PressButton(Button3, true);
              MovePointer(to.X, to.Y);
              PressButton(Button3, false);
            }),
            14);
  EXPECT_EQ(popup_.Track({}, 10, 10), -1);
}

TEST_F(X11PopupTest, StaysOnTheScreenNearItsEdges) {
  TRect placed;
  const int chosen = TrackWith(
      [&] {
        Window root = 0;
        int x = 0, y = 0;
        unsigned int width = 0, height = 0, border = 0, depth = 0;
        ::XGetGeometry(app_.XDisplay(), popup_.XWindow(), &root, &x, &y, &width, &height, &border,
                       &depth);
        placed = {x, y, x + int(width), y + int(height)};
        TypeKey(XK_Escape);
      },
      1020, 760);
  EXPECT_EQ(chosen, -1);
  EXPECT_EQ(placed.Right, 1020);  // flipped left and up of the point
  EXPECT_EQ(placed.Bottom, 760);
  EXPECT_GE(placed.Left, 0);
  EXPECT_GE(placed.Top, 0);
}

}  // namespace
}  // namespace lumigram
