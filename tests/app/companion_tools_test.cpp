// The Tools menu's programs: installed beside the creator, they reach the
// library's tools folder at start-up, and only a changed tool is copied again.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "app/companion_tools.h"
#include "tests/app/app_fixtures.h"
#include "util/files.h"

namespace lumigram::testing {
namespace {

const TCompanionTool& LanguageTool() {
  return kCompanionTools.back();
}

void Age(const std::string& path, int seconds) {
  const auto when = std::filesystem::last_write_time(path) - std::chrono::seconds(seconds);
  std::filesystem::last_write_time(path, when);
}

TEST(CompanionTools, ToolBesideTheProgramIsCopiedAtStartUpAndRefreshedWhenItChanges) {
  ResetHome();
  const std::string bin = MakerFolder() + "installed/";
  const std::string tool = bin + LanguageTool().Program;
  std::string error;
  ASSERT_TRUE(ForceFolder(bin));
  ASSERT_TRUE(WriteStringToFile(bin + "lumigram-creator", "creator", error, true));
  ASSERT_TRUE(WriteStringToFile(tool, "tool, first build", error, true));
  Age(tool, 100);
  ASSERT_FALSE(CompanionToolPresent(LanguageTool()));

  TStartOptions options;
  options.ProgramFile = bin + "lumigram-creator";
  { TFormOnDouble form(options); }
  EXPECT_TRUE(CompanionToolPresent(LanguageTool()));
  EXPECT_EQ(FileBytes(CompanionToolFile(LanguageTool())), "tool, first build");
  // The other tools are not installed, so their items stay disabled.
  EXPECT_FALSE(CompanionToolPresent(kCompanionTools.front()));

  // The same build is left alone (a changed copy of the same size and time
  // shows that nothing was copied) ...
  const std::string copy = CompanionToolFile(LanguageTool());
  ASSERT_TRUE(WriteStringToFile(copy, "tool, first build", error, true));
  std::filesystem::last_write_time(copy, std::filesystem::last_write_time(tool));
  ASSERT_TRUE(WriteStringToFile(tool, "tool, FIRST build", error, true));
  std::filesystem::last_write_time(tool, std::filesystem::last_write_time(copy));
  CopyCompanionToolsToLibrary(options.ProgramFile);
  EXPECT_EQ(FileBytes(copy), "tool, first build");

  // ... a new build replaces the copy, which can still be run.
  ASSERT_TRUE(WriteStringToFile(tool, "tool, second build", error, true));
  CopyCompanionToolsToLibrary(options.ProgramFile);
  EXPECT_EQ(FileBytes(copy), "tool, second build");
  EXPECT_TRUE(CompanionToolPresent(LanguageTool()));
}

TEST(CompanionTools, NothingBesideTheProgramCopiesNothing) {
  ResetHome();
  CopyCompanionToolsToLibrary(MakerFolder() + "elsewhere/lumigram-creator");
  CopyCompanionToolsToLibrary("");
  for (const TCompanionTool& tool : kCompanionTools) EXPECT_FALSE(CompanionToolPresent(tool));
}

}  // namespace
}  // namespace lumigram::testing
