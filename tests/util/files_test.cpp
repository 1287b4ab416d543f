#include "util/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"
#include "util/temp_file_name.h"

namespace lumigram {
namespace {

using testing::ScopedEnvironment;
using testing::ScratchFolder;

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(Files, ReadWriteRoundTripWithFailureTexts) {
  ScratchFolder folder;
  std::string error, data;
  EXPECT_FALSE(ReadFileToString(folder / "missing", data, error));
  EXPECT_EQ(error, "File not found");

  const std::string bytes("card\0data", 9);
  ASSERT_TRUE(WriteStringToFile(folder / "a.bin", bytes, error));
  ASSERT_TRUE(ReadFileToString(folder / "a.bin", data, error));
  EXPECT_EQ(data, bytes);
  EXPECT_EQ(FileSize(folder / "a.bin"), 9);
  EXPECT_EQ(FileSize(folder / "missing"), -1);

  EXPECT_FALSE(ReadFileToString(folder / "a.bin", data, error, 8));
  EXPECT_EQ(error, "Out of memory");

  EXPECT_FALSE(WriteStringToFile(folder / "no/such/folder/a.bin", bytes, error));
  EXPECT_EQ(error, "Out of disk space");
}

TEST(Files, WriteReplacesAtomicallyAndKeepsPermissions) {
  ScratchFolder folder;
  std::string error;
  const std::string target = folder / "card.exe";
  ASSERT_TRUE(WriteStringToFile(target, "old", error, /*executable=*/true));
  EXPECT_TRUE(ModeOf(target) & S_IXUSR);
  ::chmod(target.c_str(), 0444);  // read-only files are replaced as well
  ASSERT_TRUE(WriteStringToFile(target, "new", error));
  EXPECT_EQ(ModeOf(target), 0444u);
  std::string data;
  ASSERT_TRUE(ReadFileToString(target, data, error));
  EXPECT_EQ(data, "new");
  // No scratch file is left beside the target.
  EXPECT_EQ(FindFileList(folder / "*", false).size(), 1u);
  // A folder in the way is never replaced.
  ASSERT_TRUE(ForceFolder(folder / "dir"));
  EXPECT_FALSE(WriteStringToFile(folder / "dir", "x", error));
  EXPECT_EQ(error, "File in use");
}

TEST(Files, FoldersAndDeletion) {
  ScratchFolder folder;
  EXPECT_TRUE(ForceFolder(folder / "a/b/c/"));
  EXPECT_TRUE(FolderExists(folder / "a/b/c"));
  EXPECT_FALSE(FileExistsNotFolder(folder / "a/b"));
  std::string error;
  ASSERT_TRUE(WriteStringToFile(folder / "a/f.txt", "x", error));
  ::chmod((folder / "a/f.txt").c_str(), 0444);
  uint32_t stamp = 0;
  EXPECT_TRUE(FileExistsNotFolder(folder / "a/f.txt", &stamp));
  EXPECT_GT(stamp >> 25, 40u);  // years since 1980
  EXPECT_TRUE(DeleteFileIfExists(folder / "a/f.txt"));
  EXPECT_FALSE(FileExistsNotFolder(folder / "a/f.txt"));
  EXPECT_TRUE(DeleteFileIfExists(folder / "a/f.txt"));
  EXPECT_FALSE(DeleteFileIfExists(folder / "a/b"));
}

TEST(Files, CopyCreatesTheTargetFolder) {
  ScratchFolder folder;
  std::string error;
  EXPECT_FALSE(CopyFileChecked(folder / "missing", folder / "x", error));
  EXPECT_EQ(error, "File not found");
  EXPECT_FALSE(CopyFileTo(folder / "missing", folder / "x"));
  ASSERT_TRUE(WriteStringToFile(folder / "src", "payload", error));
  ASSERT_TRUE(CopyFileTo(folder / "src", folder / "deep/er/dst"));
  std::string data;
  ASSERT_TRUE(ReadFileToString(folder / "deep/er/dst", data, error));
  EXPECT_EQ(data, "payload");
}

TEST(Files, CopyKeepsTheTimeAndTheExecuteBit) {
  ScratchFolder folder;
  std::string error;
  ASSERT_TRUE(WriteStringToFile(folder / "program", "#!/bin/sh\n", error, true));
  const struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
  ::utimensat(AT_FDCWD, (folder / "program").c_str(), old, 0);
  ASSERT_TRUE(CopyFileChecked(folder / "program", folder / "copy", error));
  uint32_t source = 0, copy = 0;
  ASSERT_TRUE(FileExistsNotFolder(folder / "program", &source));
  ASSERT_TRUE(FileExistsNotFolder(folder / "copy", &copy));
  EXPECT_EQ(copy, source);
  EXPECT_EQ(::access((folder / "copy").c_str(), X_OK), 0);
}

TEST(Files, FindFilesMatchesCaseInsensitivelyAndSkipsFolders) {
  ScratchFolder folder;
  std::string error;
  for (const char* name : {"b.ZMP", "a.zmp", "c.txt"}) WriteStringToFile(folder / name, "", error);
  ForceFolder(folder / "d.zmp");
  EXPECT_EQ(FindFiles(folder / "*.ZMP", false), "a.zmp\r\nb.ZMP");
  EXPECT_EQ(FindFileList(folder / "*.zmp", true).front(), folder / "a.zmp");
  EXPECT_EQ(FindFiles(folder / "nothing/*", false), "");
}

TEST(TempFileName, PrivateFolderAndExclusiveNames) {
  ScratchFolder folder;
  ScopedEnvironment runtime("XDG_RUNTIME_DIR", folder.Path());
  const std::string first = MakeTempFileName("wav");
  const std::string second = MakeTempFileName("wav");
  ASSERT_FALSE(first.empty());
  EXPECT_NE(first, second);
  EXPECT_EQ(first.rfind(folder / "lumigram/" + std::to_string(::getpid()) + "-", 0), 0u);
  EXPECT_EQ(first.substr(first.size() - 4), ".wav");
  EXPECT_TRUE(FileExistsNotFolder(first));  // claimed on creation
  EXPECT_EQ(ModeOf(folder / "lumigram"), 0700u);
  EXPECT_EQ(ModeOf(first), 0600u);
}

TEST(TempFileName, RefusesAFolderPlantedAsALink) {
  ScratchFolder folder;
  ScopedEnvironment runtime("XDG_RUNTIME_DIR", folder.Path());
  ForceFolder(folder / "elsewhere");
  ASSERT_EQ(::symlink((folder / "elsewhere").c_str(), (folder / "lumigram").c_str()), 0);
  EXPECT_EQ(PrivateTempFolder(), "");
  EXPECT_EQ(MakeTempFileName("wav"), "");
}

TEST(TempFileName, TightensAFolderOpenToOthers) {
  ScratchFolder folder;
  ScopedEnvironment runtime("XDG_RUNTIME_DIR", folder.Path());
  ::mkdir((folder / "lumigram").c_str(), 0777);
  ::chmod((folder / "lumigram").c_str(), 0777);
  EXPECT_EQ(PrivateTempFolder(), folder / "lumigram/");
  EXPECT_EQ(ModeOf(folder / "lumigram"), 0700u);
}

}  // namespace
}  // namespace lumigram
