// The language files the build makes load through the program's tables and
// translate every text the creator and the cards show.

#include <regex>

#include "frames/frame_styles.h"
#include "lang/language.h"
#include "lang/lite_language.h"
#include "tests/content/content_fixtures.h"

namespace lumigram {
namespace {

using testing::ContentPath;
using testing::SourcePath;

std::string LanguageFile(const std::string& language, const char* name) {
  return ContentPath("languages/" + language + "/" + name);
}

struct TTables {
  TLanguage Main;
  TLiteLanguage Light;
};

void Load(const std::string& language, TTables& tables) {
  ASSERT_TRUE(tables.Main.LoadFromFile(LanguageFile(language, TLanguage::kFileName)))
      << tables.Main.LastError();
  ASSERT_TRUE(tables.Light.LoadFromFile(LanguageFile(language, TLiteLanguage::kFileName)))
      << tables.Light.LastError();
}

TEST(LanguageFiles, EveryLanguageLoadsBothTablesUnderItsOwnName) {
  const std::vector<std::string> languages = testing::SplitList(LUMIGRAM_LANGUAGES);
  ASSERT_EQ(languages.size(), 3u);
  for (const std::string& language : languages) {
    SCOPED_TRACE(language);
    TTables tables;
    Load(language, tables);
    EXPECT_NE(tables.Main.LanguageName(), "English");
    EXPECT_EQ(tables.Main.LanguageName(), tables.Light.LanguageName());
    // The light table translates everything the main one does, and more.
    EXPECT_GT(tables.Light.Count(), tables.Main.Count());
    for (int i = 0; i < tables.Main.Count(); ++i)
      EXPECT_GE(tables.Light.FindEntry(tables.Main.Entry(i).Source), 0)
          << tables.Main.Entry(i).Source;
  }
}

// Texts in the files' code page, Windows-1252.
TEST(LanguageFiles, KnownTextsTranslateKeepingAcceleratorsAndPunctuation) {
  TTables german, french, spanish;
  Load("german", german);
  Load("french", french);
  Load("spanish", spanish);

  EXPECT_EQ(german.Main.Translate("Pl&ay"), "&Abspielen");
  EXPECT_EQ(german.Main.Translate("Save &As..."), "Speichern unter...");
  EXPECT_EQ(german.Main.Translate("Out of memory"), "Nicht gen\xFCgend Speicher");
  EXPECT_EQ(german.Light.Translate("Click for Color Window"), "Klicken: Farbauswahl");

  EXPECT_EQ(french.Main.Translate("&File"), "&Fichier");
  EXPECT_EQ(french.Main.Translate("&Open..."), "&Ouvrir...");
  EXPECT_EQ(french.Light.Translate("already exists.\r\nDo you want to replace it?"),
            "existe d\xE9j\xE0.\r\nVoulez-vous le remplacer ?");

  EXPECT_EQ(spanish.Main.Translate("Cu&t"), "Cor&tar");
  EXPECT_EQ(SizeMenuCaption(spanish.Light.Translate("S&ize"), 52), "Tama\xF1o [52]");
  EXPECT_EQ(spanish.Light.Translate("Save Changes to"), "\xBFGuardar los cambios en");
}

// The texts of a header: every `kName = "text"` constant, by name.
std::vector<std::pair<std::string, std::string>> HeaderTexts(const std::string& relative) {
  const std::string source = testing::ReadWhole(SourcePath(relative));
  const std::regex constant(R"(constexpr const char\* (k\w+) = \"((?:[^\"\\]|\\.)*)\";)");
  std::vector<std::pair<std::string, std::string>> texts;
  for (auto it = std::sregex_iterator(source.begin(), source.end(), constant);
       it != std::sregex_iterator(); ++it) {
    std::string text = (*it)[2];
    for (size_t at = 0; (at = text.find('\\', at)) != std::string::npos; ++at)
      text.replace(at, 2,
                   text[at + 1] == 'r'   ? "\r"
                   : text[at + 1] == 'n' ? "\n"
                                         : text.substr(at + 1, 1));
    texts.emplace_back((*it)[1], text);
  }
  return texts;
}

// The lines of a text as the tables look them up: no "&", no trailing
// blanks, commas and dots; empty lines are never looked up.
std::vector<std::string> LookupLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  auto finish = [&] {
    const size_t amp = line.find('&');
    if (amp != std::string::npos) line.erase(amp, 1);
    const size_t end = line.find_last_not_of(" ,.");
    if (end != std::string::npos) lines.push_back(line.substr(0, end + 1));
    line.clear();
  };
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      finish();
      continue;
    }
    line += c;
  }
  finish();
  return lines;
}

template <typename Table>
void ExpectTranslated(const Table& table, const std::string& text, const std::string& where) {
  for (const std::string& line : LookupLines(text))
    EXPECT_GE(table.FindEntry(line), 0) << where << ": \"" << line << "\" has no translation";
}

// Names of files, folders, fonts and the product are not translated, nor
// pieces that hold no word.
const std::vector<std::string> kNotWords = {
    "kProductTitle",      "kSeparator",    "kEditorFolder",     "kEditorProgram",
    "kCardLibraryFolder", "kUntitled",     "kStyleCodeFont",    "kCardFolder",
    "kPictureFolder",     "kCursorFolder", "kSoundFolder",      "kFrameFolder",
    "kMessageFolder",     "kPrintTitle",   "kSizeRangeOpening", "kDefineSizeShortcut",
    "kMoreStylesShortcut"};

TEST(LanguageFiles, EveryTextOfTheProgramHasATranslationInEveryLanguage) {
  const char* headers[] = {"card/card_texts.h", "editor/editor_texts.h", "util/error_texts.h",
                           "frames/frame_styles.h", "tools/language/language_texts.h"};
  // The menu bar and the toolbar, as the main window builds them.
  const std::vector<std::string> menus = {"&File",
                                          "&New",
                                          "New &Instance",
                                          "&Open...",
                                          "Open from Li&brary...",
                                          "&Save",
                                          "Save &As...",
                                          "Save to Librar&y...",
                                          "&Print...",
                                          "Print to &Clipboard",
                                          "Pass&word...",
                                          "Remo&ve Password",
                                          "P&references...",
                                          "Too&ls",
                                          "Extract Support &Files...",
                                          "A&dditional Resources...",
                                          "E&xit",
                                          "&Edit",
                                          "&Undo",
                                          "&Copy All",
                                          "&Paste All",
                                          "C&enter",
                                          "&Information...",
                                          "&Menu Color...",
                                          "&OnTop",
                                          "&Picture",
                                          "&Enlarge by 25%",
                                          "S&hrink by 25%",
                                          "Cu&t",
                                          "&Copy",
                                          "&Paste",
                                          "Paste to &Fit",
                                          "C&lear",
                                          "Select from &File...",
                                          "&Select from Library...",
                                          "Sa&ve to File...",
                                          "Vie&w Folder",
                                          "&Cursor",
                                          "Paste from &Icon",
                                          "&Sound",
                                          "Pl&ay",
                                          "St&op",
                                          "Volu&me Control",
                                          "F&rame",
                                          "Auto Colo&r",
                                          "C&olor...",
                                          "&Link",
                                          "&Address (Web or Email)...",
                                          "&Message",
                                          "Colo&r...",
                                          "F&ont...",
                                          "Te&xt...",
                                          "Fl&ash",
                                          "&Horizontal Alignment",
                                          "&Left Justify",
                                          "&Center",
                                          "&Right Justify",
                                          "V&ertical Alignment",
                                          "&Top",
                                          "&Bottom",
                                          "&Help",
                                          "&About..."};
  const std::vector<std::string> hints = {"New",
                                          "Open...",
                                          "Save As...",
                                          "Print...",
                                          "Undo",
                                          "Center",
                                          "Select Picture from file...",
                                          "Select Cursor from file...",
                                          "Select Sound from file...",
                                          "Select Frame from file...",
                                          "Select Message from file...",
                                          "Stop",
                                          "Play",
                                          "Volume Control",
                                          "Frame Size",
                                          "Click for Size Dialog Window",
                                          "Click and drag up/down or left/right for Size Adjust",
                                          "Frame Color",
                                          "Click for Color Window",
                                          "Click and drag for Screen Color",
                                          "Link...",
                                          "Menu/Link Color",
                                          "Text...",
                                          "Text Color",
                                          "Information...",
                                          "Help",
                                          "Extract Support Files",
                                          "Preferences",
                                          "User Preferences",
                                          "&Apply",
                                          "&Cancel"};

  for (const std::string& language : testing::SplitList(LUMIGRAM_LANGUAGES)) {
    SCOPED_TRACE(language);
    TTables tables;
    Load(language, tables);
    for (const char* header : headers)
      for (const auto& [name, text] : HeaderTexts(header))
        if (std::find(kNotWords.begin(), kNotWords.end(), name) == kNotWords.end())
          ExpectTranslated(tables.Light, text, std::string(header) + " " + name);
    for (const TFrameStyle& style : kFrameStyles)
      ExpectTranslated(tables.Main, style.Caption, "style");
    for (const TFrameSizePreset& size : kFrameSizePresets)
      ExpectTranslated(tables.Main, size.Caption, "size");
    for (const std::string& menu : menus) {
      ExpectTranslated(tables.Main, menu, "menu");
      ExpectTranslated(tables.Light, menu, "menu (light)");
    }
    for (const std::string& hint : hints) ExpectTranslated(tables.Light, hint, "hint");
    // Error boxes translate their text through the main table.
    for (const auto& [name, text] : HeaderTexts("util/error_texts.h"))
      ExpectTranslated(tables.Main, text, "error " + name);
  }
}

TEST(LanguageFiles, HeaderTextsAreFound) {
  // Guards the parsing above: a broken pattern would make the coverage test
  // pass on nothing.
  const auto texts = HeaderTexts("card/card_texts.h");
  ASSERT_GT(texts.size(), 15u);
  EXPECT_NE(std::find(texts.begin(), texts.end(),
                      std::pair<std::string, std::string>(
                          "kAlreadyExists", "already exists.\r\nDo you want to replace it?")),
            texts.end());
  EXPECT_EQ(LookupLines("already exists.\r\n\r\nDo you want to replace it?"),
            (std::vector<std::string>{"already exists", "Do you want to replace it?"}));
  EXPECT_EQ(LookupLines("Save &As..."), std::vector<std::string>{"Save As"});
}

}  // namespace
}  // namespace lumigram
