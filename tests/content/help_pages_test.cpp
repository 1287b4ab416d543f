// The help pages work offline: everything they show or link to is in the
// help folder, and nothing is fetched from the network.

#include <filesystem>
#include <regex>
#include <set>

#include "tests/content/content_fixtures.h"

namespace lumigram {
namespace {

using testing::ContentPath;

// The values of the attributes that load or open something.
std::vector<std::string> References(const std::string& page) {
  const std::regex attribute(R"re(\b(?:src|href|data|action|poster)\s*=\s*"([^"]*)")re",
                             std::regex::icase);
  std::vector<std::string> values;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), attribute);
       it != std::sregex_iterator(); ++it)
    values.push_back((*it)[1]);
  return values;
}

std::set<std::string> Ids(const std::string& page) {
  const std::regex id(R"re(\bid\s*=\s*"([^"]*)")re");
  std::set<std::string> ids;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), id); it != std::sregex_iterator();
       ++it)
    ids.insert((*it)[1]);
  return ids;
}

std::set<std::string> HelpFolderFiles() {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(ContentPath("help")))
    names.insert(entry.path().filename().string());
  return names;
}

TEST(HelpPages, EveryReferenceIsAnAnchorOrAFileOfTheHelpFolder) {
  const std::set<std::string> files = HelpFolderFiles();
  for (const char* name : {"index.html", "index_print.html"}) {
    SCOPED_TRACE(name);
    const std::string page = testing::ReadWhole(ContentPath(std::string("help/") + name));
    const std::set<std::string> ids = Ids(page);
    const std::vector<std::string> references = References(page);
    EXPECT_GT(references.size(), 10u);
    for (const std::string& reference : references) {
      if (reference.rfind("#", 0) == 0) {
        EXPECT_TRUE(ids.count(reference.substr(1))) << "no anchor " << reference;
        continue;
      }
      // The pages are unpacked flat into one folder: no paths, no schemes.
      EXPECT_EQ(reference.find_first_of("/\\:"), std::string::npos) << reference;
      EXPECT_TRUE(files.count(reference)) << reference << " is not in the help folder";
    }
  }
}

TEST(HelpPages, NothingIsLoadedFromTheNetwork) {
  for (const char* name : {"index.html", "index_print.html"}) {
    SCOPED_TRACE(name);
    std::string page = testing::ReadWhole(ContentPath(std::string("help/") + name));
    for (char& c : page) c = char(std::tolower(static_cast<unsigned char>(c)));
    for (const char* remote : {"http:", "https:", "//www.", "@import", "url("})
      EXPECT_EQ(page.find(remote), std::string::npos) << remote;
  }
}

TEST(HelpPages, EveryPictureOfTheFolderIsShownAndThePrintablePageHasNoNavigation) {
  const std::string screen = testing::ReadWhole(ContentPath("help/index.html"));
  const std::string print = testing::ReadWhole(ContentPath("help/index_print.html"));
  const std::vector<std::string> shown = References(screen);
  for (const std::string& file : HelpFolderFiles()) {
    if (file.size() > 4 && file.substr(file.size() - 4) == ".jpg") {
      EXPECT_NE(std::find(shown.begin(), shown.end(), file), shown.end()) << file << " unused";
    }
  }
  EXPECT_NE(screen.find("<nav"), std::string::npos);
  EXPECT_EQ(print.find("<nav"), std::string::npos);
  // The same sections in both.
  const std::regex heading("<h2[^>]*>");
  const auto count = [&](const std::string& page) {
    return std::distance(std::sregex_iterator(page.begin(), page.end(), heading),
                         std::sregex_iterator());
  };
  EXPECT_GE(count(screen), 8);
  EXPECT_EQ(count(screen), count(print));
}

}  // namespace
}  // namespace lumigram
