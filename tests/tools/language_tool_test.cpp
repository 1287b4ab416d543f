// The language tool: what it lists, and that what it installs is what the
// creator's tables load at their next start.

#include <gtest/gtest.h>

#include <filesystem>

#include "lang/language.h"
#include "lang/lite_language.h"
#include "lang/translate.h"
#include "tests/support/run_program.h"
#include "tests/support/scratch_folder.h"
#include "tools/language/language_catalog.h"
#include "tools/language/language_install.h"
#include "util/files.h"

namespace lumigram::testing {
namespace {

class LanguageTool : public ::testing::Test {
 protected:
  // The settings tree lives in the scratch folder, for the tool as well.
  ScratchFolder home_;
  ScopedEnvironment config_{"XDG_CONFIG_HOME", home_.Path()};

  void TearDown() override { ReloadSharedLanguages(); }

  static TProgramRun Tool(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), LUMIGRAM_LANGUAGE_TOOL);
    return RunProgram(std::move(arguments));
  }
  static std::string Folder() { return LanguageFolder(); }
  static bool Installed(const char* name) { return FileExistsNotFolder(Folder() + name); }
};

TEST_F(LanguageTool, ListsEnglishAndTheBuiltInLanguagesMarkingTheOneInForce) {
  TProgramRun run = Tool({"--list"});
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out,
            "english\tEnglish\tinstalled\n"
            "german\tDeutsch\n"
            "french\tFran\xC3\xA7"
            "ais\n"
            "spanish\tEspa\xC3\xB1ol\n");

  ASSERT_EQ(Tool({"--set", "spanish"}).Status, 0);
  run = Tool({"--list"});
  EXPECT_NE(run.Out.find("spanish\tEspa\xC3\xB1ol\tinstalled\n"), std::string::npos) << run.Out;
  EXPECT_EQ(run.Out.find("english\tEnglish\tinstalled"), std::string::npos);
}

TEST_F(LanguageTool, SetGermanMakesTheMenusGermanAndEnglishMakesThemEnglishAgain) {
  ReloadSharedLanguages();
  ASSERT_EQ(Translate("&File"), "&File");

  TProgramRun run = Tool({"--set", "german"});
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_TRUE(Installed(TLanguage::kFileName));
  EXPECT_TRUE(Installed(TLiteLanguage::kFileName));
  // What the creator does at start-up.
  ReloadSharedLanguages();
  // An accelerator whose letter the translation lacks is dropped.
  EXPECT_EQ(Translate("&File"), "Datei");
  EXPECT_EQ(Translate("Pl&ay"), "&Abspielen");
  EXPECT_EQ(Translate("Save &As..."), "Speichern unter...");
  EXPECT_EQ(TranslateLite("Cancel"), "Abbrechen");
  EXPECT_EQ(TLanguage::Shared().LanguageName(), "Deutsch");

  // By the name the language calls itself, its ASCII letters in any case.
  ASSERT_EQ(Tool({"--set",
                  "FRAN\xC3\xA7"
                  "AIS"})
                .Status,
            0);
  ReloadSharedLanguages();
  EXPECT_EQ(Translate("&File"), "&Fichier");

  ASSERT_EQ(Tool({"--set", "English"}).Status, 0);
  EXPECT_FALSE(Installed(TLanguage::kFileName));
  EXPECT_FALSE(Installed(TLiteLanguage::kFileName));
  ReloadSharedLanguages();
  EXPECT_EQ(Translate("&File"), "&File");
}

TEST_F(LanguageTool, UnknownNameOrStrayArgumentsChangeNothing) {
  ASSERT_EQ(Tool({"--set", "german"}).Status, 0);
  const TProgramRun run = Tool({"--set", "klingon"});
  EXPECT_EQ(run.Status, 2);
  EXPECT_NE(run.Err.find("klingon"), std::string::npos);
  EXPECT_EQ(Tool({"--set"}).Status, 2);
  EXPECT_EQ(Tool({"--list", "extra"}).Status, 2);
  EXPECT_EQ(Tool({"-platform", "offscreen"}).Status, 2);
  EXPECT_EQ(InstalledLanguageKey(BuiltInLanguages(), Folder()), "german");
}

TEST_F(LanguageTool, EveryBuiltInPairLoadsUnderItsOwnName) {
  const std::vector<TBuiltInLanguage> languages = BuiltInLanguages();
  ASSERT_EQ(languages.size(), 4u);
  EXPECT_EQ(languages[0].Key, kEnglishKey);
  EXPECT_TRUE(languages[0].Main.empty() && languages[0].Light.empty());
  for (size_t i = 1; i < languages.size(); ++i) {
    TLanguage main;
    TLiteLanguage light;
    EXPECT_TRUE(main.LoadFromBytes(languages[i].Main)) << languages[i].Key;
    EXPECT_TRUE(light.LoadFromBytes(languages[i].Light)) << languages[i].Key;
    EXPECT_NE(languages[i].Name, languages[i].Key);
    EXPECT_EQ(FindLanguage(languages, languages[i].Name), &languages[i]);
  }
  EXPECT_EQ(FindLanguage(languages, "GERMAN"), &languages[1]);
  EXPECT_EQ(FindLanguage(languages, ""), nullptr);
}

TEST_F(LanguageTool, BrokenPairIsNeverWrittenAndAFailedSecondFileTakesTheFirstAlong) {
  const std::vector<TBuiltInLanguage> languages = BuiltInLanguages();
  const std::string folder = Folder();
  std::string error;

  TBuiltInLanguage broken = languages[1];
  broken.Light = "LLF2.0";  // no zero byte, no fields
  EXPECT_FALSE(InstallLanguage(broken, folder, error));
  EXPECT_EQ(error, "Unknown format");
  EXPECT_FALSE(Installed(TLanguage::kFileName));

  // A folder where the light file goes: the write fails and the main file,
  // already written, is taken away again.
  ASSERT_TRUE(ForceFolder(folder + TLiteLanguage::kFileName));
  EXPECT_FALSE(InstallLanguage(languages[1], folder, error));
  EXPECT_FALSE(Installed(TLanguage::kFileName));
}

TEST_F(LanguageTool, FilesFromElsewhereAreNoBuiltInLanguage) {
  const std::vector<TBuiltInLanguage> languages = BuiltInLanguages();
  const std::string folder = Folder();
  std::string error;
  // Only one of the pair.
  ASSERT_TRUE(
      WriteStringToFile(folder + TLiteLanguage::kFileName, std::string(languages[2].Light), error));
  EXPECT_EQ(InstalledLanguageKey(languages, folder), "");
  // A pair mixed from two languages.
  ASSERT_TRUE(
      WriteStringToFile(folder + TLanguage::kFileName, std::string(languages[1].Main), error));
  EXPECT_EQ(InstalledLanguageKey(languages, folder), "");
  // Installing over them puts a whole pair in place.
  ASSERT_TRUE(InstallLanguage(languages[3], folder, error)) << error;
  EXPECT_EQ(InstalledLanguageKey(languages, folder), "spanish");
}

}  // namespace
}  // namespace lumigram::testing
