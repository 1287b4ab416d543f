#pragma once
// Makes language files. The program itself only reads them; the `lumigram
// lang` tool and the tests write them.

#include <array>
#include <string>
#include <vector>

namespace lumigram {

struct TLanguagePair {
  std::string Source;
  std::string Translation;
};

struct TLanguageFileContent {
  std::string Name = "English";
  std::vector<TLanguagePair> Entries;  // in table order
  std::string PlainText;               // main file only, kept by the reader
  std::string HiddenText;              // main file only, kept by the reader
  std::array<std::string, 4> Texts;    // light file only, kept by the reader
  // The file's keys; empty means a fresh random key.
  std::string KeyA, KeyB;
};

// The bytes of "language.llf". Fails with "Empty" when an entry lacks its
// source or translation, "Capacity reached" beyond 4,000 entries.
bool WriteLanguageLlf(const TLanguageFileContent& content, std::string& bytes, std::string& error);
// The bytes of "language.ll2". Fails with "Empty" when there is no entry or
// an entry lacks its source or translation (the reader refuses both),
// "Capacity reached" beyond 5,000 entries.
bool WriteLanguageLl2(const TLanguageFileContent& content, std::string& bytes, std::string& error);

}  // namespace lumigram
