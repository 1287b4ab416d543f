// The operating-system seam, through what each system must get right the
// same way: the callers above it rely on these answers, not on the system.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/scratch_folder.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/os/environment.h"
#include "util/os/file.h"
#include "util/os/file_system.h"
#include "util/os/process.h"

namespace lumigram {
namespace {

using testing::ScopedEnvironment;
using testing::ScratchFolder;

void MakeFile(const std::string& path, const std::string& bytes = "x") {
  std::string error;
  ASSERT_TRUE(WriteStringToFile(path, bytes, error)) << error;
}

TEST(OsProcess, KnowsTheRunningProgram) {
  const std::string self = os::OwnProgramPath();
  ASSERT_FALSE(self.empty());
  EXPECT_EQ(self[0], '/');
  EXPECT_EQ(std::filesystem::path(self).filename(), "util_tests");
  EXPECT_EQ(os::StatusOf(self).Kind, os::TFileKind::File);
  EXPECT_TRUE(os::MayExecute(self));
  EXPECT_GT(os::OwnProcessId(), 0);
}

TEST(OsProcess, FindsOnlyExecutableFilesInAbsoluteFolders) {
  ScratchFolder bin, other;
  MakeFile(bin / "tool");
  ASSERT_TRUE(os::SetPermissions(bin / "tool", 0755));
  MakeFile(bin / "data");
  ASSERT_TRUE(os::CreateFolder(bin / "folder"));
  ScopedEnvironment path("PATH", "relative:" + other.Path() + ":" + bin.Path());
  EXPECT_EQ(os::FindExecutableOnPath("tool"), bin / "tool");
  EXPECT_EQ(os::FindExecutableOnPath("data"), "");
  EXPECT_EQ(os::FindExecutableOnPath("folder"), "");
}

TEST(OsEnvironment, LookupAndHomeFolder) {
  {
    ScopedEnvironment value("LUMIGRAM_OS_TEST", "a b=c");
    EXPECT_EQ(os::Environment("LUMIGRAM_OS_TEST"), "a b=c");
  }
  EXPECT_EQ(os::Environment("LUMIGRAM_OS_TEST"), "");

  ScratchFolder home;
  {
    ScopedEnvironment variable("HOME", home.Path());
    EXPECT_EQ(os::HomeFolder(), home.Path());
  }
  // Without HOME the system's record of the user still names a folder.
  ScopedEnvironment empty("HOME", "");
  EXPECT_FALSE(os::HomeFolder().empty());
}

TEST(OsFiles, StatusTellsKindsSizesAndLinks) {
  ScratchFolder folder;
  MakeFile(folder / "file", "12345");
  std::filesystem::create_symlink(folder / "file", folder / "link");

  EXPECT_EQ(os::StatusOf(folder / "missing").Kind, os::TFileKind::Missing);
  EXPECT_EQ(os::StatusOf(folder.Path()).Kind, os::TFileKind::Folder);
  const os::TFileStatus file = os::StatusOf(folder / "file");
  EXPECT_EQ(file.Kind, os::TFileKind::File);
  EXPECT_EQ(file.Size, 5);
  EXPECT_TRUE(file.Ours);
  EXPECT_EQ(os::StatusOf(folder / "link").Kind, os::TFileKind::File);
  EXPECT_EQ(os::LinkStatusOf(folder / "link").Kind, os::TFileKind::Link);
  EXPECT_EQ(os::StatusOf("/dev/null").Kind, os::TFileKind::Other);

  ASSERT_TRUE(os::SetPermissions(folder / "file", 0640));
  EXPECT_EQ(os::StatusOf(folder / "file").Permissions, 0640u);
}

TEST(OsFiles, FileTimesRoundTripToTheNanosecond) {
  ScratchFolder folder;
  MakeFile(folder / "file");
  const os::TFileTime accessed{1'000'000'000, 123'456'789}, modified{1'500'000'000, 987'654'321};
  ASSERT_TRUE(os::SetFileTimes(folder / "file", accessed, modified));
  const os::TFileStatus status = os::StatusOf(folder / "file");
  EXPECT_EQ(status.Accessed.Seconds, accessed.Seconds);
  EXPECT_EQ(status.Accessed.Nanoseconds, accessed.Nanoseconds);
  EXPECT_EQ(status.Modified.Seconds, modified.Seconds);
  EXPECT_EQ(status.Modified.Nanoseconds, modified.Nanoseconds);
  EXPECT_FALSE(os::SetFileTimes(folder / "missing", accessed, modified));
}

TEST(OsFiles, RenameReplacesOrReportsFileInUse) {
  ScratchFolder folder;
  MakeFile(folder / "new", "new");
  MakeFile(folder / "old", "old");
  std::string error, data;
  ASSERT_TRUE(os::RenameFile(folder / "new", folder / "old", error));
  ASSERT_TRUE(ReadFileToString(folder / "old", data, error));
  EXPECT_EQ(data, "new");
  EXPECT_EQ(os::StatusOf(folder / "new").Kind, os::TFileKind::Missing);

  error.clear();
  EXPECT_FALSE(os::RenameFile(folder / "missing", folder / "old", error));
  EXPECT_EQ(error, err::kFileInUse);
  ASSERT_TRUE(ReadFileToString(folder / "old", data, error));
  EXPECT_EQ(data, "new");

  // A file never replaces a folder that holds something.
  ASSERT_TRUE(os::CreateFolder(folder / "full"));
  MakeFile(folder / "full/inside");
  error.clear();
  EXPECT_FALSE(os::RenameFile(folder / "old", folder / "full", error));
  EXPECT_EQ(error, err::kFileInUse);
  EXPECT_EQ(os::StatusOf(folder / "old").Kind, os::TFileKind::File);
}

TEST(OsFiles, FoldersAreCreatedListedAndMatched) {
  ScratchFolder folder;
  ASSERT_TRUE(os::CreateFolder(folder / "open"));
  ASSERT_TRUE(os::CreateFolder(folder / "private", true));
  EXPECT_FALSE(os::CreateFolder(folder / "open"));
  EXPECT_FALSE(os::CreateFolder(folder / "no/parent"));
  EXPECT_EQ(os::StatusOf(folder / "private").Permissions & 077, 0u);
  MakeFile(folder / "Card.LUM");
  MakeFile(folder / ".hidden");

  std::vector<std::string> names = os::FolderNames(folder.Path());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{".hidden", "Card.LUM", "open", "private"}));
  EXPECT_TRUE(os::FolderNames(folder / "missing").empty());

  EXPECT_TRUE(os::NameMatchesMask("*.lum", "Card.LUM"));
  EXPECT_TRUE(os::NameMatchesMask("c?rd.*", "Card.LUM"));
  EXPECT_FALSE(os::NameMatchesMask("*", ".hidden"));
  EXPECT_TRUE(os::NameMatchesMask(".*", ".hidden"));
  EXPECT_FALSE(os::NameMatchesMask("*.lum", "Card.LUM.bak"));

  ASSERT_TRUE(os::RemoveFile(folder / "Card.LUM"));
  EXPECT_FALSE(os::RemoveFile(folder / "Card.LUM"));
  EXPECT_FALSE(os::RemoveFile(folder / "open"));
}

TEST(OsFile, ReadsWritesSeeksAndReportsTheEnd) {
  ScratchFolder folder;
  os::TFile file(folder / "file", os::TOpenMode::CreateOrTruncate);
  ASSERT_TRUE(file.IsOpen());
  EXPECT_EQ(file.Write("abcdef", 6), 6);
  EXPECT_EQ(file.Seek(2, os::TSeekFrom::Beginning), 2);
  char bytes[8] = {};
  EXPECT_EQ(file.Read(bytes, sizeof bytes), 4);
  EXPECT_EQ(std::string(bytes, 4), "cdef");
  EXPECT_EQ(file.Read(bytes, sizeof bytes), 0);
  EXPECT_EQ(file.Seek(-1, os::TSeekFrom::End), 5);
  EXPECT_EQ(file.Status().Size, 6);
  EXPECT_TRUE(file.Close());

  EXPECT_FALSE(os::TFile(folder / "missing", os::TOpenMode::Read).IsOpen());
  EXPECT_FALSE(os::TFile(folder / "missing", os::TOpenMode::ReadWrite).IsOpen());
  os::TFile reopened(folder / "file", os::TOpenMode::CreateOrTruncate);
  EXPECT_EQ(reopened.Status().Size, 0);
}

TEST(OsFile, NewPrivateFilesNeverTakeAnExistingNameOrLink) {
  ScratchFolder folder;
  os::TFile first;
  ASSERT_TRUE(first.Open(folder / "name", os::TOpenMode::CreateNewPrivate));
  EXPECT_EQ(os::StatusOf(folder / "name").Permissions, 0600u);

  os::TFile second;
  EXPECT_FALSE(second.Open(folder / "name", os::TOpenMode::CreateNewPrivate));
  EXPECT_TRUE(second.AlreadyExisted());
  std::filesystem::create_symlink(folder / "target", folder / "planted");
  EXPECT_FALSE(second.Open(folder / "planted", os::TOpenMode::CreateNewPrivate));
  EXPECT_EQ(os::StatusOf(folder / "target").Kind, os::TFileKind::Missing);
  EXPECT_FALSE(second.Open(folder / "no/name", os::TOpenMode::CreateNewPrivate));
  EXPECT_FALSE(second.AlreadyExisted());

  std::string a, b;
  os::TFile unique;
  ASSERT_TRUE(unique.CreateUnique(folder / "card.", a));
  ASSERT_TRUE(unique.CreateUnique(folder / "card.", b));
  EXPECT_NE(a, b);
  EXPECT_EQ(a.rfind(folder / "card.", 0), 0u);
  EXPECT_EQ(os::StatusOf(b).Kind, os::TFileKind::File);
}

}  // namespace
}  // namespace lumigram
