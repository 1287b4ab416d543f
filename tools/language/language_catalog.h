#pragma once
// The languages built into the language tool: each a pair of files made at
// build time from the text tables, carried in the program's read-only data.

#include <string>
#include <string_view>
#include <vector>

namespace lumigram {

struct TBuiltInLanguage {
  std::string Key;         // the folder name of the build ("german"); what --set takes
  std::string Name;        // the name the files give, in UTF-8 ("Deutsch")
  std::string_view Main;   // language.llf
  std::string_view Light;  // language.ll2
};

// English first (no files: the program's own texts), then the built-in
// languages in the order of the build.
std::vector<TBuiltInLanguage> BuiltInLanguages();

// The language of that key or name, any case; null when there is none.
const TBuiltInLanguage* FindLanguage(const std::vector<TBuiltInLanguage>& languages,
                                     std::string_view keyOrName);

inline constexpr std::string_view kEnglishKey = "english";

}  // namespace lumigram
