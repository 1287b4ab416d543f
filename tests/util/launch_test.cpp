#include "util/launch.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "tests/support/scratch_folder.h"
#include "util/files.h"

namespace lumigram {
namespace {

using testing::ScopedEnvironment;
using testing::ScratchFolder;

// Waits up to ten seconds for something a started program does.
bool Eventually(const std::function<bool()>& condition) {
  for (int i = 0; i < 1000 && !condition(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return condition();
}

bool AppearsSoon(const std::string& file) {
  return Eventually([&] { return FileExistsNotFolder(file); });
}

struct ScopedCurrentFolder {
  explicit ScopedCurrentFolder(const std::string& folder) { EXPECT_EQ(::chdir(folder.c_str()), 0); }
  ~ScopedCurrentFolder() { EXPECT_EQ(::chdir(old.c_str()), 0); }
  std::string old = std::filesystem::current_path().string();
};

void MakeProgram(const std::string& path, mode_t mode = 0755) {
  std::string error;
  ASSERT_TRUE(WriteStringToFile(path, "#!/bin/false\n", error));
  ASSERT_EQ(::chmod(path.c_str(), mode), 0);
}

TEST(StartProgram, PassesArgumentsLiterallyWithoutAShell) {
  ScratchFolder folder;
  const std::string odd = "a b; touch pwned $(id) `id` 'q' \"dq\" *";
  ASSERT_TRUE(StartProgram({"touch", folder / "second", folder / odd}));
  EXPECT_TRUE(AppearsSoon(folder / odd));
  EXPECT_TRUE(AppearsSoon(folder / "second"));
  EXPECT_FALSE(FileExistsNotFolder(folder / "pwned"));

  ASSERT_TRUE(StartProgram({"touch", "relative"}, folder.Path()));
  EXPECT_TRUE(AppearsSoon(folder / "relative"));

  EXPECT_FALSE(StartProgram({}));
  EXPECT_FALSE(StartProgram({"lumigram-no-such-program"}));
  EXPECT_FALSE(StartProgram({"touch", "x"}, folder / "no-such-folder"));
  MakeProgram(folder / "not-executable", 0644);
  EXPECT_FALSE(StartProgram({folder / "not-executable"}));
}

TEST(StartProgram, FinishedProgramsDoNotLingerAsZombies) {
  int64_t child = 0;
  ASSERT_TRUE(StartProgram({"true"}, {}, &child));
  // WNOWAIT only looks: once nobody is left to wait for, the child was reaped.
  EXPECT_TRUE(Eventually([&] {
    siginfo_t info{};
    return ::waitid(P_PID, id_t(child), &info, WEXITED | WNOHANG | WNOWAIT) < 0 && errno == ECHILD;
  }));
}

TEST(OpenDocument, HandsFilesAndAddressesToTheOpener) {
  ScratchFolder bin, documents;
  // An "xdg-open" that touches what it is asked to open.
  ASSERT_EQ(::symlink("/usr/bin/touch", (bin / "xdg-open").c_str()), 0);
  ScopedEnvironment path("PATH", bin.Path());
  ASSERT_TRUE(OpenDocument(documents / "my card.txt"));
  EXPECT_TRUE(AppearsSoon(documents / "my card.txt"));
  // No folder to start in must not stop the opener.
  EXPECT_TRUE(OpenDocument("https://example.com/cards/index.html"));
  EXPECT_TRUE(OpenDocument("/no/such/folder/file.txt"));
  EXPECT_FALSE(OpenDocument(""));
  // A name starting with "-" is not an option.
  ScopedCurrentFolder here(documents.Path());
  ASSERT_TRUE(OpenDocument("-r"));
  EXPECT_TRUE(AppearsSoon(documents / "-r"));
}

TEST(VolumeControlProgram, FirstExecutableOnPathInOrder) {
  ScratchFolder first, second;
  MakeProgram(first / "pavucontrol", 0644);  // not executable
  ASSERT_TRUE(ForceFolder(first / "pavucontrol-qt"));
  MakeProgram(second / "mate-volume-control");
  MakeProgram(second / "xfce4-mixer");
  ScopedEnvironment path("PATH", "relative:" + first.Path() + ":" + second.Path());
  EXPECT_EQ(VolumeControlProgram(), std::vector<std::string>{second / "mate-volume-control"});
  MakeProgram(second / "gnome-control-center");
  EXPECT_EQ(VolumeControlProgram(),
            (std::vector<std::string>{second / "gnome-control-center", "sound"}));

  // Neither an empty PATH nor its empty entries mean the current folder.
  ScopedCurrentFolder here(second.Path());
  MakeProgram(second / "pavucontrol");
  for (const char* nothing : {"", "::."}) {
    ScopedEnvironment none("PATH", nothing);
    EXPECT_TRUE(VolumeControlProgram().empty()) << nothing;
  }
}

TEST(FindProgramOnPath, TakesPlainNamesFromAbsoluteFoldersOnly) {
  ScratchFolder first, second;
  MakeProgram(first / "lp", 0644);  // not executable
  MakeProgram(second / "lp");
  ScopedEnvironment path("PATH", "relative:" + first.Path() + ":" + second.Path());
  EXPECT_EQ(FindProgramOnPath("lp"), second / "lp");
  EXPECT_EQ(FindProgramOnPath("lpr"), "");
  EXPECT_EQ(FindProgramOnPath(""), "");
  // A name with a folder is not looked up at all.
  EXPECT_EQ(FindProgramOnPath(second.Path() + "lp"), "");
}

}  // namespace
}  // namespace lumigram
