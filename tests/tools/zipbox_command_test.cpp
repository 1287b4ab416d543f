// The zipbox forms of the lumigram program, run as other people's scripts
// run them.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/storage/box_records.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"

namespace lumigram {
namespace {

using testing::ScratchFolder;

using testing::RunProgram;
using TResult = testing::TProgramRun;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class ZipBoxCommand : public ::testing::Test {
 protected:
  TResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), LUMIGRAM_CLI);
    return RunProgram(args);
  }

  std::string File(const std::string& name, const std::string& bytes) {
    WriteFile(scratch_ / name, bytes);
    return scratch_ / name;
  }

  ScratchFolder scratch_;
};

TEST_F(ZipBoxCommand, CreateThenListGivesOneTabbedLinePerItem) {
  const std::string a = File("a.txt", "hello"), b = File("Pic.JPG", std::string(3000, 'p'));
  const std::string box = scratch_ / "box.bin";
  TResult r = Run({"zipbox", "create", box, a, b});
  ASSERT_EQ(r.Status, 0) << r.Err;
  r = Run({"zipbox", "list", box});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out, "a.txt\t\\\t5\t1\nPic.JPG\t\\\t3000\t1\n");

  r = Run({"zipbox", "create", box, "--path", "root/help", "--stored", a});
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(Run({"zipbox", "list", box}).Out, "a.txt\troot\\help\\\t5\t0\n");
  // Stored means the file's bytes as they are, right in the record.
  EXPECT_NE(ReadFile(box).find("hello"), std::string::npos);
}

TEST_F(ZipBoxCommand, CarrierImagesListFromTheStartOrFromTheRecords) {
  const std::string a = File("a.txt", "hello"), box = scratch_ / "box.bmp";
  ASSERT_EQ(Run({"zipbox", "create", box, "--carrier", a}).Status, 0);
  EXPECT_EQ(ReadFile(box).substr(0, 2), "BM");
  EXPECT_EQ(Run({"zipbox", "list", box}).Out, "a.txt\t\\\t5\t1\n");
  EXPECT_EQ(Run({"zipbox", "list", box, "--offset", "154"}).Out, "a.txt\t\\\t5\t1\n");
  const TResult r = Run({"zipbox", "list", box, "--offset", "3"});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Out, "");
  EXPECT_EQ(r.Err, "lumigram: " + box + ": Unknown format\n");
}

TEST_F(ZipBoxCommand, ExtractWritesEveryItemBelowTheFolder) {
  const std::string box =
      File("box.bin", testing::BoxRecord("index.html", "root\\help\\blc\\", 0, "<p>") +
                          testing::BoxRecord("A.jpg", "\\", 0, "jpeg"));
  const std::string out = scratch_ / "out";
  const TResult r = Run({"zipbox", "extract", box, out});
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(ReadFile(out + "/root/help/blc/index.html"), "<p>");
  EXPECT_EQ(ReadFile(out + "/A.jpg"), "jpeg");
}

TEST_F(ZipBoxCommand, ExtractRefusesItemsThatWouldEscape) {
  const std::string good = testing::BoxRecord("fine.txt", "\\", 0, "ok");
  const std::pair<const char*, const char*> hostile[] = {
      {"x.txt", "..\\"},   {"x.txt", "a\\..\\..\\"}, {"..", "\\"},     {"../x.txt", "\\"},
      {"x.txt", "/tmp\\"}, {"/tmp/x.txt", "\\"},     {"x.txt", "C:\\"}};
  for (const auto& [name, path] : hostile) {
    SCOPED_TRACE(std::string(path) + name);
    const std::string box = File("box.bin", good + testing::BoxRecord(name, path, 0, "bad"));
    const std::string out = scratch_ / "out";
    const TResult r = Run({"zipbox", "extract", box, out});
    EXPECT_EQ(r.Status, 1);
    EXPECT_NE(r.Err.find("Access denied"), std::string::npos) << r.Err;
    EXPECT_FALSE(std::filesystem::exists(out));  // nothing written, not even the good item
    EXPECT_FALSE(std::filesystem::exists(scratch_ / "x.txt"));
  }
}

TEST_F(ZipBoxCommand, FailuresGoToStandardErrorWithTheirTexts) {
  const std::string missing = scratch_ / "missing.bin";
  const std::pair<std::vector<std::string>, std::string> failing[] = {
      {{"list", missing}, missing + ": File not found"},
      {{"list", File("junk.bin", std::string(500, 'j'))}, scratch_ / "junk.bin: Unknown format"},
      {{"extract", File("m2.bin", testing::BoxRecord("a", "\\", 2, "x")), scratch_ / "out"},
       scratch_ / "out/a: Unsupported encoding"},
      {{"create", scratch_ / "box.bin", missing}, missing + ": File not found"}};
  for (const auto& [args, text] : failing) {
    std::vector<std::string> words = {"zipbox"};
    words.insert(words.end(), args.begin(), args.end());
    const TResult r = Run(words);
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Err, "lumigram: " + text + "\n");
  }
  EXPECT_FALSE(std::filesystem::exists(scratch_ / "box.bin"));
  // Wrong command lines exit with 2.
  for (const std::vector<std::string>& words :
       std::vector<std::vector<std::string>>{{"zipbox"},
                                             {"zipbox", "list"},
                                             {"zipbox", "list", "b", "--offset", "-1"},
                                             {"zipbox", "create", "b", "--path", "..", "f"},
                                             {"zipbox", "extract", "b", ""},  // not the root folder
                                             {"zipbox", "pack", "b"}})
    EXPECT_EQ(Run(words).Status, 2);
}

}  // namespace
}  // namespace lumigram
