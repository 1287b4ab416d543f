// GoogleTest before Xlib, whose macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <string>

#include "platform/x11/x11_card_window.h"
#include "tests/platform/x11/card_window_events.h"
#include "tests/platform/x11/x11_fixture.h"

namespace lumigram {
namespace {

using testing::PatternBitmap;
using testing::PatternColour;
using testing::TRecordingWindowEvents;

class X11CardWindowTest : public testing::X11Test {
 protected:
  void SetUp() override {
    X11Test::SetUp();
    if (HasFatalFailure()) return;
    window_ = std::make_unique<TX11CardWindow>(app_);
    ASSERT_TRUE(window_->Valid());
    window_->SetEvents(&events_);
  }
  void TearDown() override {
    window_.reset();
    X11Test::TearDown();
  }

  std::string Property(Atom property, Atom& type) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string value;
    if (::XGetWindowProperty(app_.XDisplay(), window_->XWindow(), property, 0, 1024, False,
                             AnyPropertyType, &actualType, &format, &count, &after,
                             &data) == Success &&
        data) {
      value.assign(reinterpret_cast<char*>(data), count);
      ::XFree(data);
    }
    type = actualType;
    return value;
  }

  TRecordingWindowEvents events_;
  std::unique_ptr<TX11CardWindow> window_;
};

TEST_F(X11CardWindowTest, ShowsThePresentedImageAndRepaintsItAfterBeingCovered) {
  window_->SetBounds(40, 30, 64, 48);
  window_->Show();
  Settle();
  // Nothing presented yet: the card is asked for its image.
  EXPECT_GE(events_.Paints, 1);
  const int asked = events_.Paints;

  window_->Present(PatternBitmap(64, 48));
  Settle();
  for (auto [x, y] : {std::pair{0, 0}, {63, 0}, {0, 47}, {63, 47}, {31, 17}})
    EXPECT_EQ(WindowPixel(window_->XWindow(), x, y), PatternColour(x, y)) << x << "," << y;

  // Cover part of it with another window, then uncover it.
  Display* display = app_.XDisplay();
  const Window cover = ::XCreateSimpleWindow(display, app_.Root(), 50, 40, 30, 20, 0, 0, 0);
  ::XMapRaised(display, cover);
  Settle();
  ::XDestroyWindow(display, cover);
  Settle();
  EXPECT_EQ(WindowPixel(window_->XWindow(), 15, 15), PatternColour(15, 15));
  EXPECT_EQ(WindowPixel(window_->XWindow(), 30, 19), PatternColour(30, 19));
  EXPECT_EQ(events_.Paints, asked);  // repainted from our own copy
}

TEST_F(X11CardWindowTest, ReportsTheMouseInWindowPixels) {
  window_->SetBounds(100, 120, 80, 60);
  window_->Show();
  Settle();

  MovePointer(110, 135);
  PressButton(Button1, true);
  MovePointer(150, 170);
  // A second button while the first is held is not reported; nor is the wheel.
  PressButton(Button3, true);
  PressButton(Button4, true);
  PressButton(Button4, false);
  // The pointer stays with the window while a button is held.
  MovePointer(300, 400);
  PressButton(Button1, false);
  PressButton(Button3, false);
  MovePointer(105, 125);
  PressButton(Button3, true);
  PressButton(Button3, false);
  PressButton(Button2, true);
  PressButton(Button2, false);
  ASSERT_TRUE(RunUntil([&] { return events_.Log.size() >= 9; }))
      << ::testing::PrintToString(events_.Log);
  const std::vector<std::string> expected = {
      "move 10,15", "down left 10,15", "move 50,50",   "move 200,280",   "up left 200,280",
      "move 5,5",   "down right 5,5",  "up right 5,5", "down middle 5,5"};
  EXPECT_EQ(events_.Log, expected);
}

TEST_F(X11CardWindowTest, BoundsFollowMovesAndThePointerFindsTheWindow) {
  window_->SetBounds(30, 40, 50, 60);
  EXPECT_EQ(window_->Bounds(), (TRect{30, 40, 80, 100}));
  window_->Show();
  Settle();
  Window root = 0;
  int x = 0, y = 0;
  unsigned int width = 0, height = 0, border = 0, depth = 0;
  ::XGetGeometry(app_.XDisplay(), window_->XWindow(), &root, &x, &y, &width, &height, &border,
                 &depth);
  EXPECT_EQ((TRect{x, y, x + int(width), y + int(height)}), (TRect{30, 40, 80, 100}));

  // A drag as the card does it: new place = place + (position - press position).
  window_->SetEvents(nullptr);
  MovePointer(40, 50);
  Settle();
  EXPECT_EQ(window_->ScreenSize(), (TPoint{1024, 768}));
  EXPECT_EQ(window_->MousePosition(), (TPoint{40, 50}));
  EXPECT_EQ(window_->Bounds(), (TRect{30, 40, 80, 100}));
}

TEST_F(X11CardWindowTest, CaptionIsSetForOldAndNewWindowManagers) {
  window_->SetCaption(
      "Gr\xC3\xBC\xC3\x9F"
      "e \xE2\x82\xAC");  // "Grüße €"
  Atom type = 0;
  EXPECT_EQ(Property(app_.AtomOf(TX11Atom::NetWmName), type),
            "Gr\xC3\xBC\xC3\x9F"
            "e \xE2\x82\xAC");
  EXPECT_EQ(type, app_.AtomOf(TX11Atom::Utf8String));
  EXPECT_EQ(Property(XA_WM_NAME, type),
            "Gr\xFC\xDF"
            "e ?");
  EXPECT_EQ(type, XA_STRING);
}

TEST_F(X11CardWindowTest, CloseRequestIsReportedAndTheWindowStays) {
  window_->Show();
  Settle();
  RequestClose(window_->XWindow());
  ASSERT_TRUE(RunUntil([&] { return events_.Closes == 1; }));
  EXPECT_TRUE(window_->Visible());
  XWindowAttributes attributes{};
  ::XGetWindowAttributes(app_.XDisplay(), window_->XWindow(), &attributes);
  EXPECT_EQ(attributes.map_state, IsViewable);

  window_->Hide();
  Settle();
  EXPECT_FALSE(window_->Visible());
  ::XGetWindowAttributes(app_.XDisplay(), window_->XWindow(), &attributes);
  EXPECT_EQ(attributes.map_state, IsUnmapped);
}

// The cursor the server shows now, as ARGB pixels.
struct TShownCursor {
  int Width = 0, Height = 0, HotX = 0, HotY = 0;
  std::vector<uint32_t> Pixels;
};

TShownCursor ShownCursor(Display* display) {
  TShownCursor shown;
  if (XFixesCursorImage* image = ::XFixesGetCursorImage(display)) {
    shown = {image->width, image->height, image->xhot, image->yhot, {}};
    for (int i = 0; i < image->width * image->height; ++i)
      shown.Pixels.push_back(uint32_t(image->pixels[i]));
    ::XFree(image);
  }
  return shown;
}

TCursorFrame SolidFrame(int side, int hotX, int hotY, uint32_t argb) {
  TCursorFrame frame{side, side, hotX, hotY, std::vector<uint32_t>(size_t(side * side), 0)};
  for (int i = 0; i < side; ++i) frame.Pixels[size_t(i * side + i)] = argb;  // a diagonal
  return frame;
}

TEST_F(X11CardWindowTest, CursorImagesBecomeTheWindowsCursor) {
  window_->SetBounds(0, 0, 100, 100);
  window_->Show();
  MovePointer(50, 50);
  Settle();
  const unsigned long errorsBefore = TX11App::ErrorCount();
  const TShownCursor arrow = ShownCursor(app_.XDisplay());

  TCursorImage still;
  still.Frames.push_back(SolidFrame(8, 3, 4, 0x80FF0000));  // half transparent red
  still.Sequence = {0};
  still.Rates = {0};
  window_->SetCursor(&still);
  Settle();
  TShownCursor shown = ShownCursor(app_.XDisplay());
  EXPECT_EQ(shown.Width, 8);
  EXPECT_EQ(shown.HotX, 3);
  EXPECT_EQ(shown.HotY, 4);
  ASSERT_EQ(shown.Pixels.size(), 64u);
  EXPECT_EQ(shown.Pixels[9], 0x80800000u);  // premultiplied
  EXPECT_EQ(shown.Pixels[1], 0u);

  window_->SetBusyCursor(true);
  Settle();
  EXPECT_NE(ShownCursor(app_.XDisplay()).Pixels, shown.Pixels);
  window_->SetBusyCursor(false);
  Settle();
  EXPECT_EQ(ShownCursor(app_.XDisplay()).Pixels, shown.Pixels);

  // Animated: frame 1, frame 0, frame 1 again.
  TCursorImage animated;
  animated.Frames = {SolidFrame(16, 0, 0, 0xFF00FF00), SolidFrame(12, 11, 11, 0xFF0000FF)};
  animated.Sequence = {1, 0, 1};
  animated.Rates = {2, 3, 0};
  window_->SetCursor(&animated);
  Settle();
  // The server shows animations frame by frame behind the cursor it reports,
  // so only the change can be seen.
  const TShownCursor animation = ShownCursor(app_.XDisplay());
  EXPECT_NE(animation.Pixels, shown.Pixels);
  EXPECT_NE(animation.Pixels, arrow.Pixels);

  // Nothing usable, or none: the arrow.
  TCursorImage broken;
  broken.Frames.push_back({4, 4, 0, 0, {1, 2, 3}});
  broken.Sequence = {0, 5};
  window_->SetCursor(&broken);
  Settle();
  EXPECT_EQ(ShownCursor(app_.XDisplay()).Pixels, arrow.Pixels);
  window_->SetCursor(&animated);
  window_->SetCursor(nullptr);
  Settle();
  EXPECT_EQ(ShownCursor(app_.XDisplay()).Pixels, arrow.Pixels);
  EXPECT_EQ(TX11App::ErrorCount(), errorsBefore);
}

}  // namespace
}  // namespace lumigram
