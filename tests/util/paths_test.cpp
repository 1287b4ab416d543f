#include "util/paths.h"

#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"
#include "util/files.h"

namespace lumigram {
namespace {

using testing::ScopedEnvironment;
using testing::ScratchFolder;

class PathsTest : public ::testing::Test {
 protected:
  ScratchFolder home_;
  ScopedEnvironment homeVariable_{"HOME", home_.Path()};
  ScopedEnvironment data_{"XDG_DATA_HOME", home_ / "data"};
  ScopedEnvironment config_{"XDG_CONFIG_HOME", home_ / "config"};
  TPaths& paths_ = TPaths::Shared();
};

TEST_F(PathsTest, MakerAndSettingsFoldersAreCreatedOnDemand) {
  const std::string maker = home_ / "data/Kelvado Enterprises/";
  EXPECT_EQ(paths_.MakerFolderNoCreate("Pictures"), maker + "Pictures/");
  EXPECT_FALSE(FolderExists(maker));
  EXPECT_EQ(paths_.MakerFolder(""), maker);  // exactly one trailing slash
  EXPECT_EQ(paths_.MakerFolder("Sounds"), maker + "Sounds/");
  EXPECT_TRUE(FolderExists(maker + "Sounds"));
  EXPECT_EQ(paths_.SettingsFolder("Settings"), home_ / "config/Kelvado Enterprises/Settings/");
  EXPECT_TRUE(FolderExists(home_ / "config/Kelvado Enterprises/Settings"));
  EXPECT_EQ(paths_.ClipboardObjectFile("bmp"), maker + "Clipboard/clipboard-object-bmp.bmp");
}

TEST_F(PathsTest, RelativeXdgValuesAreIgnored) {
  ScopedEnvironment relative("XDG_DATA_HOME", "relative/data");
  EXPECT_EQ(paths_.DataHome(), home_ / ".local/share/");
}

TEST_F(PathsTest, UserDirectoriesComeFromTheUserDirsFile) {
  EXPECT_EQ(paths_.DesktopFolder(), home_ / "Desktop/");
  ForceFolder(home_ / "config");
  std::string error;
  WriteStringToFile(home_ / "config/user-dirs.dirs",
                    "# written by xdg-user-dirs-update\n"
                    "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                    "XDG_MUSIC_DIR=\"/srv/music\"\n"
                    "XDG_VIDEOS_DIR=\"relative\"\n",
                    error);
  EXPECT_EQ(paths_.DesktopFolder(), home_ / "Schreibtisch/");
  EXPECT_EQ(paths_.UserDirectory("MUSIC"), "/srv/music/");
  EXPECT_EQ(paths_.UserDirectory("VIDEOS"), home_ / "Videos/");
  EXPECT_EQ(paths_.UserDirectory("NONSENSE"), "");
}

TEST_F(PathsTest, UnwritableHomeGivesEmptyFolders) {
  ScopedEnvironment data("XDG_DATA_HOME", "/proc/no-such-place");
  EXPECT_EQ(paths_.MakerFolder("Pictures"), "");
  EXPECT_EQ(paths_.ClipboardObjectFile("bmp"), "");
}

}  // namespace
}  // namespace lumigram
