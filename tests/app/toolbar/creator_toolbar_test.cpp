// The main window's buttons on a real editor (over the card platform and
// services doubles): slots and hints, what clicks run, enabling from the
// queries, and the frame-size and colour gestures.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/toolbar/creator_toolbar.h"
#include "editor/command_codes.h"
#include "tests/app/toolbar/toolbar_fixture.h"
#include "tests/editor/editor_fixtures.h"

namespace lumigram::testing {
namespace {

class CreatorToolbarTest : public ::testing::Test, public TToolbarOnDouble {
 protected:
  TCreatorToolbarEvents Events() {
    TCreatorToolbarEvents events;
    events.RunCommand = [this](int code, const std::string& argument) {
      Runs.push_back(code);
      EXPECT_EQ(argument, "");
      return true;
    };
    events.SetBusy = [this](bool busy) { Busy.push_back(busy); };
    events.ShowHelp = [this] { ++Helps; };
    events.UpdateCaption = [this] { ++Captions; };
    events.Tick = [this] { ++Ticks; };
    events.ReadScreenPixel = [this](TPoint screen, TColor& colour) {
      Picks.push_back(screen);
      if (!ScreenReadable) return false;
      colour = ScreenColour;
      return true;
    };
    events.SetScreenCursor = [this](int cursor) { ScreenCursors.push_back(cursor); };
    return events;
  }

  TPoint Centre(int button) const {
    const TToolbarSlot* s = Toolbar.Slot(Buttons.SlotOf(button));
    return {s->Left + s->Width / 2, s->Top + s->Height / 2};
  }
  void Press(int button) {
    const TPoint at = Centre(button);
    Toolbar.MouseDown(TMouseButton::Left, kLeftHeld, at.X, at.Y);
  }
  void MoveBy(int button, int dx, int dy) {
    const TPoint at = Centre(button);
    Toolbar.MouseMove(kLeftHeld, at.X + dx, at.Y + dy);
  }
  void Release(int button, int dx = 0, int dy = 0) {
    const TPoint at = Centre(button);
    Toolbar.MouseUp(TMouseButton::Left, 0, at.X + dx, at.Y + dy);
  }
  void ClickOn(int button) {
    Press(button);
    Release(button);
  }
  TLumigramInfo& Info() { return Editor.Info(); }

  TEditorOnDouble Editor;
  std::vector<int> Runs;
  std::vector<bool> Busy;
  int Helps = 0;
  int Captions = 0;
  int Ticks = 0;
  std::vector<TPoint> Picks;
  bool ScreenReadable = true;
  TColor ScreenColour = RGB(10, 20, 30);
  std::vector<int> ScreenCursors;
  TCreatorToolbar Buttons{Toolbar, *Editor.Editor, Events()};
};

TEST_F(CreatorToolbarTest, ButtonsAndSeparatorsFillTheFirst27Slots) {
  EXPECT_EQ(Buttons.SlotOf(kButtonNew), 0);
  EXPECT_EQ(Buttons.SlotOf(kButtonPrint), 3);
  EXPECT_EQ(Buttons.SlotOf(kButtonUndo), 5);
  EXPECT_EQ(Buttons.SlotOf(kButtonFrameSize), 18);
  EXPECT_EQ(Buttons.SlotOf(kButtonTextColor), 23);
  EXPECT_EQ(Buttons.SlotOf(kButtonHelp), 26);
  EXPECT_EQ(Buttons.SlotOf(0), -1);
  EXPECT_EQ(Buttons.SlotOf(23), -1);
  for (int slot : {4, 7, 13, 17, 24}) {
    EXPECT_EQ(Buttons.ButtonAt(slot), 0) << slot;
    EXPECT_TRUE(Toolbar.Slot(slot)->GlyphText.empty()) << slot;
    EXPECT_EQ(Toolbar.Slot(slot)->Gap, TToolbars::kSeparatorGap) << slot;
  }
  EXPECT_TRUE(Toolbar.IsUsed(26));
  EXPECT_FALSE(Toolbar.IsUsed(27));
  for (int button = 1; button <= kCreatorButtonCount; ++button) {
    const TToolbarSlot& slot = *Toolbar.Slot(Buttons.SlotOf(button));
    EXPECT_EQ(slot.Glyph.Width(), 16) << button;
    EXPECT_EQ(slot.Cursor, kCursorHandPoint) << button;
    EXPECT_EQ(Buttons.ButtonAt(Buttons.SlotOf(button)), button);
  }
  EXPECT_TRUE(Toolbar.ShowSeparators());
}

TEST_F(CreatorToolbarTest, GestureButtonsCarryThreeLineHints) {
  EXPECT_EQ(Toolbar.ButtonHint(0), "New");
  EXPECT_EQ(Toolbar.ButtonHint(8), "Select Picture from file...");
  EXPECT_EQ(Toolbar.ButtonHint(18),
            "Frame Size\r\n* Click for Size Dialog Window\r\n"
            "* Click and drag up/down or left/right for Size Adjust");
  EXPECT_EQ(Toolbar.ButtonHint(21),
            "Menu/Link Color\r\n* Click for Color Window\r\n* Click and drag for Screen Color");
  EXPECT_EQ(Toolbar.ButtonHint(23),
            "Text Color\r\n* Click for Color Window\r\n* Click and drag for Screen Color");
}

TEST_F(CreatorToolbarTest, ClicksRunTheirCommands) {
  const std::map<int, int> expected = {
      {kButtonOpen, kOpenCard},
      {kButtonSaveAs, kSaveCardAs},
      {kButtonPrint, kPrintCard},
      {kButtonUndo, kUndo},
      {kButtonPicture, kSelectPicture},
      {kButtonCursor, kSelectCursor},
      {kButtonSound, kSelectSound},
      {kButtonFrame, kSelectFrame},
      {kButtonMessage, kSelectMessage},
      {kButtonStop, kStopSound},
      {kButtonPlay, kPlaySound},
      {kButtonVolume, kVolumeControl},
      {kButtonFrameSize, kChooseFrameSize},
      {kButtonFrameColor, kChooseFrameColour},
      {kButtonLink, kEnterLinkAddress},
      {kButtonLinkColor, kChooseLinkColour},
      {kButtonText, kShowMessageWindow},
      {kButtonTextColor, kChooseMessageColour},
  };
  for (const auto& [button, code] : expected) {
    Runs.clear();
    ClickOn(button);
    EXPECT_EQ(Runs, std::vector<int>{code}) << "button " << button;
  }
  Runs.clear();
  ClickOn(kButtonHelp);
  EXPECT_EQ(Helps, 1);
  ClickOn(kButtonInformation);
  EXPECT_EQ(Busy, (std::vector<bool>{true, false}));
  EXPECT_EQ(Editor.Services.Reports.size(), 1u);
  EXPECT_TRUE(Runs.empty());
  // A right-button press is no click.
  Toolbar.MouseDown(TMouseButton::Right, kRightHeld, Centre(kButtonOpen).X, Centre(kButtonOpen).Y);
  Toolbar.MouseUp(TMouseButton::Right, 0, Centre(kButtonOpen).X, Centre(kButtonOpen).Y);
  EXPECT_TRUE(Runs.empty());
}

TEST_F(CreatorToolbarTest, NewAsksToSaveAChangedCardFirst) {
  ClickOn(kButtonNew);
  EXPECT_EQ(Runs, std::vector<int>{kNewCard});
  Runs.clear();
  ASSERT_TRUE(Editor->BeginChange(kUndoFrame));
  Editor.Services.YesNoCancelAnswers.push_back(TWarningAnswer::Cancel);
  ClickOn(kButtonNew);
  EXPECT_TRUE(Runs.empty());
}

TEST_F(CreatorToolbarTest, CenterRunsOnlyWhenTheCardIsOffCentre) {
  Editor.Window().Rect = {0, 0, 300, 300};
  ClickOn(kButtonCenter);
  EXPECT_EQ(Runs, std::vector<int>{kCentreCard});
  Runs.clear();
  Editor.Window().Rect = {810, 390, 1110, 690};
  ClickOn(kButtonCenter);
  EXPECT_TRUE(Runs.empty());
}

TEST_F(CreatorToolbarTest, QueriesEnableAndDisableTheirButtons) {
  Buttons.RefreshEnabled();
  EXPECT_FALSE(Toolbar.IsEnabled(Buttons.SlotOf(kButtonUndo)));
  EXPECT_FALSE(Toolbar.IsEnabled(Buttons.SlotOf(kButtonPrint)));
  EXPECT_FALSE(Toolbar.IsEnabled(Buttons.SlotOf(kButtonPlay)));
  EXPECT_FALSE(Toolbar.IsEnabled(Buttons.SlotOf(kButtonStop)));
  EXPECT_TRUE(Toolbar.IsEnabled(Buttons.SlotOf(kButtonOpen)));
  EXPECT_TRUE(Toolbar.IsEnabled(Buttons.SlotOf(kButtonFrameSize)));
  EXPECT_TRUE(Toolbar.IsEnabled(Buttons.SlotOf(kButtonFrameColor)));
  Info().Frame.Size = 0;  // no frame, no frame colour
  Buttons.RefreshEnabled();
  EXPECT_FALSE(Toolbar.IsEnabled(Buttons.SlotOf(kButtonFrameColor)));
  EXPECT_TRUE(Toolbar.IsEnabled(Buttons.SlotOf(kButtonFrameSize)));
  // A disabled button runs nothing.
  ClickOn(kButtonUndo);
  EXPECT_TRUE(Runs.empty());

  ASSERT_TRUE(Editor->BeginChange(kUndoLink));
  Editor.Platform.DesktopDouble.PrintAvailable = true;
  Buttons.RefreshEnabled();
  EXPECT_TRUE(Toolbar.IsEnabled(Buttons.SlotOf(kButtonUndo)));
  EXPECT_TRUE(Toolbar.IsEnabled(Buttons.SlotOf(kButtonPrint)));
  ClickOn(kButtonUndo);
  EXPECT_EQ(Runs, std::vector<int>{kUndo});
}

TEST_F(CreatorToolbarTest, TheToolbarTickReachesTheMainWindow) {
  Advance(500);
  EXPECT_EQ(Ticks, 1);
}

TEST_F(CreatorToolbarTest, FrameSizeDragFollowsThePointerInStepsWithOneUndo) {
  Info().Frame.Size = 20;
  const int pictureWidth = Editor->Card().PictureBitmap().Width();
  Press(kButtonFrameSize);
  EXPECT_TRUE(Buttons.Dragging());
  MoveBy(kButtonFrameSize, 1, 0);  // the first move is a click's jitter
  EXPECT_EQ(Info().Frame.Size, 20);
  EXPECT_FALSE(Editor->CanUndo());

  MoveBy(kButtonFrameSize, 8, 8);
  EXPECT_EQ(Info().Frame.Size, 28);
  EXPECT_EQ(Editor->Card().Composite().Width(), pictureWidth + 2 * 28);
  EXPECT_FALSE(Editor->Saved());
  MoveBy(kButtonFrameSize, 8, 0);  // (28 + 20) / 2: half the move
  EXPECT_EQ(Info().Frame.Size, 24);
  MoveBy(kButtonFrameSize, -3, -6);  // 16 and 12 after rounding toward zero
  EXPECT_EQ(Info().Frame.Size, 14);
  MoveBy(kButtonFrameSize, 500, 400);
  EXPECT_EQ(Info().Frame.Size, 255);
  MoveBy(kButtonFrameSize, -500, -400);
  EXPECT_EQ(Info().Frame.Size, 0);
  MoveBy(kButtonFrameSize, -2, -2);  // back on the button: 16 and 16
  EXPECT_EQ(Info().Frame.Size, 16);
  Release(kButtonFrameSize, -2, -2);

  EXPECT_FALSE(Buttons.Dragging());
  EXPECT_EQ(Captions, 1);
  EXPECT_TRUE(Runs.empty());  // no size dialog after a drag
  ASSERT_EQ(Editor->UndoSnapshot().Kind, kUndoFrame);
  ASSERT_TRUE(Editor->Undo());
  EXPECT_EQ(Info().Frame.Size, 20);
}

TEST_F(CreatorToolbarTest, PressWithAtMostOneMoveOpensTheSizeDialog) {
  Info().Frame.Size = 20;
  Press(kButtonFrameSize);
  MoveBy(kButtonFrameSize, 3, 3);
  Release(kButtonFrameSize, 3, 3);
  EXPECT_EQ(Runs, std::vector<int>{kChooseFrameSize});
  EXPECT_EQ(Info().Frame.Size, 20);
  EXPECT_FALSE(Editor->CanUndo());
}

TEST_F(CreatorToolbarTest, SizeThatRoundsToTheCurrentOneChangesNothing) {
  Info().Frame.Size = 38;  // rounds down to 36, as does the drag's first step
  Press(kButtonFrameSize);
  MoveBy(kButtonFrameSize, 0, 1);
  MoveBy(kButtonFrameSize, 1, 1);
  EXPECT_EQ(Info().Frame.Size, 38);
  EXPECT_FALSE(Editor->CanUndo());
}

TEST_F(CreatorToolbarTest, TextColourDragPicksFromTheScreenWithOneUndo) {
  const TColor before = Info().Font.Color;
  Press(kButtonTextColor);
  EXPECT_EQ(ScreenCursors, std::vector<int>{kCursorCross});
  EXPECT_TRUE(Info().State.ForceMessage);
  // Moving on the button itself picks nothing: that would be the button's own colour.
  MoveBy(kButtonTextColor, 2, 2);
  EXPECT_TRUE(Picks.empty());

  Toolbar.MouseMove(kLeftHeld, 250, 10);
  ASSERT_EQ(Picks.size(), 1u);
  EXPECT_EQ(Picks[0], (TPoint{250 + Host.Origin.X, 10 + Host.Origin.Y}));
  EXPECT_EQ(Info().Font.Color, RGB(10, 20, 30));
  EXPECT_EQ(Editor->UndoSnapshot().Kind, kUndoMessage);
  ScreenColour = RGB(40, 50, 60);
  Toolbar.MouseMove(kLeftHeld, 260, 12);
  EXPECT_EQ(Info().Font.Color, RGB(40, 50, 60));
  Toolbar.MouseUp(TMouseButton::Left, 0, 260, 12);

  EXPECT_EQ(ScreenCursors, (std::vector<int>{kCursorCross, kCursorDefault}));
  EXPECT_FALSE(Info().State.ForceMessage);
  EXPECT_TRUE(Runs.empty());  // a drag opens no colour window
  EXPECT_EQ(Captions, 1);
  ASSERT_TRUE(Editor->Undo());
  EXPECT_EQ(Info().Font.Color, before);
}

TEST_F(CreatorToolbarTest, FrameAndLinkColourDragsSetTheirColours) {
  Press(kButtonFrameColor);
  EXPECT_TRUE(ScreenCursors.empty());  // the cross is for the text colour only
  Toolbar.MouseMove(kLeftHeld, 250, 10);
  Toolbar.MouseUp(TMouseButton::Left, 0, 250, 10);
  EXPECT_EQ(Info().Frame.Color, RGB(10, 20, 30));
  EXPECT_EQ(Editor->UndoSnapshot().Kind, kUndoFrame);

  ScreenColour = RGB(1, 2, 3);
  Press(kButtonLinkColor);
  Toolbar.MouseMove(kLeftHeld, 250, 10);
  Toolbar.MouseUp(TMouseButton::Left, 0, 250, 10);
  EXPECT_EQ(Info().LinkColor, RGB(1, 2, 3));
  EXPECT_EQ(Editor->UndoSnapshot().Kind, kUndoLink);
  EXPECT_EQ(Editor->Card().LinkLabel().Font().Color, RGB(1, 2, 3));
  EXPECT_TRUE(Runs.empty());
}

TEST_F(CreatorToolbarTest, PickingTheSameOrAnUnreadableColourChangesNothing) {
  ScreenColour = Info().LinkColor;
  Press(kButtonLinkColor);
  Toolbar.MouseMove(kLeftHeld, 250, 10);
  ScreenReadable = false;
  Toolbar.MouseMove(kLeftHeld, 255, 10);
  Toolbar.MouseUp(TMouseButton::Left, 0, 255, 10);
  EXPECT_EQ(Picks.size(), 2u);
  EXPECT_FALSE(Editor->CanUndo());
  EXPECT_TRUE(Editor->Saved());
}

}  // namespace
}  // namespace lumigram::testing
