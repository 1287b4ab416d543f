// The viewer program as a person meets it: a card file made from the built
// viewer and card data, run under a private X server, looked at and clicked.

#include "tests/support/x_windows.h"
#include "tests/viewer/viewer_fixture.h"

namespace lumigram::testing {
namespace {

TEST_F(ViewerTest, FitsInFrontOfTheCardData) {
  const auto size = std::filesystem::file_size(kViewer);
  RecordProperty("ViewerBytes", std::to_string(size));
  EXPECT_LE(size, uintmax_t(kCardDataOffset));
}

TEST_F(ViewerTest, ShowsTheCardItCarriesCentredAndExitsFromItsMenu) {
  TBitmap picture;
  picture.SetSize(160, 120);
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 160; ++x) picture.SetPixel(x, y, RGB(x, y * 2, 255 - x));
  const std::string data = CardData([&](TLumigram& card) {
    TLumigramInfo& info = card.Info();
    info.Picture = OptimisedImageBytes(picture);
    info.Link = "http://example.org/";
    info.LinkColor = RGB(200, 0, 0);
    info.Frame.Color = RGB(30, 90, 160);
    info.Message = {"Hello", "there"};
    info.Font.Color = RGB(255, 255, 0);
    info.HAlign = 2;
    info.VAlign = 2;
  });
  const TBitmap expected = ExpectedComposite(data);
  Start({WriteCardFile(data), "--first-paint-mark", mark_});
  ASSERT_TRUE(WaitForFirstPaint());
  const auto window = WaitForWindow("Lumigram");
  ASSERT_TRUE(window);

  const TBitmap shown = Grab(*window);
  ASSERT_EQ(shown.Width(), expected.Width());
  ASSERT_EQ(shown.Height(), expected.Height());
  int different = 0;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x)
      if (shown.GetPixel(x, y) != expected.GetPixel(x, y)) ++different;
  EXPECT_EQ(different, 0);

  const TRect bounds = ScreenBounds(*window);
  const int screenWidth = DisplayWidth(display_, DefaultScreen(display_));
  const int screenHeight = DisplayHeight(display_, DefaultScreen(display_));
  EXPECT_NEAR(bounds.Left, (screenWidth - shown.Width()) / 2, 1);
  EXPECT_NEAR(bounds.Top, (screenHeight - shown.Height()) / 2, 1);

  // Right-click opens the menu; its Exit item ends the program cleanly.
  const size_t before = ViewableWindows(true).size();
  Click(bounds.Left + shown.Width() / 2, bounds.Top + shown.Height() / 2, 3);
  bool opened = false;
  for (int i = 0; i < 2000 && !opened; ++i) {
    opened = ViewableWindows(true).size() > before;
    if (!opened) std::this_thread::sleep_for(5ms);
  }
  ASSERT_TRUE(opened) << "no popup menu appeared";
  EXPECT_EQ(KeyUntilExit(XK_x), 0);
  EXPECT_TRUE(TemporaryFiles().empty());
}

TEST_F(ViewerTest, OpensACardFileGivenToItWithoutRunningIt) {
  const std::string data = CardData([](TLumigram& card) {
    TBitmap picture;
    picture.SetSize(50, 40, RGB(10, 200, 30));
    card.Info().Picture = OptimisedImageBytes(picture);
  });
  // Not executable, as a card can arrive after a trip through mail.
  const std::string card = WriteCardFile(data, false);
  Start({kViewer, "--first-paint-mark", mark_, card});
  ASSERT_TRUE(WaitForFirstPaint());
  const auto window = WaitForWindow("Lumigram");
  ASSERT_TRUE(window);
  const TBitmap expected = ExpectedComposite(data);
  const TBitmap shown = Grab(*window);
  ASSERT_EQ(shown.Width(), expected.Width());
  EXPECT_EQ(shown.GetPixel(shown.Width() / 2, shown.Height() / 2), RGB(10, 200, 30));

  // Closing the window, as a window manager asks, ends the program.
  TXWindows().Close(*window);
  EXPECT_EQ(viewer_.Wait(20s), 0);
}

TEST_F(ViewerTest, WithoutCardDataShowsUnknownFormatAndEnds) {
  for (const std::string& data : {std::string(), std::string("LG1.0\0\x05\0\0\0abc", 14)}) {
    SCOPED_TRACE(data.size());
    Start({WriteCardFile(data)});
    const auto box = WaitForWindow("Error");
    ASSERT_TRUE(box) << "no error box";
    EXPECT_NE(ReadAll(home_ / "stderr").find("Unknown format"), std::string::npos);
    EXPECT_EQ(KeyUntilExit(XK_Return), 1);
  }
}

TEST_F(ViewerTest, PlaysItsSoundToTheEndAndLeavesNoTemporaryFiles) {
  const std::string data = CardData([](TLumigram& card) {
    TBitmap picture;
    picture.SetSize(40, 40, RGB(0, 0, 0));
    card.Info().Picture = OptimisedImageBytes(picture);
    card.Info().Sound = ShortWave(300);
    card.Info().SoundType = "WAV";
  });
  Start({WriteCardFile(data), "--audio-sink", "fakesink sync=true"});
  ASSERT_TRUE(WaitForWindow("Lumigram"));
  // The sound is written to a temporary file while it plays, and that file
  // goes when it has played to its end.
  bool played = false, ended = false;
  for (auto end = std::chrono::steady_clock::now() + 20s;
       std::chrono::steady_clock::now() < end && !ended; std::this_thread::sleep_for(5ms)) {
    bool written = false, present = false;
    for (const auto& [name, size] : TemporaryFiles())
      if (name.ends_with(".WAV")) {
        present = true;
        written = written || size > 0;
      }
    played = played || written;
    ended = played && !present;
  }
  EXPECT_TRUE(played) << "the sound never started";
  EXPECT_TRUE(ended) << "the sound's file outlived its playing";
  EXPECT_EQ(ReadAll(home_ / "stderr"), "");
  viewer_.Kill();
}

}  // namespace
}  // namespace lumigram::testing
