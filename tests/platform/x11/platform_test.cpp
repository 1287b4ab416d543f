// GoogleTest before Xlib, whose macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "imaging/bmp/bmp_file.h"
#include "platform/x11/x11_card_platform.h"
#include "platform/x11/x11_card_window.h"
#include "tests/platform/x11/x11_fixture.h"
#include "tests/support/scratch_folder.h"
#include "util/files.h"

namespace lumigram {
namespace {

using testing::ScopedEnvironment;
using testing::ScratchFolder;

class TSilentSound final : public TSoundDevice {
 public:
  void SetEvents(TSoundDeviceEvents*) override {}
  bool Open(const std::string&, std::string&) override { return true; }
  bool Start(std::string&) override { return true; }
  bool Close(std::string&) override { return true; }
};

// An "lp" that keeps its arguments and a copy of the file it was given.
void MakeFakeSpooler(const ScratchFolder& folder) {
  std::string error;
  ASSERT_TRUE(WriteStringToFile(folder / "lp",
                                "#!/bin/sh\n"
                                "printf '%s\\n' \"$@\" > '" +
                                    folder / "args.tmp" +
                                    "'\n"
                                    "/bin/cp \"$3\" '" +
                                    folder / "printed.bmp" +
                                    "'\n"
                                    "/bin/mv '" +
                                    folder / "args.tmp" + "' '" + folder / "args" + "'\n",
                                error, true))
      << error;
}

bool AppearsSoon(const std::string& file) {
  for (int i = 0; i < 1000 && !FileExistsNotFolder(file); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return FileExistsNotFolder(file);
}

TEST(X11DesktopTest, PrintsThroughLpWithABitmapFile) {
  ScratchFolder folder;
  ASSERT_EQ(::mkdir((folder / "run").c_str(), 0700), 0);
  ScopedEnvironment runtime("XDG_RUNTIME_DIR", folder / "run");
  ScopedEnvironment path("PATH", folder.Path());
  MakeFakeSpooler(folder);
  TX11App app;  // printing needs no display
  TX11Desktop desktop(app);
  ASSERT_TRUE(desktop.CanPrint());

  TBitmap image;
  ASSERT_TRUE(image.SetSize(3, 2, RGB(10, 20, 30)));
  image.SetPixel(2, 1, RGB(200, 100, 0));
  std::string error;
  ASSERT_TRUE(desktop.Print(image, "Birthday card", error)) << error;
  ASSERT_TRUE(AppearsSoon(folder / "args"));
  std::string arguments;
  ASSERT_TRUE(ReadFileToString(folder / "args", arguments, error));
  const std::string prefix = "-t\nBirthday card\n" + folder.Path() + "run/lumigram/";
  EXPECT_EQ(arguments.substr(0, prefix.size()), prefix);
  EXPECT_EQ(arguments.substr(arguments.size() - 5), ".bmp\n");
  TBitmap printed;
  int bits = 0;
  ASSERT_TRUE(LoadBmpFile(folder / "printed.bmp", printed, bits, error)) << error;
  EXPECT_EQ(printed, image);

  EXPECT_FALSE(desktop.Print(TBitmap(), "Empty", error));
  EXPECT_EQ(error, "Unknown format");
}

TEST(X11DesktopTest, NoSpoolerNoPrinting) {
  ScratchFolder folder;
  ScopedEnvironment path("PATH", folder.Path());
  TX11App app;
  TX11Desktop desktop(app);
  EXPECT_FALSE(desktop.CanPrint());
  TBitmap image;
  ASSERT_TRUE(image.SetSize(1, 1));
  std::string error;
  EXPECT_FALSE(desktop.Print(image, "Card", error));
  EXPECT_EQ(error, "File not found");
}

using X11CardPlatformTest = testing::X11Test;

TEST_F(X11CardPlatformTest, MakesStandaloneWindowsThatOwnTheBoxes) {
  int made = 0;
  TX11CardPlatform platform(app_, [&] {
    ++made;
    return std::make_unique<TSilentSound>();
  });
  EXPECT_EQ(platform.CreateCardWindow(TCardWindowKind::Embedded), nullptr);
  std::unique_ptr<TCardWindow> window = platform.CreateCardWindow(TCardWindowKind::Standalone);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(app_.MainWindow(), static_cast<TX11CardWindow*>(window.get())->XWindow());
  window.reset();
  EXPECT_EQ(app_.MainWindow(), 0u);

  EXPECT_NE(platform.CreateSoundDevice(), nullptr);
  EXPECT_EQ(made, 1);
  EXPECT_EQ(TX11CardPlatform(app_, nullptr).CreateSoundDevice(), nullptr);
  EXPECT_NE(platform.CreatePopup(), nullptr);

  const std::string program = platform.ProgramFile();
  EXPECT_EQ(program.substr(program.rfind('/') + 1), "platform_x11_tests");

  bool ran = false;
  EXPECT_TRUE(platform.Dispatcher().PostToGuiThread([&] { ran = true; }));
  platform.Desktop().ProcessPendingEvents();
  EXPECT_TRUE(ran);
  platform.Quit();
  EXPECT_TRUE(app_.Terminated());
}

}  // namespace
}  // namespace lumigram
