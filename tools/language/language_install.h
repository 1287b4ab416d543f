#pragma once
// Putting a language pair into the settings folder, where the creator and
// the cards read it at their next start, and taking it away again.

#include <string>
#include <vector>

#include "tools/language/language_catalog.h"

namespace lumigram {

// The folder the two tables are read from.
std::string LanguageFolder();

// Writes both files of the language (English removes them). The files are
// checked to load first; when the second write fails the first file goes
// too, so the program never runs on half a language. False with the
// system's error text.
bool InstallLanguage(const TBuiltInLanguage& language, const std::string& folder,
                     std::string& error);

// The key of the built-in language whose files the folder holds: English
// when there are none, empty when the files are someone else's (or only one
// of the two is there).
std::string InstalledLanguageKey(const std::vector<TBuiltInLanguage>& languages,
                                 const std::string& folder);

}  // namespace lumigram
