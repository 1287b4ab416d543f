// The message: its layout, the message bitmap, the flash and message files.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "card/lumigram.h"
#include "card/message_file.h"
#include "card/message_render.h"
#include "card/message_text.h"
#include "imaging/text/text.h"
#include "tests/card/card_fixtures.h"
#include "util/fields.h"

namespace lumigram::testing {
namespace {

constexpr TColor kInk = RGB(20, 40, 200);

// Sets the message of a record, leaving the rest.
void SetMessage(TLumigramInfo& info, std::vector<std::string> lines, uint8_t hAlign,
                uint8_t vAlign) {
  info.Font.Name = "DejaVu Sans";
  info.Font.Height = -20;
  info.Font.Color = kInk;
  info.Message = std::move(lines);
  info.HAlign = hAlign;
  info.VAlign = vAlign;
}

TLumigramInfo MessageInfo(std::vector<std::string> lines, uint8_t hAlign, uint8_t vAlign) {
  TLumigramInfo info;
  SetMessage(info, std::move(lines), hAlign, vAlign);
  return info;
}

// The expected bitmap: the given lines at the given positions, clipped to
// the picture, on the key colour.
TBitmap Expected(const TLumigramInfo& info, int width, int height,
                 const std::vector<std::pair<std::string, TPoint>>& lines) {
  TBitmap bitmap;
  bitmap.SetSize(width, height, MessageBackground(kInk));
  TCanvas canvas(bitmap);
  TTextOptions options;
  options.Quality = TFontQuality::Monochrome;
  options.Clip = TRect{0, 0, width, height};
  for (const auto& [text, at] : lines) TextOut(canvas, at.X, at.Y, info.Font, text, options);
  bitmap.SetPixel(0, 0, MessageBackground(kInk));
  return bitmap;
}

TBitmap Rendered(const TLumigramInfo& info, int width, int height) {
  TBitmap bitmap;
  EXPECT_TRUE(RenderMessageBitmap(info, width, height, bitmap));
  return bitmap;
}

TEST(MessageLayout, BottomAlignmentDrawsUpwardsUntilAboveThePicture) {
  const TLumigramInfo info = MessageInfo({"Aa", "Bb", "Cc", "Dd"}, kAlignLeft, kAlignBottom);
  const int h = TextHeight(info.Font, "#");
  const int height = 2 * h + h / 2;
  // Dd at H - h, Cc above, Bb partly above the top; Aa would start at or
  // above -h and is not drawn.
  const TBitmap expected =
      Expected(info, 120, height,
               {{"Dd", {1, height - h}}, {"Cc", {1, height - 2 * h}}, {"Bb", {1, height - 3 * h}}});
  EXPECT_EQ(Rendered(info, 120, height), expected);
}

TEST(MessageLayout, CentredBlockTallerThanThePictureStartsAtTheTop) {
  const TLumigramInfo info = MessageInfo({"one", "two", "three"}, kAlignCentre, kAlignCentre);
  const int h = TextHeight(info.Font, "#");
  const int width = 90, height = 2 * h;
  std::vector<std::pair<std::string, TPoint>> lines;
  for (int i = 0; i < 3; ++i) {
    const std::string& text = info.Message[size_t(i)];
    lines.push_back({text, {(width - TextWidth(info.Font, text)) / 2, i * h}});
  }
  EXPECT_EQ(Rendered(info, width, height), Expected(info, width, height, lines));
}

TEST(MessageLayout, RightAlignedLineWiderThanThePictureIsClippedAtTheLeft) {
  const TLumigramInfo info = MessageInfo({"a rather long line of text"}, kAlignRight, kAlignTop);
  const int width = 60;
  const int x = width - TextWidth(info.Font, info.Message[0]) - 1;
  ASSERT_LT(x, 0);
  const TBitmap bitmap = Rendered(info, width, 40);
  EXPECT_EQ(bitmap, Expected(info, width, 40, {{info.Message[0], {x, 1}}}));
  EXPECT_NE(bitmap, Expected(info, width, 40, {}));
}

// What the creator draws straight onto its preview is what the viewer shows
// from the saved bitmap, pixel for pixel.
TEST(MessageLayout, ViewerShowsExactlyWhatTheCreatorShows) {
  TCardOnDouble creator;
  TLumigramInfo& info = creator.Card->Info();
  SetMessage(info, {"Hello,", "W\xF6rld!", "a line far too wide for the small picture"},
             kAlignCentre, kAlignCentre);
  info.Picture = PictureBytes(160, 90, RGB(250, 250, 240));
  info.Frame.Size = 10;
  creator.Card->Refresh(true);
  std::string data;
  ASSERT_TRUE(creator.Card->SaveToString(data));
  TCardOnDouble viewer(true);
  ASSERT_TRUE(viewer.Card->LoadFromString(data));
  EXPECT_EQ(viewer.Card->Composite(), creator.Card->Composite());
  EXPECT_EQ(viewer.Window().Image, creator.Card->Composite());
  // And the message is really there.
  int ink = 0;
  for (int y = 0; y < 90; ++y)
    for (int x = 0; x < 160; ++x) ink += viewer.Card->Composite().GetPixel(10 + x, 10 + y) == kInk;
  EXPECT_GT(ink, 100);
}

int InkIn(const TBitmap& composite) {
  int ink = 0;
  for (int y = 0; y < composite.Height(); ++y)
    for (int x = 0; x < composite.Width(); ++x) ink += composite.GetPixel(x, y) == kInk;
  return ink;
}

TEST(Flash, PhasesOf700MillisecondsOnADrivenClock) {
  TCardPlatformDouble platform;
  int64_t now = 5000;
  TLumigram card(platform, TCardWindowKind::Embedded, [&] { return now; });
  SetMessage(card.Info(), {"Blink"}, kAlignLeft, kAlignTop);
  card.Info().State.MessageDirty = true;  // as the editor marks a new message
  card.Refresh(false);
  EXPECT_FALSE(card.Timer()->Enabled()) << "nothing to tick for";
  const int shown = InkIn(card.Composite());
  ASSERT_GT(shown, 0);

  card.Info().Flash = true;
  card.Refresh(false);
  EXPECT_TRUE(card.Timer()->Enabled());
  card.FlashTick(5699);
  EXPECT_TRUE(card.Info().State.FlashOn);
  card.FlashTick(5700);
  EXPECT_FALSE(card.Info().State.FlashOn);
  EXPECT_EQ(InkIn(card.Composite()), 0);
  EXPECT_EQ(InkIn(platform.LastWindow->Image), 0) << "presented";
  card.FlashTick(6399);
  EXPECT_EQ(InkIn(card.Composite()), 0);
  card.FlashTick(6400);
  EXPECT_EQ(InkIn(card.Composite()), shown);
  card.FlashTick(7100);
  EXPECT_EQ(InkIn(card.Composite()), 0);

  card.Info().State.ForceMessage = true;
  card.Info().State.MessageDirty = true;
  card.Compose();
  EXPECT_EQ(InkIn(card.Composite()), shown) << "forced into the hidden phase";
  card.Info().State.ForceMessage = false;

  card.Info().Flash = false;
  card.Refresh(false);
  EXPECT_TRUE(card.Timer()->Enabled()) << "the hidden message must come back";
  card.FlashTick(7101);
  EXPECT_TRUE(card.Info().State.FlashOn);
  EXPECT_EQ(InkIn(card.Composite()), shown);
  EXPECT_FALSE(card.Timer()->Enabled());
}

TEST(Flash, TimerTicksReachTheCardOnTheGuiThread) {
  TCardPlatformDouble platform;
  TLumigram card(platform, TCardWindowKind::Embedded);
  SetMessage(card.Info(), {"Blink"}, kAlignLeft, kAlignTop);
  card.Info().Flash = true;
  card.Refresh(false);
  EXPECT_TRUE(
      platform.Loop.RunUntil([&] { return !card.Info().State.FlashOn; }, std::chrono::seconds(10)));
}

TEST(MessageFile, RoundTripAndFieldsAppliedAsRead) {
  TLumigramInfo info = MessageInfo({"x\ty", "", "z"}, kAlignRight, kAlignCentre);
  info.Flash = true;
  info.Font.Italic = true;
  const std::string bytes = WriteMessageFile(info);
  ASSERT_EQ(bytes.substr(0, 7), std::string("MSG1.0") + '\0');

  TLumigramInfo read;
  ASSERT_EQ(ReadMessageFile(bytes, read), TMessageFileResult::Complete);
  EXPECT_EQ(read.Font, info.Font);
  EXPECT_EQ(read.Message, (std::vector<std::string>{"x     y", "", "z"})) << "tabs become spaces";
  EXPECT_EQ(read.HAlign, kAlignRight);
  EXPECT_EQ(read.VAlign, kAlignCentre);
  EXPECT_TRUE(read.Flash);

  // Cut after the text: font and text applied, the rest left.
  std::string cut = std::string("MSG1.0") + '\0';
  AppendField(cut, WriteFontBlock(info.Font));
  AppendField(cut, "only\r\n");
  TLumigramInfo partial;
  EXPECT_EQ(ReadMessageFile(cut, partial), TMessageFileResult::Incomplete);
  EXPECT_EQ(partial.Message, std::vector<std::string>{"only"});
  EXPECT_EQ(partial.Font, info.Font);
  EXPECT_EQ(partial.HAlign, kAlignLeft);

  TLumigramInfo untouched;
  untouched.Message = {"keep"};
  EXPECT_EQ(ReadMessageFile("MSG1.1\0xxxx", untouched), TMessageFileResult::WrongMagic);
  EXPECT_EQ(ReadMessageFile("no zero byte", untouched), TMessageFileResult::WrongMagic);
  EXPECT_EQ(untouched.Message, std::vector<std::string>{"keep"});
}

TEST(MessageFile, MagicWithoutFieldsStillRefreshesTheCard) {
  TCardOnDouble card;
  card.Card->Info().Frame.Size = 300;
  const int presented = card.Window().PresentCount;
  EXPECT_FALSE(card.Card->ReadMessageFile(std::string("MSG1.0") + '\0'));
  EXPECT_EQ(card.Card->Info().Frame.Size, 255);
  EXPECT_GT(card.Window().PresentCount, presented);

  card.Card->Info().Frame.Size = 300;
  EXPECT_FALSE(card.Card->ReadMessageFile("RIFF"));
  EXPECT_EQ(card.Card->Info().Frame.Size, 300) << "a wrong magic changes nothing";
}

TEST(MessageText, LinesSplitAtAnyBreakAndLongTextsAreCut) {
  EXPECT_EQ(SplitMessageText("a\r\nb\rc\nd\r\n"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitMessageText("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(SplitMessageText("").empty());
  EXPECT_EQ(MessageLinesOfText(std::string(32766, 'x') + "\tyz")[0].size(), 32767u);
}

}  // namespace
}  // namespace lumigram::testing
