// The real program on a private X server: it starts, shows its main window
// with the card's caption, and ends cleanly when the window is closed.

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "editor/command_codes.h"
#include "tests/app/app_fixtures.h"
#include "tests/support/child_process.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/x_windows.h"
#include "tests/support/xvfb.h"
#include "util/files.h"

namespace lumigram::testing {
namespace {

using namespace std::chrono_literals;

class StartUpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!StartPrivateDisplay()) GTEST_SKIP() << "no Xvfb";
    windows_ = std::make_unique<TXWindows>();
    ASSERT_TRUE(windows_->Connected());
  }

  // Starts the creator in a home of its own and waits for the window.
  unsigned long Start(const std::vector<std::string>& arguments, const std::string& title) {
    std::vector<std::string> argv{LUMIGRAM_CREATOR};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    const std::map<std::string, std::string> environment{{"HOME", home_.Path()},
                                                         {"XDG_CONFIG_HOME", home_ / "config"},
                                                         {"XDG_DATA_HOME", home_ / "data"},
                                                         {"QT_QPA_PLATFORM", "xcb"}};
    if (!creator_.Start(argv, environment, home_ / "stderr")) return 0;
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (std::chrono::steady_clock::now() < deadline) {
      if (const unsigned long window = windows_->Find(title)) return window;
      std::this_thread::sleep_for(50ms);
    }
    return 0;
  }

  std::string Errors() { return FileBytes(home_ / "stderr"); }

  std::unique_ptr<TXWindows> windows_;
  ScratchFolder home_;
  TChildProcess creator_;
};

TEST_F(StartUpTest, ShowsTheMainWindowAndEndsCleanlyWhenClosed) {
  const unsigned long window = Start({}, "Untitled.exe - Brimble Lumigram Creator");
  ASSERT_NE(window, 0u) << Errors();
  windows_->Close(window);
  EXPECT_EQ(creator_.Wait(20s), 0) << Errors();
  EXPECT_TRUE(FileExistsNotFolder(
      home_ / "config/Kelvado Enterprises/Settings/Brimble Lumigram Creator.INI"));
  EXPECT_TRUE(
      FileExistsNotFolder(home_ / "data/Kelvado Enterprises/Quillon/Brimble Lumigram Creator"));
}

TEST_F(StartUpTest, OpensTheCardNamedOnTheCommandLine) {
  const std::string card = home_ / "greeting.exe";
  {
    TFormOnDouble maker;
    ASSERT_TRUE(maker->RunCommand(kSaveCardToFile, card));
  }
  const unsigned long window = Start({card}, "greeting.exe - Brimble Lumigram Creator");
  ASSERT_NE(window, 0u) << Errors();
  windows_->Close(window);
  EXPECT_EQ(creator_.Wait(20s), 0) << Errors();
}

}  // namespace
}  // namespace lumigram::testing
