// Loading the tables from disk: missing, busy and odd files, and the shared
// tables behind Translate and TranslateLite.

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "lang/language_file.h"
#include "lang/translate.h"
#include "tests/lang/language_fixtures.h"
#include "tests/support/scratch_folder.h"
#include "util/error_texts.h"
#include "util/files.h"

namespace lumigram::testing {
namespace {

// A listening socket at the path: it exists and is no folder, but cannot be
// opened for reading.
class SocketFile {
 public:
  explicit SocketFile(const std::string& path) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    EXPECT_LT(path.size(), sizeof address.sun_path);
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    EXPECT_EQ(::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  }
  ~SocketFile() { ::close(fd_); }

 private:
  int fd_;
};

void WriteFile(const std::string& path, const std::string& bytes) {
  std::string error;
  ASSERT_TRUE(WriteStringToFile(path, bytes, error)) << error;
}

TEST(LanguageLoading, RetriesOnlyWhileTheFileIsInUse) {
  int calls = 0, pauses = 0;
  std::string error;
  const auto load = [&](int succeedOn, const char* failure) {
    calls = pauses = 0;
    return LoadWithRetries(
        [&] {
          ++calls;
          error = failure;
          return calls == succeedOn;
        },
        [&] { return error; }, [&] { ++pauses; });
  };
  EXPECT_FALSE(load(0, err::kFileInUse));
  EXPECT_EQ(calls, 10);
  EXPECT_EQ(pauses, 9);
  EXPECT_TRUE(load(3, err::kFileInUse));
  EXPECT_EQ(calls, 3);
  EXPECT_FALSE(load(0, err::kUnsupportedFormat));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(pauses, 0);
}

TEST(LanguageLoading, MissingFileIsEnglishAndSuccess) {
  ScratchFolder folder;
  TLiteLanguage lite;
  Load(lite, ContentOf(FrenchPairs()));
  EXPECT_TRUE(lite.LoadLanguage(folder / "language.ll2"));
  ExpectEnglish(lite);
  TLanguage main;
  EXPECT_FALSE(main.LoadFromFile(folder / "language.llf"));
  EXPECT_EQ(main.LastError(), err::kFileNotFound);
  std::filesystem::create_directory(folder / "language.llf");
  EXPECT_TRUE(main.LoadLanguage(folder / "language.llf"));
  ExpectEnglish(main);
}

TEST(LanguageLoading, UnreadableFilesFailAsInUseWithoutBlocking) {
  ScratchFolder folder;
  SocketFile socket(folder / "language.llf");
  ASSERT_EQ(::mkfifo((folder / "language.ll2").c_str(), 0600), 0);

  TLanguage main;
  EXPECT_FALSE(main.LoadLanguage(folder / "language.llf"));
  EXPECT_EQ(main.LastError(), err::kFileInUse);
  ExpectEnglish(main);
  // Opening a pipe for reading would wait for a writer forever.
  TLiteLanguage lite;
  EXPECT_FALSE(lite.LoadFromFile(folder / "language.ll2"));
  EXPECT_EQ(lite.LastError(), err::kFileInUse);
  ExpectEnglish(lite);
}

TEST(LanguageLoading, LoadsFromAnOffsetInTheFile) {
  ScratchFolder folder;
  WriteFile(folder / "packed", "0123456789" + Ll2Bytes(ContentOf(FrenchPairs())));
  TLiteLanguage lite;
  EXPECT_TRUE(lite.LoadFromFile(folder / "packed", 10)) << lite.LastError();
  EXPECT_EQ(lite.Translate("Exit"), "Quitter");
  EXPECT_FALSE(lite.LoadFromFile(folder / "packed"));
  EXPECT_EQ(lite.LastError(), err::kUnknownFormat);
}

TEST(LanguageLoading, SharedTablesComeFromTheSettingsFolder) {
  ScratchFolder folder;
  ScopedEnvironment config("XDG_CONFIG_HOME", folder.Path());
  const std::string settings = folder / "Kelvado Enterprises/Settings/";
  ASSERT_TRUE(ForceFolder(settings));

  ReloadSharedLanguages();
  EXPECT_EQ(Translate("Save &As..."), "S&ave As...");

  WriteFile(settings + "language.llf", LlfBytes(ContentOf({{"Open", "Ouvrir"}})));
  WriteFile(settings + "language.ll2", Ll2Bytes(ContentOf({{"Open", "Ouvrez"}})));
  ReloadSharedLanguages();
  bool allFound = false;
  EXPECT_EQ(Translate("&Open...", allFound), "&Ouvrir...");
  EXPECT_TRUE(allFound);
  EXPECT_EQ(TranslateLite("&Open...\r\nExit", allFound), "&Ouvrez...\r\nExit");
  EXPECT_FALSE(allFound);

  // A damaged file falls back to English, quietly.
  WriteFile(settings + "language.ll2", "LLF2.0");
  ReloadSharedLanguages();
  EXPECT_EQ(TranslateLite("&Open"), "&Open");
  EXPECT_EQ(Translate("&Open"), "&Ouvrir");

  std::filesystem::remove(settings + "language.llf");
  ReloadSharedLanguages();
  EXPECT_EQ(Translate("&Open"), "&Open");
}

}  // namespace
}  // namespace lumigram::testing
