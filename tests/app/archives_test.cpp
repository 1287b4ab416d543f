// The archives the program carries: what the build packed, and how the core
// and support archives are read.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/builtin_archives.h"
#include "app/embedded_archives.h"
#include "imaging/bmp/bmp_file.h"
#include "tests/app/app_fixtures.h"
#include "util/error_texts.h"
#include "util/files.h"

namespace lumigram::testing {
namespace {

std::string SmallBmp() {
  TBitmap bitmap;
  bitmap.SetSize(7, 5, RGB(10, 200, 30));
  return WriteBmpFile(bitmap);
}

TEST(BuiltArchives, CoreCarriesTheBuiltViewerAndADecodableSplash) {
  TCoreArchiveContent content;
  std::string error;
  ASSERT_TRUE(LoadCoreArchive(EmbeddedArchives().Core, content, error)) << error;
  ASSERT_TRUE(content.HasViewer);
  const std::string viewer = FileBytes(LUMIGRAM_VIEWER);
  ASSERT_FALSE(viewer.empty());
  EXPECT_TRUE(content.ViewerImage == viewer) << "the packed viewer is not the one just built";
  ASSERT_TRUE(content.HasSplash);
  EXPECT_EQ(content.Splash.Width(), 334);
  EXPECT_EQ(content.Splash.Height(), 220);
}

TEST(BuiltArchives, ArchivesRideInBitmapCarriers) {
  for (std::string_view archive :
       {EmbeddedArchives().Core, EmbeddedArchives().Help, EmbeddedArchives().Support}) {
    ASSERT_GT(archive.size(), 154u);
    EXPECT_EQ(archive.substr(0, 2), "BM");
    TZipBox box;
    std::string error;
    EXPECT_TRUE(LoadBoxFromCarrier(archive, box, error)) << error;
    EXPECT_GT(box.Count(), 0);
  }
}

TEST(CoreArchive, BitmapSplashIsAcceptedAndUnknownItemsSkipped) {
  const std::string archive = MakeArchive({{"readme.txt", "hello"}, {"a.bmp", SmallBmp()}});
  TCoreArchiveContent content;
  std::string error;
  ASSERT_TRUE(LoadCoreArchive(archive, content, error)) << error;
  EXPECT_TRUE(content.HasSplash);
  EXPECT_EQ(content.Splash.Width(), 7);
  EXPECT_EQ(content.Splash.GetPixel(3, 2), RGB(10, 200, 30));
  EXPECT_FALSE(content.HasViewer);
}

TEST(CoreArchive, UnreadableArchiveSucceedsWithNothing) {
  TCoreArchiveContent content;
  std::string error;
  EXPECT_TRUE(LoadCoreArchive(std::string(400, 'x'), content, error));
  EXPECT_TRUE(LoadCoreArchive({}, content, error));
  EXPECT_FALSE(content.HasSplash);
  EXPECT_FALSE(content.HasViewer);
}

TEST(CoreArchive, UndecodableSplashFailsWithTheDecodersText) {
  const std::string archive = MakeArchive({{"A.jpg", "not a picture at all"}, {"a.exe", "V"}});
  TCoreArchiveContent content;
  std::string error;
  EXPECT_FALSE(LoadCoreArchive(archive, content, error));
  EXPECT_EQ(error, err::kUnknownFormat);
}

TEST(SupportArchive, ExtensionsChooseTheLibraryFolder) {
  EXPECT_EQ(SupportSubfolder("mixed1.jpg"), "Pictures");
  EXPECT_EQ(SupportSubfolder("X.OMI"), "Pictures");
  EXPECT_EQ(SupportSubfolder("hand.ani"), "Cursors");
  EXPECT_EQ(SupportSubfolder("tune.Mid"), "Sounds");
  EXPECT_EQ(SupportSubfolder("gold.frs"), "Frames");
  EXPECT_EQ(SupportSubfolder("hello.msg"), "Messages");
  EXPECT_EQ(SupportSubfolder("notes.tar.txt"), "Documents");
  EXPECT_EQ(SupportSubfolder("data.xyz"), "");
  EXPECT_EQ(SupportSubfolder("README"), "");
  EXPECT_EQ(SupportSubfolder("trailing."), "");
}

TEST(SupportArchive, ExtractsLowerCaseIntoFoldersAndNeverOverwrites) {
  ResetHome();
  const std::string maker = MakerFolder();
  ASSERT_TRUE(ForceFolder(maker + "Pictures/"));
  std::string error;
  ASSERT_TRUE(WriteStringToFile(maker + "Pictures/mixed1.jpg", "edited by the user", error));
  const std::string archive = MakeArchive(
      {{"MIXED1.jpg", "packed"}, {"Tune.MID", "midi"}, {"other.xyz", "x"}, {"Notes.txt", "n"}},
      "sup\\");

  for (int run = 0; run < 2; ++run) {
    ASSERT_TRUE(ExtractSupportFiles(archive, maker, error)) << error;
    EXPECT_EQ(FileBytes(maker + "Pictures/mixed1.jpg"), "edited by the user");
    EXPECT_EQ(FileBytes(maker + "Sounds/tune.mid"), "midi");
    EXPECT_EQ(FileBytes(maker + "other.xyz"), "x");
    EXPECT_EQ(FileBytes(maker + "Documents/notes.txt"), "n");
  }
  EXPECT_FALSE(FileExistsNotFolder(maker + "Pictures/MIXED1.jpg"));
}

TEST(SupportArchive, AnItemNamingAnotherFolderFailsAndTheRestIsExtracted) {
  ResetHome();
  const std::string maker = MakerFolder();
  const std::string archive =
      MakeArchive({{"../escape.txt", "bad"}, {"good.msg", "fine"}}, "sup\\");
  std::string error;
  EXPECT_FALSE(ExtractSupportFiles(archive, maker, error));
  EXPECT_EQ(error, err::kAccessDenied);
  EXPECT_EQ(FileBytes(maker + "Messages/good.msg"), "fine");
  EXPECT_FALSE(FileExistsNotFolder(maker + "../escape.txt"));
  EXPECT_FALSE(FileExistsNotFolder(maker + "escape.txt"));
}

TEST(SupportArchive, UnreadableArchiveFailsWithTheBoxError) {
  std::string error;
  EXPECT_FALSE(ExtractSupportFiles(std::string(300, '\0'), MakerFolder(), error));
  EXPECT_FALSE(error.empty());
}

TEST(SupportArchive, BuiltArchiveFillsTheLibrary) {
  ResetHome();
  std::string error;
  ASSERT_TRUE(ExtractSupportFiles(EmbeddedArchives().Support, MakerFolder(), error)) << error;
  EXPECT_TRUE(FileExistsNotFolder(MakerFolder() + "Messages/birthday.msg"));
  EXPECT_TRUE(FileExistsNotFolder(MakerFolder() + "Pictures/meadow.jpg"));
}

}  // namespace
}  // namespace lumigram::testing
