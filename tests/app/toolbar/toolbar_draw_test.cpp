// What the toolbar draws: glyph without background, softened edges, hover
// highlight and brightening, pressed shift, grey disabled buttons and the
// separator lines.

#include <gtest/gtest.h>

#include "tests/app/toolbar/toolbar_fixture.h"

namespace lumigram::testing {
namespace {

constexpr TColor kKey = RGB(255, 0, 255);
constexpr TColor kRed = RGB(200, 0, 0);

// 12 x 12, background kKey; black at (5, 5), white at (6, 5), red at
// (5, 6) and (6, 6).
std::string SpotGlyph() {
  TBitmap glyph;
  glyph.SetSize(12, 12, kKey);
  glyph.SetPixel(5, 5, kBlack);
  glyph.SetPixel(6, 5, kWhite);
  glyph.SetPixel(5, 6, kRed);
  glyph.SetPixel(6, 6, kRed);
  return BitmapToTextPicture(glyph);
}

class ToolbarDrawTest : public ::testing::Test, public TToolbarOnDouble {
 protected:
  void SetUp() override { ASSERT_EQ(Toolbar.AddButton("spot", 0, nullptr, SpotGlyph()), 0); }
  // The image pixel of glyph pixel (c, r) of slot 0, drawn at (3, 3).
  TColor At(int c, int r, int shift = 0) const {
    return Toolbar.Image().GetPixel(3 + c + shift, 3 + r + shift);
  }
  void Hover() { Toolbar.MouseMove(0, 9, 9); }
};

TEST_F(ToolbarDrawTest, NormalButtonShowsGlyphOnFaceWithSoftenedEdges) {
  EXPECT_EQ(At(5, 5), kBlack);
  EXPECT_EQ(At(6, 5), kWhite);
  EXPECT_EQ(At(5, 6), kRed);
  // Background far from the glyph is left out: the face shows.
  EXPECT_EQ(At(0, 0), kFace);
  EXPECT_EQ(At(2, 2), kFace);
  // (4, 6) touches one red pixel: (200 + 8 x 200) / 9, (0 + 8 x 200) / 9.
  EXPECT_EQ(At(4, 6), RGB(200, 177, 177));
  // (5, 4) touches the black pixel only.
  EXPECT_EQ(At(5, 4), RGB(177, 177, 177));
  // (6, 4) touches the white pixel: (255 + 1600) / 9 = 206.
  EXPECT_EQ(At(6, 4), RGB(206, 206, 206));
  // (5, 7) touches red at (5, 6) only.
  EXPECT_EQ(At(5, 7), RGB(200, 177, 177));
}

TEST_F(ToolbarDrawTest, HoveredButtonGetsRoundedHighlightAndBrighterGlyph) {
  Hover();
  ASSERT_EQ(Toolbar.HotSlot(), 0);
  const TColor highlight = RGB(240, 240, 240);
  const TColor shadow = RGB(145, 145, 145);
  EXPECT_EQ(At(5, 5), RGB(20, 20, 20));
  EXPECT_EQ(At(6, 5), kWhite);
  EXPECT_EQ(At(5, 6), RGB(220, 20, 20));
  // Inside the highlight the background is the highlight colour, and the
  // edges blend into it instead of the face.
  EXPECT_EQ(At(2, 2), highlight);
  EXPECT_EQ(At(4, 6), RGB(235, 213, 213));
  // The outline: top edge at y = 1 in the middle, shadow coloured; the
  // corners are rounded off.
  EXPECT_EQ(Toolbar.Image().GetPixel(9, 1), shadow);
  EXPECT_EQ(Toolbar.Image().GetPixel(1, 1), kFace);
  EXPECT_EQ(Toolbar.Image().GetPixel(0, 9), kFace);
}

TEST_F(ToolbarDrawTest, PressedButtonMovesOnePixelRightAndDown) {
  Toolbar.MouseDown(TMouseButton::Left, kLeftHeld, 9, 9);
  EXPECT_EQ(At(5, 5, 1), RGB(20, 20, 20));
  EXPECT_EQ(At(6, 6, 1), RGB(220, 20, 20));
  EXPECT_NE(At(5, 5), RGB(20, 20, 20));
  Toolbar.MouseUp(TMouseButton::Left, 0, 9, 9);
  EXPECT_EQ(At(5, 5), RGB(20, 20, 20));
}

TEST_F(ToolbarDrawTest, DisabledButtonIsGreyWithoutHighlightOrShift) {
  Toolbar.SetButtonEnabled(0, false);
  Hover();
  Toolbar.MouseDown(TMouseButton::Left, kLeftHeld, 9, 9);
  // Black becomes 50 and white 240, so the glyph keeps its shape on any face.
  EXPECT_EQ(At(5, 5), RGB(50, 50, 50));
  EXPECT_EQ(At(6, 5), RGB(240, 240, 240));
  EXPECT_EQ(At(5, 6), RGB(66, 66, 66));
  // The blended edge turns grey too: (200 + 177 + 177) / 3.
  EXPECT_EQ(At(4, 6), RGB(184, 184, 184));
  EXPECT_EQ(At(2, 2), kFace);
  EXPECT_EQ(Toolbar.Image().GetPixel(9, 1), kFace);
}

TEST_F(ToolbarDrawTest, DisabledToolbarGreysEveryButtonEvenWhenHot) {
  Hover();
  Toolbar.SetEnabled(false);
  EXPECT_EQ(At(5, 5), RGB(50, 50, 50));
  EXPECT_EQ(At(2, 2), kFace);
}

TEST_F(ToolbarDrawTest, GlyphStopsShortOfTheRightEdge) {
  Host.Width = 3 + 7;
  Toolbar.Layout();
  // Columns up to the bitmap width - 2 are drawn, the last one is not.
  EXPECT_EQ(At(5, 5), kBlack);
  EXPECT_EQ(At(5, 6), kRed);
  EXPECT_EQ(Toolbar.Image().GetPixel(9, 3 + 5), kFace);
}

TEST_F(ToolbarDrawTest, SeparatorDrawsOneLineOnlyAfterAButton) {
  Toolbar.RemoveButtons(-1, -1);
  const std::string glyph = SpotGlyph();
  Toolbar.AddButton({}, 5, nullptr, {});      // 0: at the start, no line
  Toolbar.AddButton("a", 0, nullptr, glyph);  // 1
  Toolbar.AddButton({}, 5, nullptr, {});      // 2: line
  Toolbar.AddButton({}, 5, nullptr, {});      // 3: right after another, no line
  Toolbar.AddButton("b", 0, nullptr, glyph);  // 4
  const TBitmap& image = Toolbar.Image();
  const TColor shadow = Toolbar.ShadowColor();
  auto lineAt = [&](int slot) {
    const TToolbarSlot& s = *Toolbar.Slot(slot);
    // Glyph position x = left + margin; the line sits at x + width + gap / 2 - margin.
    return s.Left + s.Width + s.Gap / 2;
  };
  // From y + 1 = 4 up to (18 + 3 - 6 - 1) = 14, that end left out.
  for (int y = 4; y < 14; ++y) EXPECT_EQ(image.GetPixel(lineAt(2), y), shadow) << y;
  EXPECT_EQ(image.GetPixel(lineAt(2), 3), kFace);
  EXPECT_EQ(image.GetPixel(lineAt(2), 14), kFace);
  for (int y = 0; y < image.Height(); ++y) {
    EXPECT_EQ(image.GetPixel(lineAt(0), y), kFace);
    EXPECT_EQ(image.GetPixel(lineAt(3), y), kFace);
  }
  Toolbar.SetShowSeparators(false);
  EXPECT_EQ(Toolbar.Image().GetPixel(lineAt(2), 8), kFace);
}

}  // namespace
}  // namespace lumigram::testing
