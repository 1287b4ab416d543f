#pragma once
// Tables for the language tests, made through the writers.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "lang/language.h"
#include "lang/language_writer.h"
#include "lang/lite_language.h"

namespace lumigram::testing {

// A component-stream short string: length byte, then the bytes.
inline std::string Short(std::string_view text) {
  return char(text.size()) + std::string(text);
}

inline std::vector<TLanguagePair> FrenchPairs() {
  return {{"Open", "Ouvrir"},
          {"Exit", "Quitter"},
          {"Save As", "Enregistrer sous"},
          {"...", "\x85"},  // the ellipsis character of Windows-1252
          {"Options", "Choix des options"},
          {"Error", "Erreur"}};
}

inline TLanguageFileContent ContentOf(std::vector<TLanguagePair> pairs, std::string name =
                                                                            "Fran\xE7"
                                                                            "ais") {
  TLanguageFileContent content;
  content.Name = std::move(name);
  content.Entries = std::move(pairs);
  return content;
}

inline std::string LlfBytes(const TLanguageFileContent& content) {
  std::string bytes, error;
  EXPECT_TRUE(WriteLanguageLlf(content, bytes, error)) << error;
  return bytes;
}

inline std::string Ll2Bytes(const TLanguageFileContent& content) {
  std::string bytes, error;
  EXPECT_TRUE(WriteLanguageLl2(content, bytes, error)) << error;
  return bytes;
}

inline void Load(TLanguage& table, const TLanguageFileContent& content) {
  ASSERT_TRUE(table.LoadFromBytes(LlfBytes(content))) << table.LastError();
}

inline void Load(TLiteLanguage& table, const TLanguageFileContent& content) {
  ASSERT_TRUE(table.LoadFromBytes(Ll2Bytes(content))) << table.LastError();
}

template <typename Table>
void ExpectEnglish(const Table& table) {
  EXPECT_EQ(table.LanguageName(), "English");
  EXPECT_EQ(table.Count(), 0);
  EXPECT_EQ(table.Translate("&Open"), "&Open");
}

}  // namespace lumigram::testing
