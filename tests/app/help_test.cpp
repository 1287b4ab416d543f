// The help pages: unpacked on first use, opened with the desktop's opener,
// removed when the help goes.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/embedded_archives.h"
#include "app/help_viewer.h"
#include "tests/app/app_fixtures.h"
#include "util/error_texts.h"
#include "util/files.h"

namespace lumigram::testing {
namespace {

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetHome(); }

  std::unique_ptr<THelp> MakeHelp(std::string_view carrier, std::string_view title = "Test Help") {
    return std::make_unique<THelp>(title, carrier, [this](const std::string& file) {
      opened_.push_back(file);
      return true;
    });
  }

  const std::string archive_ = MakeArchive(
      {{"index.html", "<html>index</html>"}, {"page2.html", "two"}, {"pic.gif", "GIF89a"}},
      "root\\help\\blc\\");
  std::vector<std::string> opened_;
};

TEST_F(HelpTest, NameReplacesCharactersFolderNamesCannotHold) {
  EXPECT_EQ(MakeHelp(archive_, "Brimble Lumigram Creator")->HelpName(), "Brimble_Lumigram_Creator");
  EXPECT_EQ(MakeHelp(archive_, "a*b?c/d\\e")->HelpName(), "a_b_c_d_e");
  EXPECT_FALSE(MakeHelp(archive_, "")->HelpName().empty());
}

TEST_F(HelpTest, FirstShowUnpacksFlatAndOpensThePageEveryTime) {
  auto help = MakeHelp(archive_);
  ASSERT_TRUE(help->ShowHelpPage("index.html")) << help->LastError();
  ASSERT_TRUE(help->ShowHelpPage("index.html")) << help->LastError();
  const std::string page = help->HelpFile("index.html");
  EXPECT_EQ(opened_, (std::vector<std::string>{page, page}));
  EXPECT_EQ(FileBytes(page), "<html>index</html>");
  EXPECT_EQ(FileBytes(help->HelpFile("pic.gif")), "GIF89a");
}

TEST_F(HelpTest, MissingPageIsNotFound) {
  auto help = MakeHelp(archive_);
  EXPECT_FALSE(help->ShowHelpPage("absent.html"));
  EXPECT_EQ(help->LastError(), err::kFileNotFound);
  EXPECT_TRUE(opened_.empty());
}

TEST_F(HelpTest, DeletedFirstPageIsRestored) {
  auto help = MakeHelp(archive_);
  ASSERT_TRUE(help->ShowHelpPage("index.html"));
  ASSERT_TRUE(DeleteFileIfExists(help->HelpFile("index.html")));
  ASSERT_TRUE(DeleteFileIfExists(help->HelpFile("page2.html")));
  ASSERT_TRUE(help->ShowHelpPage("index.html")) << help->LastError();
  EXPECT_TRUE(FileExistsNotFolder(help->HelpFile("page2.html")));
}

TEST_F(HelpTest, FileInPlaceOfTheFolderIsReplaced) {
  auto help = MakeHelp(archive_);
  const std::string folder = help->HelpFolder();
  std::string error;
  ASSERT_TRUE(WriteStringToFile(folder.substr(0, folder.size() - 1), "in the way", error));
  ASSERT_TRUE(help->ShowHelpPage("index.html")) << help->LastError();
  EXPECT_TRUE(FolderExists(folder));
}

TEST_F(HelpTest, UnreadableArchiveFailsWhenHelpIsAskedFor) {
  auto help = MakeHelp(std::string(500, 'z'));
  EXPECT_FALSE(help->ShowHelpPage("index.html"));
  EXPECT_FALSE(help->LastError().empty());
  EXPECT_TRUE(opened_.empty());
}

TEST_F(HelpTest, PagesGoWithTheHelpButFilesOfTheUserStay) {
  std::string folder;
  {
    auto help = MakeHelp(archive_);
    ASSERT_TRUE(help->ShowHelpPage("index.html"));
    folder = help->HelpFolder();
  }
  EXPECT_FALSE(FolderExists(folder));

  std::string error;
  {
    auto help = MakeHelp(archive_);
    ASSERT_TRUE(help->ShowHelpPage("index.html"));
    ASSERT_TRUE(WriteStringToFile(folder + "mine.txt", "keep", error));
  }
  EXPECT_EQ(FileBytes(folder + "mine.txt"), "keep");
  EXPECT_FALSE(FileExistsNotFolder(folder + "index.html"));
}

TEST_F(HelpTest, BuiltHelpHasTheFirstPage) {
  auto help = MakeHelp(EmbeddedArchives().Help);
  ASSERT_TRUE(help->ShowHelpPage("index.html")) << help->LastError();
  EXPECT_NE(FileBytes(opened_.at(0)).find("<title>"), std::string::npos);
}

}  // namespace
}  // namespace lumigram::testing
