// The toolbar's slots, layout, hit testing, mouse state machine and timer
// channels, on a recording window.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "tests/app/toolbar/toolbar_fixture.h"

namespace lumigram::testing {
namespace {

class ToolbarTest : public ::testing::Test, public TToolbarOnDouble {
 protected:
  // Three 16 x 16 buttons, a separator after the first.
  void AddThree() {
    const std::string glyph = BlockGlyph(16, 16, RGB(0, 0, 255));
    ASSERT_EQ(Toolbar.AddButton("First", 0, nullptr, glyph), 0);
    ASSERT_EQ(Toolbar.AddButton({}, TToolbars::kSeparatorGap, nullptr, {}), 1);
    ASSERT_EQ(Toolbar.AddButton("Second\r\n* more", 0, nullptr, glyph), 2);
    ASSERT_EQ(Toolbar.AddButton("Third", 0, nullptr, glyph), 3);
  }
  // The middle of a slot's hit rectangle.
  TPoint Centre(int slot) const {
    const TToolbarSlot* s = Toolbar.Slot(slot);
    return {s->Left + s->Width / 2, s->Top + s->Height / 2};
  }
  void Press(int slot) {
    const TPoint at = Centre(slot);
    Toolbar.MouseDown(TMouseButton::Left, kLeftHeld, at.X, at.Y);
  }
  void MoveTo(TPoint at) { Toolbar.MouseMove(0, at.X, at.Y); }
  void Release(TPoint at) { Toolbar.MouseUp(TMouseButton::Left, 0, at.X, at.Y); }
};

TEST_F(ToolbarTest, LaysSlotsOutLeftToRightWithSeparatorRoom) {
  AddThree();
  const TToolbarSlot& first = *Toolbar.Slot(0);
  const TToolbarSlot& separator = *Toolbar.Slot(1);
  const TToolbarSlot& second = *Toolbar.Slot(2);
  EXPECT_EQ(first.Left, 0);
  EXPECT_EQ(first.Top, TToolbars::kMargin);
  EXPECT_EQ(first.Width, 22);
  EXPECT_EQ(first.Height, 22);
  // An empty glyph: the margins alone, then the gap.
  EXPECT_EQ(separator.Left, 22);
  EXPECT_EQ(separator.Width, 6);
  EXPECT_TRUE(separator.Glyph.Empty());
  EXPECT_EQ(second.Left, 22 + 6 + 5);
  EXPECT_EQ(Toolbar.Slot(3)->Left, 22 + 6 + 5 + 22);
  // Both bevels around the tallest slot.
  EXPECT_EQ(Host.HeightSet, 22 + 2 + 2);
  EXPECT_TRUE(Host.TopBevel && Host.BottomBevel);
  EXPECT_EQ(Toolbar.Image().Width(), Host.Width);
  EXPECT_EQ(Toolbar.Image().Height(), 22);
  EXPECT_EQ(Host.PresentTop, 2);

  Toolbar.SetShowTopBevel(false);
  EXPECT_EQ(Host.HeightSet, 24);
  EXPECT_EQ(Host.PresentTop, 0);
  EXPECT_FALSE(Host.TopBevel);
}

TEST_F(ToolbarTest, HiddenSlotTakesNoRoomAndNeighboursCloseUp) {
  AddThree();
  Toolbar.SetButtonVisible(2, false);
  EXPECT_EQ(Toolbar.Slot(3)->Left, 22 + 6 + 5);
  EXPECT_EQ(Toolbar.SlotAt(Centre(3).X, Centre(3).Y, true), 3);
  Toolbar.SetButtonVisible(2, true);
  EXPECT_EQ(Toolbar.Slot(3)->Left, 22 + 6 + 5 + 22);
}

TEST_F(ToolbarTest, FortyFirstButtonIsRefusedAndFreedSlotsAreReused) {
  const std::string glyph = BlockGlyph(8, 8, kBlack);
  for (int i = 0; i < TToolbars::kSlotCount; ++i)
    ASSERT_EQ(Toolbar.AddButton("b", 0, nullptr, glyph), i);
  const int presents = Host.Presents;
  EXPECT_EQ(Toolbar.AddButton("one too many", 0, nullptr, glyph), -1);
  EXPECT_EQ(Host.Presents, presents);

  Toolbar.RemoveButtons(5, 6);
  EXPECT_FALSE(Toolbar.IsUsed(5));
  EXPECT_EQ(Toolbar.AddButton("again", 0, nullptr, glyph), 5);
  EXPECT_EQ(Toolbar.ButtonHint(5), "again");

  Toolbar.RemoveButtons(-1, -1);
  for (int i = 0; i < TToolbars::kSlotCount; ++i) EXPECT_FALSE(Toolbar.IsUsed(i));
  EXPECT_EQ(Host.HeightSet, 4);
  // Per-slot operations ignore indexes outside the table.
  Toolbar.SetButtonEnabled(40, false);
  Toolbar.SetButtonVisible(-1, false);
  EXPECT_EQ(Toolbar.Slot(40), nullptr);
  EXPECT_EQ(Toolbar.ButtonHint(99), "");
}

TEST_F(ToolbarTest, UnreadableGlyphGivesAnEmptySlot) {
  EXPECT_EQ(Toolbar.AddButton("bad", 0, nullptr, "not a picture"), 0);
  EXPECT_TRUE(Toolbar.Slot(0)->Glyph.Empty());
  EXPECT_EQ(Toolbar.Slot(0)->Width, 6);
  EXPECT_EQ(Toolbar.Slot(0)->GlyphText, "not a picture");
}

TEST_F(ToolbarTest, HitTestCoversTheRectangleInclusiveAndSkipsDisabledOrHidden) {
  AddThree();
  EXPECT_EQ(Toolbar.SlotAt(0, 3, false), 0);
  EXPECT_EQ(Toolbar.SlotAt(21, 24, false), 0);
  EXPECT_EQ(Toolbar.SlotAt(22, 10, false), 1);
  EXPECT_EQ(Toolbar.SlotAt(0, 2, false), -1);
  EXPECT_EQ(Toolbar.SlotAt(0, 25, false), -1);
  EXPECT_EQ(Toolbar.SlotAt(1000, 10, false), -1);

  Toolbar.SetButtonEnabled(2, false);
  const TPoint at = Centre(2);
  EXPECT_EQ(Toolbar.SlotAt(at.X, at.Y, false), -1);
  EXPECT_EQ(Toolbar.SlotAt(at.X, at.Y, true), 2);
  Toolbar.SetButtonVisible(2, false);
  EXPECT_EQ(Toolbar.SlotAt(at.X, at.Y, true), 3);  // the next slot moved in
}

TEST_F(ToolbarTest, HoverMakesSlotHotWithItsCursorAndHint) {
  AddThree();
  Toolbar.SetAllCursors(kCursorHandPoint);
  MoveTo(Centre(2));
  EXPECT_EQ(Toolbar.HotSlot(), 2);
  EXPECT_EQ(Host.Cursor, kCursorHandPoint);
  EXPECT_EQ(Host.Hint, "Second\r\n* more");

  // A disabled button is never hot, but its hint still shows.
  Toolbar.SetButtonEnabled(3, false);
  MoveTo(Centre(3));
  EXPECT_EQ(Toolbar.HotSlot(), -1);
  EXPECT_EQ(Host.Cursor, kCursorDefault);
  EXPECT_EQ(Host.Hint, "Third");

  MoveTo({Host.Width - 2, 5});
  EXPECT_EQ(Host.Hint, "");
}

TEST_F(ToolbarTest, ReleaseAwayFromPressedButtonClicksItWhenNoDragIsAllowed) {
  AddThree();
  int clicks = 0;
  int clicked = -2;
  Toolbar.OnClick = [&](TToolbars& sender) {
    ++clicks;
    clicked = sender.HotSlot();
  };
  Press(0);
  EXPECT_TRUE(Toolbar.Pressed());
  MoveTo(Centre(3));
  EXPECT_EQ(Toolbar.HotSlot(), 0);  // the pressed slot stays hot
  EXPECT_EQ(Toolbar.DragState(), TToolbars::TDragState::NoDrag);
  Release(Centre(3));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(clicked, 0);
  EXPECT_FALSE(Toolbar.Pressed());
}

TEST_F(ToolbarTest, AllowedDragHidesHintsFollowsMovesAndEndsWithoutClick) {
  AddThree();
  int queries = 0, moves = 0, ends = 0, clicks = 0;
  TPoint queriedAt;
  Toolbar.OnDragQuery = [&](TToolbars&, unsigned, bool& mayDrag, int x, int y) {
    ++queries;
    EXPECT_TRUE(mayDrag);
    queriedAt = {x, y};
  };
  Toolbar.OnDragMove = [&](TToolbars&, unsigned, int, int) { ++moves; };
  Toolbar.OnDragEnd = [&](TToolbars&, TMouseButton, unsigned, int, int) { ++ends; };
  Toolbar.OnClick = [&](TToolbars&) { ++clicks; };

  Press(0);
  MoveTo({Centre(0).X + 3, Centre(0).Y});  // still on the button: undecided
  EXPECT_EQ(queries, 0);
  EXPECT_EQ(Toolbar.DragState(), TToolbars::TDragState::Undecided);
  const int cancels = Host.HintCancels;
  MoveTo({250, 10});
  MoveTo({260, 12});
  EXPECT_EQ(queries, 1);
  EXPECT_EQ(queriedAt, (TPoint{250, 10}));
  EXPECT_GT(Host.HintCancels, cancels);
  EXPECT_EQ(Toolbar.DragState(), TToolbars::TDragState::Dragging);
  EXPECT_FALSE(Host.HintsEnabled);
  EXPECT_EQ(moves, 2);
  Release({260, 12});
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(Host.HintsEnabled);
}

TEST_F(ToolbarTest, RefusedDragStillClicks) {
  AddThree();
  int clicks = 0, moves = 0;
  Toolbar.OnDragQuery = [](TToolbars&, unsigned, bool& mayDrag, int, int) { mayDrag = false; };
  Toolbar.OnDragMove = [&](TToolbars&, unsigned, int, int) { ++moves; };
  Toolbar.OnClick = [&](TToolbars&) { ++clicks; };
  Press(2);
  MoveTo({250, 10});
  Release({250, 10});
  EXPECT_EQ(moves, 0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ToolbarTest, RawMouseEventsReachTheOwnerAndRaisingCallbacksAreIgnored) {
  AddThree();
  std::vector<std::string> seen;
  Toolbar.OnMouseDown = [&](TToolbars&, TMouseButton, unsigned, int x, int y) {
    seen.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    throw std::runtime_error("owner failed");
  };
  Toolbar.OnMouseMove = [&](TToolbars&, unsigned, int, int) { seen.push_back("move"); };
  Toolbar.OnMouseUp = [&](TToolbars&, TMouseButton, unsigned, int, int) { seen.push_back("up"); };
  Toolbar.OnClick = [&](TToolbars&) { seen.push_back("click"); };
  Toolbar.MouseDown(TMouseButton::Left, 0, 5, 6);
  Toolbar.MouseDown(TMouseButton::Left, 0, 5, 6);  // already pressed: ignored
  MoveTo({6, 6});
  Release({6, 6});
  EXPECT_EQ(seen, (std::vector<std::string>{"down 5,6", "move", "up", "click"}));
  EXPECT_EQ(Toolbar.HotSlot(), 0);
}

TEST_F(ToolbarTest, DisabledToolbarTakesNoPressAndTellsItsWindow) {
  AddThree();
  int clicks = 0;
  Toolbar.OnClick = [&](TToolbars&) { ++clicks; };
  Toolbar.SetEnabled(false);
  EXPECT_FALSE(Host.WindowEnabled);
  Press(0);
  Release(Centre(0));
  EXPECT_EQ(clicks, 0);
  Toolbar.SetEnabled(true);
  EXPECT_TRUE(Host.WindowEnabled);
  Press(0);
  Release(Centre(0));
  EXPECT_EQ(clicks, 1);
}

TEST_F(ToolbarTest, TracksThePointerEveryHundredMilliseconds) {
  AddThree();
  EXPECT_EQ(Timer.ChannelInterval(Toolbar.TrackChannel()), TToolbars::kTrackInterval);
  EXPECT_EQ(Timer.ChannelInterval(Toolbar.TickChannel()), TToolbars::kTickInterval);
  EXPECT_EQ(Timer.BasePeriod(), TToolbars::kTrackInterval);

  Host.PointerKnown = true;
  Host.Pointer = Centre(3);
  Advance(50);
  EXPECT_EQ(Toolbar.HotSlot(), -1);
  Advance(50);
  EXPECT_EQ(Toolbar.HotSlot(), 3);
  // The pointer left the window: no mouse-leave event needed.
  Host.Pointer = {-20, 5};
  Advance(100);
  EXPECT_EQ(Toolbar.HotSlot(), -1);
  // A press holds the hot slot.
  Press(2);
  Host.Pointer = Centre(0);
  Advance(100);
  EXPECT_EQ(Toolbar.HotSlot(), 2);
}

TEST_F(ToolbarTest, NewDesktopColoursRepaintWithinOneTrackingRound) {
  AddThree();
  const TColor face = RGB(230, 220, 120);
  Host.Colour = face;
  Advance(100);
  EXPECT_EQ(Toolbar.FaceColor(), face);
  EXPECT_EQ(Toolbar.Image().GetPixel(Host.Width - 1, 0), face);
  EXPECT_EQ(Toolbar.ShadowColor(), RGB(175, 165, 65));
  EXPECT_EQ(Toolbar.HighlightColor(), RGB(255, 255, 160));
}

TEST_F(ToolbarTest, TicksTheOwnerEveryHalfSecond) {
  int ticks = 0;
  Toolbar.OnTick = [&](TToolbars&) { ++ticks; };
  for (int i = 0; i < 4; ++i) Advance(100);
  EXPECT_EQ(ticks, 0);
  Advance(100);
  EXPECT_EQ(ticks, 1);
  for (int i = 0; i < 5; ++i) Advance(100);
  EXPECT_EQ(ticks, 2);
}

TEST(ToolbarLifetime, DestroyingTheToolbarFreesItsChannels) {
  TLoopDispatcher loop;
  TMultiTimer timer(loop, [] { return int64_t(0); });
  TToolbarHostDouble host;
  auto toolbar = std::make_unique<TToolbars>(host, timer);
  EXPECT_EQ(timer.HighestIndex(), 1);
  toolbar.reset();
  EXPECT_EQ(timer.HighestIndex(), -1);
  EXPECT_EQ(timer.BasePeriod(), TMultiTimer::kIdleInterval);
}

}  // namespace
}  // namespace lumigram::testing
