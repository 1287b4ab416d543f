#include "storage/temp_sweep.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <ctime>

#include "tests/support/scratch_folder.h"
#include "util/files.h"

namespace lumigram {
namespace {

using testing::ScopedEnvironment;

constexpr int kMinute = 60;

class TempSweepTest : public ::testing::Test {
 protected:
  // A file last written ageSeconds ago (negative: in the future).
  void MakeFile(const std::string& name, int ageSeconds, mode_t mode = 0644) {
    std::string error;
    ASSERT_TRUE(ForceFolder(temp_) && WriteStringToFile(temp_ + name, "zmp", error));
    const timespec times[2] = {{std::time(nullptr) - ageSeconds, 0},
                               {std::time(nullptr) - ageSeconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (temp_ + name).c_str(), times, 0), 0);
    ASSERT_EQ(::chmod((temp_ + name).c_str(), mode), 0);
  }
  bool Exists(const std::string& name) { return FileExistsNotFolder(temp_ + name); }
  size_t Count(const std::string& pattern) { return FindFileList(temp_ + pattern, false).size(); }

  testing::ScratchFolder home_;
  ScopedEnvironment homeVariable_{"HOME", home_.Path()};
  ScopedEnvironment config_{"XDG_CONFIG_HOME", home_ / "config"};
  const std::string temp_ = home_ / "config/Kelvado Enterprises/TEMP/";
};

TEST_F(TempSweepTest, OnlyStaleZmpFilesGoEitherWayInTime) {
  const struct {
    const char* Name;
    int Age;
    bool Kept;
  } files[] = {{"now.ZMP", 0, true},
               {"five.ZMP", 5 * kMinute, true},
               {"eight.ZMP", 8 * kMinute, true},
               {"soon.ZMP", -5 * kMinute, true},
               {"nine.ZMP", 9 * kMinute, false},
               {"ten.zmp", 10 * kMinute, false},
               {"future.Zmp", -10 * kMinute, false},
               // Other names are never touched, however old.
               {"old.tmp", 60 * kMinute, true},
               {"old.ZMP.bak", 60 * kMinute, true},
               {"oldZMP", 60 * kMinute, true}};
  for (const auto& file : files) MakeFile(file.Name, file.Age);
  MakeFile("readonly.ZMP", 60 * kMinute, 0444);
  ASSERT_TRUE(ForceFolder(temp_ + "folder.ZMP"));

  EXPECT_EQ(TZFile().SweepTempFiles(), 4);
  for (const auto& file : files) EXPECT_EQ(Exists(file.Name), file.Kept) << file.Name;
  EXPECT_FALSE(Exists("readonly.ZMP"));
  EXPECT_TRUE(FolderExists(temp_ + "folder.ZMP"));
}

TEST_F(TempSweepTest, ExitDeletesEightOfTenStaleFiles) {
  for (int i = 0; i < 10; ++i) MakeFile("stale" + std::to_string(i) + ".ZMP", 20 * kMinute);
  MakeFile("fresh.ZMP", kMinute);
  EXPECT_EQ(TZFile::Shared().SweepTempFiles(), 4);
  TZFile::FreeShared();  // sweeps again
  EXPECT_EQ(Count("stale*.ZMP"), 2u);

  for (int i = 0; i < 10; ++i) MakeFile("again" + std::to_string(i) + ".ZMP", 20 * kMinute);
  CleanUpTempFilesAtExit();
  EXPECT_EQ(Count("*.ZMP"), 5u);  // 2 + 2 + the fresh one
  EXPECT_TRUE(Exists("fresh.ZMP"));
}

TEST_F(TempSweepTest, MissingFolderIsNotCreated) {
  CleanUpTempFilesAtExit();
  EXPECT_FALSE(FolderExists(temp_));
}

}  // namespace
}  // namespace lumigram
