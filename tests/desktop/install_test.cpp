// `cmake --install` into a staging folder, as a package build does it.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"
#include "util/files.h"

namespace lumigram::testing {
namespace {

TEST(Install, StagingFolderHoldsTheProgramsAndTheDesktopFiles) {
  ScratchFolder stage;
  ScopedEnvironment destdir("DESTDIR", stage.Path());
  const TProgramRun run = RunProgram({LUMIGRAM_CMAKE, "--install", LUMIGRAM_BINARY_DIR, "--prefix",
                                      "/usr", "--component", "lumigram"});
  ASSERT_EQ(run.Status, 0) << run.Out << run.Err;

  const std::string usr = stage / "usr/";
  for (const char* program :
       {"lumigram-creator", "lumigram-viewer", "lumigram", "lumigram-language"}) {
    SCOPED_TRACE(program);
    const std::string path = usr + "bin/" + program;
    ASSERT_TRUE(FileExistsNotFolder(path));
    EXPECT_EQ(::access(path.c_str(), X_OK), 0);
  }
  for (const char* file :
       {"share/applications/lumigram-creator.desktop", "share/applications/lumigram-viewer.desktop",
        "share/mime/packages/lumigram-card.xml",
        "share/metainfo/com.kelvado.LumigramCreator.metainfo.xml",
        "share/icons/hicolor/scalable/apps/lumigram-creator.svg",
        "share/icons/hicolor/48x48/apps/lumigram-creator.png",
        "share/icons/hicolor/128x128/apps/lumigram-creator.png",
        "share/icons/hicolor/256x256/apps/lumigram-creator.png"})
    EXPECT_TRUE(FileExistsNotFolder(usr + file)) << file;

  // Nothing lands outside the prefix.
  size_t outside = 0;
  for (const auto& item : std::filesystem::directory_iterator(stage.Path()))
    outside += item.path().filename() != "usr";
  EXPECT_EQ(outside, 0u);

  // The installed language tool works from there.
  ScratchFolder home;
  ScopedEnvironment config("XDG_CONFIG_HOME", home.Path());
  const TProgramRun list = RunProgram({usr + "bin/lumigram-language", "--list"});
  EXPECT_EQ(list.Status, 0) << list.Err;
  EXPECT_NE(list.Out.find("german\tDeutsch"), std::string::npos);
}

}  // namespace
}  // namespace lumigram::testing
