#include "storage/settings_file.h"

#include <gtest/gtest.h>

#include "storage/ini_file.h"
#include "tests/support/scratch_folder.h"
#include "util/files.h"

namespace lumigram {
namespace {

using testing::ScopedEnvironment;

class SettingsFileTest : public ::testing::Test {
 protected:
  void WriteFile(const std::string& text) {
    std::string error;
    ASSERT_TRUE(WriteStringToFile(SettingsFileName(), text, error));
  }
  std::string FileText() {
    std::string text, error;
    ReadFileToString(SettingsFileName(), text, error);
    return text;
  }

  testing::ScratchFolder home_;
  ScopedEnvironment homeVariable_{"HOME", home_.Path()};
  ScopedEnvironment config_{"XDG_CONFIG_HOME", home_ / "config"};
};

TEST_F(SettingsFileTest, FirstStartThenWrittenSettings) {
  EXPECT_EQ(SettingsFileName(),
            home_ / "config/Kelvado Enterprises/Settings/Brimble Lumigram Creator.INI");
  EXPECT_TRUE(ReadSettings().SupportFilesNeeded);
  EXPECT_FALSE(ReadSettings().OnTop);

  ASSERT_TRUE(WriteSettings(false));
  EXPECT_EQ(FileText(),
            "[Settings]\r\nOnTop=0\r\n\r\n[Version]\r\nVersion=2.00.2181\r\n"
            "SupportFiles=1.00.2123\r\n");
  EXPECT_FALSE(ReadSettings().SupportFilesNeeded);
  EXPECT_FALSE(ReadSettings().OnTop);
  ASSERT_TRUE(WriteSettings(true));
  EXPECT_TRUE(ReadSettings().OnTop);
}

TEST_F(SettingsFileTest, OnlyTheExactValuesCount) {
  for (const char* value : {"yes", "true", "01", "-1", "", "1 ; on top"}) {
    WriteFile("[Settings]\r\nOnTop=" + std::string(value) + "\r\n");
    EXPECT_FALSE(ReadSettings().OnTop) << value;
  }
  for (const char* value : {"1.00.2122", "2.00.2181", "1.00.2123x", ""}) {
    WriteFile("[Version]\r\nSupportFiles=" + std::string(value) + "\r\n");
    EXPECT_TRUE(ReadSettings().SupportFilesNeeded) << value;
  }
  WriteFile("[settings]\nontop = 1 \n[VERSION]\nVersion=0.1\nsupportfiles=1.00.2123\n");
  EXPECT_TRUE(ReadSettings().OnTop);
  EXPECT_FALSE(ReadSettings().SupportFilesNeeded);  // the version is never compared
}

TEST_F(SettingsFileTest, WritingKeepsWhatTheUserAdded) {
  WriteFile("; my notes\n[Settings]\nOnTop=yes\nLeft=10\n[Plugins]\n# keep\nSpell=on\n");
  ASSERT_TRUE(WriteSettings(true));
  EXPECT_EQ(FileText(),
            "; my notes\n[Settings]\nOnTop=1\nLeft=10\n[Plugins]\n# keep\nSpell=on\n\n"
            "[Version]\nVersion=2.00.2181\nSupportFiles=1.00.2123\n");
}

TEST_F(SettingsFileTest, UnusableFilesAndFoldersAreSilent) {
  // Too large to be ours: counts as a first start and is never replaced.
  const std::string huge =
      "[Version]\nSupportFiles=1.00.2123\n" + std::string(TIniFile::kMaxFileBytes, '#');
  WriteFile(huge);
  EXPECT_TRUE(ReadSettings().SupportFilesNeeded);
  EXPECT_FALSE(WriteSettings(true));
  EXPECT_EQ(FileText(), huge);

  ScopedEnvironment nowhere("XDG_CONFIG_HOME", "/proc/no-such-place");
  EXPECT_TRUE(ReadSettings().SupportFilesNeeded);
  EXPECT_FALSE(WriteSettings(false));
}

}  // namespace
}  // namespace lumigram
