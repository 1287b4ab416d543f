// Every sample file the program puts into the library on first start loads
// into a card through the editor's own commands, as a person would load it.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "app/builtin_archives.h"
#include "app/embedded_archives.h"
#include "card/lumigram.h"
#include "editor/command_codes.h"
#include "editor/lumigram_creator.h"
#include "tests/app/app_fixtures.h"
#include "tests/support/card_platform_double.h"
#include "tests/support/editor_services_double.h"
#include "util/text.h"

namespace lumigram::testing {
namespace {

TEST(SupportFiles, EveryExtractedFileLoadsThroughTheEditorsCommands) {
  ResetHome();
  std::string error;
  ASSERT_TRUE(ExtractSupportFiles(EmbeddedArchives().Support, MakerFolder(), error)) << error;

  TCardPlatformDouble platform;
  TEditorServicesDouble services;
  TLumigramCreator editor(platform, services);
  // The command that loads a file of each kind.
  const std::map<std::string, int> loadCommand = {
      {"ICO", kLoadCursorFile},  {"ANI", kLoadCursorFile}, {"MID", kLoadSoundFile},
      {"MSG", kLoadMessageFile}, {"FRS", kLoadFrameFile},  {"JPG", kLoadPictureFile}};
  std::map<std::string, int> loaded;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(MakerFolder())) {
    if (!entry.is_regular_file()) continue;
    const std::string path = entry.path().string();
    const std::string extension = UpperAscii(entry.path().extension().string().substr(1));
    const auto command = loadCommand.find(extension);
    if (command == loadCommand.end()) continue;
    EXPECT_TRUE(editor.Execute(command->second, path)) << path << ": " << editor.LastError();
    ++loaded[extension];
  }
  EXPECT_EQ(loaded, (std::map<std::string, int>{{"ANI", kCopyPicture},
                                                {"FRS", kPastePictureToFit},
                                                {"ICO", kViewPictureFolder},
                                                {"JPG", kCutPicture},
                                                {"MID", kPastePicture},
                                                {"MSG", kSelectPicture}}));
  // The last of each kind is on the card.
  const TLumigramInfo& info = editor.Card().Info();
  EXPECT_FALSE(info.Picture.empty());
  EXPECT_FALSE(info.Cursor.empty());
  EXPECT_EQ(info.SoundType, "MID");
  EXPECT_FALSE(info.Message.empty());
}

}  // namespace
}  // namespace lumigram::testing
