// The parts of the window layer that need no display.
#include <gtest/gtest.h>

#include "platform/x11/accelerator.h"
#include "platform/x11/dialog_model.h"
#include "platform/x11/lite_paint.h"
#include "platform/x11/pixel_format.h"
#include "platform/x11/popup_model.h"
#include "platform/x11/utf8.h"

namespace lumigram {
namespace {

TEST(AcceleratorTest, MarksTheLetterAfterTheFirstAmpersand) {
  TAcceleratedText exit = ParseAccelerator("E&xit");
  EXPECT_EQ(exit.Text, "Exit");
  EXPECT_EQ(exit.Mark, 1u);
  EXPECT_EQ(exit.Key, U'x');

  EXPECT_EQ(ParseAccelerator("Send To &Desktop").Key, U'd');  // folded
  const TAcceleratedText plain = ParseAccelerator("Fish && &Chips&");
  EXPECT_EQ(plain.Text, "Fish & Chips&");
  EXPECT_EQ(plain.Key, U'c');
  EXPECT_EQ(plain.Mark, 7u);

  const TAcceleratedText umlaut = ParseAccelerator(
      "&\xC3\x9C"
      "ber && &mehr");
  EXPECT_EQ(umlaut.Text,
            "\xC3\x9C"
            "ber & mehr");
  EXPECT_EQ(umlaut.Key, char32_t(0xDC));  // not folded: ASCII only
  EXPECT_EQ(umlaut.MarkLength, 2u);
  EXPECT_EQ(ParseAccelerator("None").Mark, std::string::npos);
}

TEST(Utf8Test, WalksCodePointsAndSurvivesBrokenText) {
  const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xFF\xC3";
  size_t position = 0;
  std::u32string seen;
  while (position < text.size()) seen += NextCodePoint(text, position);
  EXPECT_EQ(seen, (std::u32string{U'a', 0xE9, 0x20AC, 0x1F600, 0xFFFD, 0xFFFD}));
  EXPECT_EQ(CodePointCount(text), 6u);
  // Overlong and surrogate forms are refused.
  size_t at = 0;
  EXPECT_EQ(NextCodePoint("\xC0\xAF", at), kReplacementCharacter);
  at = 0;
  EXPECT_EQ(NextCodePoint("\xED\xA0\x80", at), kReplacementCharacter);

  std::string edited = "x\xE2\x82\xAC";
  RemoveLastCodePoint(edited);
  EXPECT_EQ(edited, "x");
  edited = "x\x82";  // a stray continuation byte goes alone
  RemoveLastCodePoint(edited);
  EXPECT_EQ(edited, "x");

  std::string built;
  AppendUtf8(built, 0x1F600);
  AppendUtf8(built, 0xD800);
  EXPECT_EQ(built, "\xF0\x9F\x98\x80\xEF\xBF\xBD");
  EXPECT_EQ(Utf8ToLatin1("Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC"), "Gr\xFC\xDF ?");
  EXPECT_EQ(KeySymCodePoint(0x0041), U'A');
  EXPECT_EQ(KeySymCodePoint(0x010020AC), char32_t(0x20AC));
  EXPECT_EQ(KeySymCodePoint(0xFF0D), 0u);  // Return
}

TEST(PixelFormatTest, CommonServerPathAgreesWithThePixelValuesOnOddWidths) {
  for (int width : {1, 2, 5, 7}) {
    TBitmap bitmap;
    ASSERT_TRUE(bitmap.SetSize(width, 3));
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, RGB(x * 40 + 1, y * 70 + 2, 255 - x));
    const TPixelFormat format;
    const int stride = width * 4 + 4;
    std::vector<uint8_t> out(size_t(stride) * 3, 0xEE);
    ASSERT_TRUE(ConvertBitmap(bitmap, format, out.data(), stride));
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < width; ++x) {
        uint32_t pixel = 0;
        for (int i = 0; i < 4; ++i)
          pixel |= uint32_t(out[size_t(y * stride + 4 * x + i)]) << (8 * i);
        EXPECT_EQ(pixel, format.PixelOf(bitmap.GetPixel(x, y))) << width << ": " << x << "," << y;
      }
    // Nothing written past the row's pixels.
    EXPECT_EQ(out[size_t(stride - 1)], 0xEE);
  }
}

TEST(PixelFormatTest, WritesEveryTrueColourLayout) {
  TBitmap bitmap;
  ASSERT_TRUE(bitmap.SetSize(2, 2));
  bitmap.SetPixel(0, 0, RGB(0x12, 0x34, 0x56));
  bitmap.SetPixel(1, 0, RGB(255, 255, 255));
  bitmap.SetPixel(0, 1, RGB(255, 0, 0));
  bitmap.SetPixel(1, 1, RGB(0, 0, 255));

  uint8_t out[32] = {};
  TPixelFormat bgrx;  // the common server
  ASSERT_TRUE(ConvertBitmap(bitmap, bgrx, out, 8));
  EXPECT_EQ(std::vector<uint8_t>(out, out + 4), (std::vector<uint8_t>{0x56, 0x34, 0x12, 0}));
  EXPECT_EQ(out[8 + 2], 0xFF);  // red in the third byte

  TPixelFormat rgb24{24, true, 0xFF0000, 0xFF00, 0xFF};
  ASSERT_TRUE(ConvertBitmap(bitmap, rgb24, out, 8));
  EXPECT_EQ(std::vector<uint8_t>(out, out + 3), (std::vector<uint8_t>{0x12, 0x34, 0x56}));

  TPixelFormat rgb565{16, false, 0xF800, 0x07E0, 0x001F};
  ASSERT_TRUE(ConvertBitmap(bitmap, rgb565, out, 4));
  EXPECT_EQ(out[2] | (out[3] << 8), 0xFFFF);  // white
  EXPECT_EQ(out[4] | (out[5] << 8), 0xF800);  // red
  rgb565.MostSignificantFirst = true;
  ASSERT_TRUE(ConvertBitmap(bitmap, rgb565, out, 4));
  EXPECT_EQ((out[6] << 8) | out[7], 0x001F);  // blue
  // Reading back widens narrow channels to full scale.
  EXPECT_EQ(rgb565.ColourOf(0xFFFF), kWhite);
  EXPECT_EQ(rgb565.ColourOf(rgb565.PixelOf(RGB(0x12, 0x34, 0x56))), RGB(0x10, 0x35, 0x52));

  // BGR order in the masks, as some servers have.
  TPixelFormat bgr32{32, false, 0xFF, 0xFF00, 0xFF0000};
  EXPECT_EQ(bgr32.PixelOf(RGB(1, 2, 3)), 0x030201u);

  for (TPixelFormat refused :
       {TPixelFormat{8, false, 0xE0, 0x1C, 0x03}, TPixelFormat{32, false, 0xFF00, 0xFF00, 0xFF},
        TPixelFormat{16, false, 0xF0F0, 0x0F00, 0x000F}}) {
    EXPECT_FALSE(refused.Supported());
    EXPECT_FALSE(ConvertBitmap(bitmap, refused, out, 8));
  }
}

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

// Ten pixels a byte: easy sums.
int ByteWidth(std::string_view text) {
  return int(text.size()) * 10;
}

TEST(PopupModelTest, LaysOutRowsUnderEachOther) {
  TPopupMetrics metrics;
  TPopupModel model(CardItems(), metrics, ByteWidth);
  ASSERT_EQ(model.Rows().size(), 10u);
  EXPECT_EQ(model.Width(), 2 + metrics.CheckColumn + 200 + metrics.RightMargin);
  EXPECT_EQ(model.Height(), 2 + 2 * 2 + 8 * metrics.ItemHeight + 2 * metrics.SeparatorHeight);
  const TRect& edit = model.Rows()[3].Bounds;
  EXPECT_EQ(edit.Top, 3 + 2 * metrics.ItemHeight + metrics.SeparatorHeight);
  EXPECT_EQ(model.RowAt(10, edit.Top), 3);
  EXPECT_EQ(model.RowAt(10, edit.Top - 1), 2);  // the separator
  EXPECT_EQ(model.RowAt(0, edit.Top), -1);      // the border
  EXPECT_TRUE(model.Rows()[6].Checked);
  EXPECT_EQ(model.Rows()[9].Caption.Text, "Exit");
  // A short menu keeps a usable width.
  EXPECT_EQ(TPopupModel({{1, "A", true, false}}, metrics, ByteWidth).Width(), metrics.MinWidth);
}

TEST(PopupModelTest, KeysSkipSeparatorsAndDisabledItemsAndWrap) {
  TPopupModel model(CardItems(), {}, ByteWidth);
  EXPECT_EQ(model.Highlight(), -1);
  EXPECT_EQ(model.Enter(), -1);
  model.Down();
  EXPECT_EQ(model.Highlight(), 1);  // Play is disabled
  model.Down();
  EXPECT_EQ(model.Highlight(), 4);  // past the separator and Edit
  model.Down();
  model.Down();
  EXPECT_EQ(model.Highlight(), 7);  // past Send To Desktop
  model.Down();
  model.Down();
  EXPECT_EQ(model.Highlight(), 1);  // round to the top
  model.Up();
  EXPECT_EQ(model.Highlight(), 9);
  model.Home();
  EXPECT_EQ(model.Highlight(), 1);
  model.End();
  EXPECT_EQ(model.Enter(), 9);

  TPopupModel fresh(CardItems(), {}, ByteWidth);
  fresh.Up();
  EXPECT_EQ(fresh.Highlight(), 9);

  TPopupModel nothing({{1, "-", true, false}, {2, "&Off", false, false}}, {}, ByteWidth);
  nothing.Down();
  nothing.End();
  EXPECT_EQ(nothing.Highlight(), -1);
  EXPECT_EQ(nothing.Letter(U'o'), -1);
}

TEST(PopupModelTest, LettersChooseOrCycleAmongTheirItems) {
  TPopupModel model(CardItems(), {}, ByteWidth);
  EXPECT_EQ(model.Letter(U'x'), 9);
  EXPECT_EQ(model.Letter(U'e'), -1);  // Edit is disabled
  EXPECT_EQ(model.Letter(U'd'), -1);
  EXPECT_EQ(model.Letter(U'q'), -1);

  TPopupModel shared({{1, "&Save", true, false},
                      {2, "&Send", true, false},
                      {3, "&Sleep", false, false},
                      {4, "&Quit", true, false}},
                     {}, ByteWidth);
  EXPECT_EQ(shared.Letter(U's'), -1);
  EXPECT_EQ(shared.Highlight(), 0);
  EXPECT_EQ(shared.Letter(U's'), -1);
  EXPECT_EQ(shared.Highlight(), 1);
  EXPECT_EQ(shared.Letter(U's'), -1);
  EXPECT_EQ(shared.Highlight(), 0);
}

TEST(PopupModelTest, HoverHighlightsOnlyWhatCanBeChosen) {
  TPopupModel model(CardItems(), {}, ByteWidth);
  const auto middle = [&](int row) {
    const TRect& r = model.Rows()[size_t(row)].Bounds;
    return TPoint{r.Left + 5, r.Top + int(r.Height()) / 2};
  };
  EXPECT_TRUE(model.Hover(middle(4).X, middle(4).Y));
  EXPECT_EQ(model.Highlight(), 4);
  EXPECT_FALSE(model.Hover(middle(4).X, middle(4).Y + 1));
  EXPECT_TRUE(model.Hover(middle(2).X, middle(2).Y));  // separator
  EXPECT_EQ(model.Highlight(), -1);
  model.Hover(middle(5).X, middle(5).Y);
  EXPECT_TRUE(model.Hover(middle(3).X, middle(3).Y));  // disabled
  EXPECT_EQ(model.Highlight(), -1);
  model.Hover(middle(5).X, middle(5).Y);
  EXPECT_TRUE(model.Hover(-5, -5));
  EXPECT_EQ(model.Highlight(), -1);
}

TEST(PopupPlacementTest, StaysOnTheScreenNearTheEdges) {
  const TPoint screen{800, 600};
  EXPECT_EQ(PlacePopup({100, 100}, 150, 200, screen), (TPoint{100, 100}));
  EXPECT_EQ(PlacePopup({700, 500}, 150, 200, screen), (TPoint{550, 300}));  // flipped
  EXPECT_EQ(PlacePopup({650, 400}, 150, 200, screen), (TPoint{650, 400}));  // just fits
  // No room on either side: pushed against the far edge.
  EXPECT_EQ(PlacePopup({100, 100}, 150, 590, screen), (TPoint{100, 10}));
  EXPECT_EQ(PlacePopup({-20, -20}, 150, 200, screen), (TPoint{0, 0}));
  EXPECT_EQ(PlacePopup({10, 10}, 900, 700, screen), (TPoint{0, 0}));
}

TDialogModel YesNo() {
  return TDialogModel({{ParseAccelerator("&Yes"), 1}, {ParseAccelerator("&No"), 2}}, 2, false);
}

TEST(DialogModelTest, FocusMovesRoundTheButtons) {
  int result = 0;
  EXPECT_FALSE(YesNo().Key(TDialogKey::Character, U'q', result));
  TDialogModel tabbed = YesNo();
  EXPECT_FALSE(tabbed.Key(TDialogKey::Tab, 0, result));
  EXPECT_EQ(tabbed.Focus(), 1);
  EXPECT_FALSE(tabbed.Key(TDialogKey::Tab, 0, result));
  EXPECT_EQ(tabbed.Focus(), 0);  // round again
  EXPECT_FALSE(tabbed.Key(TDialogKey::BackTab, 0, result));
  ASSERT_TRUE(tabbed.Key(TDialogKey::Enter, 0, result));
  EXPECT_EQ(result, 2);
  TDialogModel arrows = YesNo();
  arrows.Key(TDialogKey::Right, 0, result);
  ASSERT_TRUE(arrows.Key(TDialogKey::Space, 0, result));
  EXPECT_EQ(result, 2);
  EXPECT_EQ(arrows.Click(0), 1);
}

TEST(DialogModelTest, PasswordFieldTakesTypingAndEditing) {
  TDialogModel prompt({{ParseAccelerator("OK"), 3}, {ParseAccelerator("&Cancel"), 4}}, 4, true);
  int result = 0;
  EXPECT_EQ(prompt.Focus(), TDialogModel::kEditFocus);
  // Letters type, even the marked ones; so does Space in the field.
  for (char32_t c : {U'c', U'a', U' ', char32_t(0x20AC)})
    EXPECT_FALSE(prompt.Key(c == U' ' ? TDialogKey::Space : TDialogKey::Character, c, result));
  EXPECT_FALSE(prompt.Key(TDialogKey::Character, 0x7F, result));  // no control characters
  EXPECT_EQ(prompt.Text(), "ca \xE2\x82\xAC");
  prompt.Key(TDialogKey::Backspace, 0, result);
  EXPECT_EQ(prompt.Text(), "ca ");
  ASSERT_TRUE(prompt.Key(TDialogKey::Enter, 0, result));
  EXPECT_EQ(result, 3);

  // Tab visits the field, OK and Cancel.
  prompt.Key(TDialogKey::Tab, 0, result);
  prompt.Key(TDialogKey::Tab, 0, result);
  EXPECT_EQ(prompt.Focus(), 1);
  prompt.Key(TDialogKey::Tab, 0, result);
  EXPECT_EQ(prompt.Focus(), TDialogModel::kEditFocus);
  prompt.Key(TDialogKey::BackTab, 0, result);
  ASSERT_TRUE(prompt.Key(TDialogKey::Enter, 0, result));
  EXPECT_EQ(result, 4);
  ASSERT_TRUE(prompt.Key(TDialogKey::Escape, 0, result));
  EXPECT_EQ(result, 4);

  TDialogModel full({{ParseAccelerator("OK"), 3}}, 3, true);
  for (size_t i = 0; i < TDialogModel::kMaxText + 10; ++i)
    full.Key(TDialogKey::Character, 0xE9, result);
  EXPECT_EQ(CodePointCount(full.Text()), TDialogModel::kMaxText);
}

TEST(WrapTextTest, BreaksAtLineEndsThenBetweenWordsThenInsideWords) {
  EXPECT_EQ(WrapText("one two three", 80, ByteWidth),
            (std::vector<std::string>{"one two", "three"}));
  EXPECT_EQ(WrapText("a\r\n\r\nb\nc\rd", 100, ByteWidth),
            (std::vector<std::string>{"a", "", "b", "c", "d"}));
  EXPECT_EQ(WrapText("", 100, ByteWidth), (std::vector<std::string>{""}));
  // Blanks where a line breaks vanish; blanks that start a paragraph stay.
  EXPECT_EQ(WrapText("  in  out", 40, ByteWidth), (std::vector<std::string>{"  in", "out"}));
  EXPECT_EQ(WrapText("abcdefghij xy", 40, ByteWidth),
            (std::vector<std::string>{"abcd", "efgh", "ij", "xy"}));
  // Characters are never cut in half, and one too wide still gets a line.
  const auto points = [](std::string_view text) { return int(CodePointCount(text)) * 10; };
  EXPECT_EQ(WrapText("\xC3\xA9\xC3\xA9\xC3\xA9", 20, points),
            (std::vector<std::string>{"\xC3\xA9\xC3\xA9", "\xC3\xA9"}));
  EXPECT_EQ(WrapText("ab", 5, ByteWidth), (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace lumigram
