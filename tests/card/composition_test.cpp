// The card's window image, its hot-spot labels and the mouse.

#include <gtest/gtest.h>

#include <string>

#include "card/lumigram.h"
#include "card/simple_labels.h"
#include "frames/frame_painter.h"
#include "tests/card/card_fixtures.h"

namespace lumigram::testing {
namespace {

TEST(Composition, NewCardIsAWhiteSquareInTheColouredInsertFrame) {
  TCardOnDouble card(true);
  const TBitmap& composite = card.Card->Composite();
  ASSERT_EQ(composite.Width(), 404);
  ASSERT_EQ(composite.Height(), 404);
  EXPECT_EQ(card.Window().Image, composite);
  EXPECT_EQ(card.Window().Rect.Right - card.Window().Rect.Left, 404);
  EXPECT_EQ(card.Window().Caption, "Lumigram");

  TBitmap frame;
  frame.SetSize(404, 404, kWhite);
  PaintFrame(NewCardFrame(), &frame);
  const TSimpleLabel& menu = card.Card->MenuLabel();
  EXPECT_FALSE(card.Card->LinkLabel().Visible());
  ASSERT_TRUE(menu.Visible());
  EXPECT_EQ(menu.Caption(), "menu");
  EXPECT_EQ(menu.Left, 300 - menu.Width - 2);
  EXPECT_EQ(menu.Top, 300 - menu.Height - 2);
  const TRect label{52 + menu.Left, 52 + menu.Top, 52 + menu.Left + menu.Width,
                    52 + menu.Top + menu.Height};
  int ink = 0;
  for (int y = 0; y < 404; ++y) {
    for (int x = 0; x < 404; ++x) {
      const bool inside = x >= 52 && x < 352 && y >= 52 && y < 352;
      const TColor pixel = composite.GetPixel(x, y);
      if (!inside) {
        ASSERT_EQ(pixel, frame.GetPixel(x, y)) << x << "," << y;
      } else if (pixel != kWhite) {
        ASSERT_TRUE(label.Contains(x, y)) << x << "," << y;
        ASSERT_EQ(pixel, kBlack);
        ++ink;
      }
    }
  }
  EXPECT_GT(ink, 20) << "the word is drawn";
}

TEST(Composition, FrameSizeZeroAndALongLink) {
  TCardOnDouble card;
  TLumigramInfo& info = card.Card->Info();
  info.Frame.Size = 0;
  info.Picture = PictureBytes(200, 120, RGB(0, 90, 0));
  info.Link = "http://" + std::string(200, 'w') + ".example.com";
  card.Card->Refresh(true);
  const TBitmap& composite = card.Card->Composite();
  EXPECT_EQ(composite.Width(), 200);
  EXPECT_EQ(composite.Height(), 120);
  const TSimpleLabel& menu = card.Card->MenuLabel();
  const TSimpleLabel& link = card.Card->LinkLabel();
  EXPECT_EQ(menu.Left + menu.Width, 198);
  EXPECT_EQ(link.Left, 2);
  EXPECT_EQ(link.Top, menu.Top);
  EXPECT_EQ(link.Left + link.Width, menu.Left - 3) << "cut 3 pixels short of the menu";
  // The cut caption leaves the gap before "menu" untouched.
  for (int x = menu.Left - 3; x < menu.Left; ++x)
    for (int y = menu.Top; y < menu.Top + menu.Height; ++y)
      ASSERT_EQ(composite.GetPixel(x, y), RGB(0, 90, 0)) << x << "," << y;
}

TEST(Labels, EdgesOverlapAndRemoval) {
  TSimpleLabels labels;
  TSimpleLabel* a = labels.NewLabel();
  TSimpleLabel* b = labels.NewLabel();
  TSimpleLabel* c = labels.NewLabel();
  for (TSimpleLabel* label : {a, b, c}) {
    label->SetAutoSize(false);
    label->SetVisible(true);
    label->Width = 20;
    label->Height = 10;
  }
  a->Left = 10;
  a->Top = 10;
  b->Left = 25;
  b->Top = 15;
  c->Left = 100;
  EXPECT_EQ(labels.HitTest(30, 10), 0) << "the right edge belongs to the label";
  EXPECT_EQ(labels.HitTest(31, 10), -1);
  EXPECT_EQ(labels.HitTest(10, 20), 0) << "and the bottom edge";
  EXPECT_EQ(labels.HitTest(10, 21), -1);
  EXPECT_EQ(labels.HitTest(9, 10), -1);
  EXPECT_EQ(labels.HitTest(28, 18), 1) << "of two, the one added later";
  b->SetVisible(false);
  EXPECT_EQ(labels.HitTest(28, 18), 0) << "hidden labels are not hit";
  b->SetVisible(true);

  int clicks = 0;
  c->OnClick = [&](TSimpleLabel&) { ++clicks; };
  EXPECT_TRUE(labels.Hover(110, 5));
  EXPECT_FALSE(labels.Hover(111, 6));
  EXPECT_EQ(labels.HoverIndex(), 2);
  labels.Remove(b);
  EXPECT_EQ(labels.Count(), 2);
  EXPECT_EQ(labels.IndexOf(a), 0);
  EXPECT_EQ(labels.IndexOf(c), 1);
  EXPECT_EQ(labels.HoverIndex(), 1) << "still the same label";
  EXPECT_EQ(labels.Click(110, 5), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(labels.Click(15, 15), 0) << "a hit without a handler";
  EXPECT_EQ(labels.Click(500, 500), -1);

  while (labels.NewLabel()) {
  }
  EXPECT_EQ(labels.Count(), TSimpleLabels::kCapacity);
}

TEST(Labels, MeasureAndHighlight) {
  TSimpleLabel label;
  label.SetCaption("menu");
  const int width = label.Width;
  EXPECT_GT(width, 4);
  label.SetCaption("menu menu");
  EXPECT_GT(label.Width, width) << "re-measured";
  TFont font = label.Font();
  font.Color = RGB(128, 0, 0);  // mid-bright: the text turns white
  label.SetFont(font);
  TBitmap bitmap;
  bitmap.SetSize(label.Width + 10, label.Height + 10, RGB(0, 200, 0));
  TCanvas canvas(bitmap);
  label.Paint(5, 5, canvas, true);
  int fill = 0, text = 0, other = 0;
  for (int y = 5; y < 5 + label.Height; ++y) {
    for (int x = 5; x < 5 + label.Width; ++x) {
      const TColor pixel = bitmap.GetPixel(x, y);
      fill += pixel == RGB(128, 0, 0);
      text += pixel == kWhite;
      other += pixel != RGB(128, 0, 0) && pixel != kWhite;
    }
  }
  EXPECT_GT(fill, text);
  EXPECT_GT(text, 10);
  EXPECT_EQ(other, 0) << "exact colours only";
  EXPECT_EQ(bitmap.GetPixel(4, 4), RGB(0, 200, 0));
}

TEST(Mouse, HoverHighlightsTheHotSpot) {
  TCardOnDouble card(true);
  const TSimpleLabel& menu = card.Card->MenuLabel();
  const int x = 52 + menu.Left + 1, y = 52 + menu.Top + 1;
  EXPECT_EQ(card.Card->Composite().GetPixel(x, y), kWhite);
  card.Window().MoveMouse(x, y);
  EXPECT_EQ(card.Card->Labels().HoverIndex(), 1);
  EXPECT_EQ(card.Window().Image.GetPixel(x, y), kBlack) << "filled with the link colour";
  card.Window().MoveMouse(10, 10);
  EXPECT_EQ(card.Window().Image.GetPixel(x, y), kWhite);
}

TEST(Mouse, DragMovesTheWindowUnlessItStartsOnAHotSpot) {
  TCardOnDouble card(true);
  TRecordingCardWindow& window = card.Window();
  const TRect start = window.Rect;
  window.MoveMouse(100, 100);
  window.Press(TMouseButton::Left, 100, 100);
  window.Events->WindowMouseMove(130, 85);
  EXPECT_EQ(window.Rect.Left, start.Left + 30);
  EXPECT_EQ(window.Rect.Top, start.Top - 15);
  EXPECT_EQ(window.Rect.Right - window.Rect.Left, 404);
  window.Release(TMouseButton::Left, 100, 100);
  EXPECT_TRUE(card.Platform.Tracked.empty());

  const TRect moved = window.Rect;
  window.Press(TMouseButton::Right, 100, 100);
  window.Events->WindowMouseMove(150, 150);
  EXPECT_EQ(window.Rect, moved) << "only the left button drags";
  window.Release(TMouseButton::Right, 150, 150);
  ASSERT_EQ(card.Platform.Tracked.size(), 1u) << "the right button opens the menu";
  EXPECT_EQ(card.Platform.Tracked[0].At, (TPoint{moved.Left + 150, moved.Top + 150}));

  const TSimpleLabel& menu = card.Card->MenuLabel();
  const int x = 52 + menu.Left + 2, y = 52 + menu.Top + 2;
  window.MoveMouse(x, y);
  window.Press(TMouseButton::Left, x, y);
  window.Events->WindowMouseMove(x - 40, y - 40);
  EXPECT_EQ(window.Rect, moved);
  window.Release(TMouseButton::Left, x, y);
  EXPECT_EQ(card.Platform.Tracked.size(), 2u) << "releasing over the hot spot clicks it";
}

TEST(Mouse, BusyCardIgnoresClicksAndKeepsTheSession) {
  TCardOnDouble card(true);
  card.Card->SetBusy(true);
  EXPECT_TRUE(card.Window().BusyCursor);
  card.Window().Click(TMouseButton::Right, 50, 50);
  EXPECT_TRUE(card.Platform.Tracked.empty());
  EXPECT_FALSE(card.Window().Events->WindowQueryEndSession());
  card.Card->SetBusy(false);
  EXPECT_FALSE(card.Window().BusyCursor);
  EXPECT_TRUE(card.Window().Events->WindowQueryEndSession());
}

TEST(Window, CentreAndCloseBehaviour) {
  TCardOnDouble card(true);
  card.Card->CentreAndShow();
  EXPECT_EQ(card.Window().Rect, (TRect{758, 338, 1162, 742}));
  EXPECT_TRUE(card.Window().IsVisible);

  card.Card->ExitOnClose = false;
  card.Window().Events->WindowClose();
  EXPECT_EQ(card.Platform.QuitCount, 0);
  card.Card->ExitOnClose = true;
  card.Window().Events->WindowClose();
  EXPECT_EQ(card.Platform.QuitCount, 1) << "a standalone card ends the program";
  EXPECT_FALSE(card.Window().IsVisible);
  EXPECT_EQ(card.Window().Events, nullptr);
  card.Card->Exit();
  EXPECT_EQ(card.Platform.QuitCount, 1);

  TCardOnDouble embedded;
  embedded.Window().Events->WindowClose();
  embedded.Card->Exit();
  EXPECT_EQ(embedded.Platform.QuitCount, 0) << "the creator's card never ends the program";
}

TEST(Cursor, CardCursorOrTheArrow) {
  TCardOnDouble card(true);
  std::string error;
  ASSERT_TRUE(card.Card->SetCursorFromFile(TestDataFile("imaging/windows/mask4.ico")));
  ASSERT_TRUE(card.Window().Cursor.has_value());
  EXPECT_TRUE(card.Card->CursorImage().has_value());
  card.Card->Info().Cursor = "not a cursor";
  EXPECT_FALSE(card.Card->ApplyCursor());
  EXPECT_TRUE(card.Card->Info().Cursor.empty());
  EXPECT_FALSE(card.Window().Cursor.has_value()) << "back to the arrow";
  EXPECT_FALSE(card.Card->SetCursorFromFile("/nonexistent/x.cur"));
  EXPECT_EQ(card.Card->LastError(), "File not found");
}

}  // namespace
}  // namespace lumigram::testing
