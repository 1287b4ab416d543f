// `lumigram lang`, run as the built program.

#include <gtest/gtest.h>

#include "tests/lang/language_fixtures.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"
#include "util/files.h"

#ifndef LUMIGRAM_CLI
#error "LUMIGRAM_CLI names the lumigram program"
#endif

namespace lumigram::testing {
namespace {

class LangCommand : public ::testing::Test {
 protected:
  TProgramRun Run(std::vector<std::string> args) {
    args.insert(args.begin(), {LUMIGRAM_CLI, "lang"});
    return RunProgram(args);
  }

  std::string Table(const std::string& text) {
    const std::string path = folder / "table.txt";
    std::string error;
    EXPECT_TRUE(WriteStringToFile(path, text, error)) << error;
    return path;
  }

  ScratchFolder folder;
};

TEST_F(LangCommand, WritesFilesTheTablesLoad) {
  const std::string table = Table(
      "# made by hand\n\nOpen\t\xC3\x96"
      "ffnen\r\nSave As\tSpeichern unter\n#Exit\tnot an entry\n"
      "Exit\tBeenden\tmit Tab");
  ASSERT_EQ(Run({"write", "--llf", table, folder / "language.llf", "--name", "Deutsch"}).Status, 0);
  TLanguage main;
  ASSERT_TRUE(main.LoadFromFile(folder / "language.llf")) << main.LastError();
  EXPECT_EQ(main.LanguageName(), "Deutsch");
  ASSERT_EQ(main.Count(), 3);
  EXPECT_EQ(main.Entry(0).Translation,
            "\xD6"
            "ffnen");
  EXPECT_EQ(main.Translate("Save As..."), "Speichern unter...");
  EXPECT_EQ(main.Entry(2).Translation, "Beenden\tmit Tab");

  const std::string russian =
      Table("Open\t\xD0\x9E\xD1\x82\xD0\xBA\xD1\x80\xD1\x8B\xD1\x82\xD1\x8C\n");
  ASSERT_EQ(
      Run({"write", "--ll2", "--codepage", "CP1251", russian, folder / "language.ll2"}).Status, 0);
  TLiteLanguage lite;
  ASSERT_TRUE(lite.LoadFromFile(folder / "language.ll2")) << lite.LastError();
  EXPECT_EQ(lite.LanguageName(), "English");
  EXPECT_EQ(lite.Translate("&Open"), "\xCE\xF2\xEA\xF0\xFB\xF2\xFC");  // Открыть
}

TEST_F(LangCommand, DumpPrintsWhatWriteTook) {
  const std::string text =
      "# language: Fran\xC3\xA7"
      "ais\nOpen\tOuvrir\nSave As\tEnregistrer sous\nOptions\tR\xC3\xA9glages\n";
  const std::string table = Table(text);
  for (const char* format : {"--llf", "--ll2"}) {
    const std::string file = folder / "language.out";
    ASSERT_EQ(Run({"write", format, table, file}).Status, 0) << format;
    const TProgramRun dump = Run({"dump", file});
    EXPECT_EQ(dump.Status, 0) << dump.Err;
    EXPECT_EQ(dump.Out, text) << format;
  }
  // --name wins over the table's own line.
  ASSERT_EQ(Run({"write", "--ll2", table, folder / "x.ll2", "--name",
                 "Qu\xC3\xA9"
                 "b\xC3\xA9"
                 "cois"})
                .Status,
            0);
  const std::string out = Run({"dump", folder / "x.ll2"}).Out;
  EXPECT_EQ(out.substr(0, out.find('\n')),
            "# language: Qu\xC3\xA9"
            "b\xC3\xA9"
            "cois");
}

TEST_F(LangCommand, TableProblemsNameTheLineAndWriteNothing) {
  const std::string out = folder / "language.ll2";
  TProgramRun run = Run({"write", "--ll2", Table("# header\nOpen\tOuvrir\nExit Quitter\n"), out});
  EXPECT_EQ(run.Status, 1);
  EXPECT_NE(run.Err.find("line 3"), std::string::npos) << run.Err;
  run = Run({"write", "--ll2", Table("Open\tOuvrir\n\nExit\t\xD0\x96\n"), out});
  EXPECT_EQ(run.Status, 1);
  EXPECT_NE(run.Err.find("line 3: U+0416"), std::string::npos) << run.Err;
  run = Run({"write", "--ll2", Table("Open\t\n"), out});
  EXPECT_NE(run.Err.find("line 1"), std::string::npos) << run.Err;
  run = Run({"write", "--ll2", Table("# nothing\n"), out});
  EXPECT_EQ(run.Status, 1);
  EXPECT_FALSE(FileExistsNotFolder(out));
}

TEST_F(LangCommand, DumpReportsWhyAFileDoesNotLoad) {
  std::string bytes = LlfBytes(ContentOf(FrenchPairs()));
  bytes.resize(bytes.size() - 3);
  const std::string truncated = Table(bytes);
  TProgramRun run = Run({"dump", truncated});
  EXPECT_EQ(run.Status, 1);
  EXPECT_NE(run.Err.find("Unsupported format"), std::string::npos) << run.Err;
  EXPECT_EQ(run.Out, "");

  run = Run({"dump", Table("Open\tOuvrir\n")});
  EXPECT_EQ(run.Status, 1);
  EXPECT_NE(run.Err.find("Unknown format"), std::string::npos) << run.Err;

  run = Run({"dump", folder / "missing.ll2"});
  EXPECT_NE(run.Err.find("File not found"), std::string::npos) << run.Err;
}

TEST_F(LangCommand, CommandLineMistakesAreUsageErrors) {
  const std::string table = Table("Open\tOuvrir\n");
  EXPECT_EQ(Run({"write", table, folder / "out"}).Status, 2);
  EXPECT_EQ(Run({"write", "--llf", "--ll2", table, folder / "out"}).Status, 2);
  EXPECT_EQ(Run({"write", "--llf", table, folder / "out", "--codepage", "CP9999"}).Status, 2);
  EXPECT_EQ(Run({"dump"}).Status, 2);
  EXPECT_FALSE(FileExistsNotFolder(folder / "out"));
}

}  // namespace
}  // namespace lumigram::testing
