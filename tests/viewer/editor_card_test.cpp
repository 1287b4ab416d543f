// A card made in the editor with every element, saved, opened again, and run
// as a program: what the creator saves is what the viewer shows.

#include "editor/command_codes.h"
#include "editor/lumigram_creator.h"
#include "imaging/bmp/bmp_file.h"
#include "tests/editor/editor_fixtures.h"
#include "tests/editor/element_fixtures.h"
#include "tests/viewer/viewer_fixture.h"

namespace lumigram::testing {
namespace {

TEST_F(ViewerTest, RunsTheCardTheEditorSavedWithEveryElement) {
  TEditorOnDouble editor;
  editor->SetViewerImage(ReadAll(kViewer));
  auto put = [&](const std::string& name, const std::string& bytes) {
    std::string error;
    EXPECT_TRUE(WriteStringToFile(home_ / name, bytes, error)) << error;
    return home_ / name;
  };
  TBitmap picture;
  picture.SetSize(120, 90);
  for (int y = 0; y < 90; ++y)
    for (int x = 0; x < 120; ++x) picture.SetPixel(x, y, RGB(2 * x, 255 - 2 * y, 90));

  auto run = [&](int code, const std::string& argument) {
    EXPECT_TRUE(editor->Execute(code, argument)) << code << ": " << editor->LastError();
  };
  run(kLoadPictureFile, put("picture.bmp", WriteBmpFile(picture)));
  run(kLoadCursorFile, put("pointer.cur", SmallCursorFile(RGB(0, 0, 255))));
  run(kLoadSoundFile, put("tune.wav", ShortWave(200)));
  run(kSetFrameSize, "30");
  run(kSetFrameColour, std::to_string(RGB(40, 120, 200)));
  run(kSetLinkAddress, "http://example.org/card");
  run(kSetLinkColour, std::to_string(RGB(250, 250, 0)));
  run(kLoadMessageFile, put("words.txt", "Hello\r\nthere"));
  run(kSetMessageColour, std::to_string(RGB(255, 0, 0)));
  run(kSetFlash, "1");
  run(kSetHorizontalAlignment, "2");
  run(kSetVerticalAlignment, "1");
  const std::string card = home_ / "card.exe";
  run(kSaveCardToFile, card);

  // Opened again, the card holds everything it was given.
  TEditorOnDouble reopened;
  ASSERT_TRUE(reopened->Execute(kOpenCardFile, card)) << reopened->LastError();
  const TLumigramInfo& made = editor.Info();
  const TLumigramInfo& read = reopened.Info();
  EXPECT_EQ(read.Picture, made.Picture);
  EXPECT_EQ(read.Cursor, made.Cursor);
  EXPECT_EQ(read.Sound, made.Sound);
  EXPECT_EQ(read.SoundType, "WAV");
  EXPECT_EQ(read.Link, made.Link);
  EXPECT_EQ(read.LinkColor, RGB(250, 250, 0));
  EXPECT_EQ(read.Frame.Size, 30);
  EXPECT_EQ(read.Frame.Color, RGB(40, 120, 200));
  EXPECT_EQ(read.Frame.Code, made.Frame.Code);
  EXPECT_EQ(read.Message, (std::vector<std::string>{"Hello", "there"}));
  EXPECT_EQ(read.Font.Color, RGB(255, 0, 0));
  EXPECT_EQ(read.HAlign, 2);
  EXPECT_EQ(read.VAlign, 1);
  EXPECT_TRUE(read.Flash);

  // Run as a program, it shows what the card code draws from its data, the
  // flashing message in either of its phases.
  const std::string data = ReadAll(card).substr(size_t(kCardDataOffset));
  const TBitmap withMessage = ExpectedComposite(data);
  TBitmap withoutMessage;
  {
    THeadlessCardPlatform platform;
    TLumigram quiet(platform, TCardWindowKind::Standalone);
    ASSERT_TRUE(quiet.LoadFromString(data));
    quiet.Info().Message.clear();
    quiet.Info().State.MessageDirty = true;
    quiet.Refresh(false);
    withoutMessage = quiet.Composite();
  }
  Start({card, "--first-paint-mark", mark_, "--audio-sink", "fakesink sync=true"});
  ASSERT_TRUE(WaitForFirstPaint());
  const auto window = WaitForWindow("Lumigram");
  ASSERT_TRUE(window);
  const TBitmap shown = Grab(*window);
  ASSERT_EQ(shown.Width(), withMessage.Width());
  ASSERT_EQ(shown.Height(), withMessage.Height());
  int differentOn = 0, differentOff = 0;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x) {
      differentOn += shown.GetPixel(x, y) != withMessage.GetPixel(x, y);
      differentOff += shown.GetPixel(x, y) != withoutMessage.GetPixel(x, y);
    }
  EXPECT_NE(differentOn, differentOff) << "the message shows in neither phase";
  EXPECT_TRUE(differentOn == 0 || differentOff == 0) << differentOn << " " << differentOff;
}

}  // namespace
}  // namespace lumigram::testing
