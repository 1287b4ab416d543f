#pragma once
// The main translation table, read from "language.llf": one "TLanguage"
// record in the component streaming format whose string properties, applied
// in file order, are
//   pC  language name (plain)            pP  a plain text, kept
//   pA  key A, scrambled under fixed key 1  pB  key B, under fixed key 2
//   pD  a text scrambled under key A, kept
//   pI  the entries: "TLI" records back to back, each with X (the source,
//       scrambled under key A) and Y (the translation, under key B).
// It translates the main menu, error boxes, the splash window and the names
// of picture formats; everything else goes through TLiteLanguage.

#include <cstdint>
#include <string>
#include <string_view>

#include "lang/translation_table.h"
#include "storage/component_stream.h"

namespace lumigram {

class TLanguage {
 public:
  static constexpr int kCapacity = 4000;
  static constexpr const char* kFileName = "language.llf";

  // The one shared table, loaded from the settings folder on first use.
  static TLanguage& Shared();

  TLanguage() { Reset(); }

  // English, no entries, the default keys.
  void Reset();
  // Reset, then load the "Settings" folder's language.llf when there is one.
  // A missing file is success; a file in use is retried for a while.
  bool LoadLanguage();
  bool LoadLanguage(const std::string& path);
  // One attempt; any failure leaves the table reset, with LastError saying why.
  bool LoadFromFile(const std::string& path, int64_t offset = 0);
  bool LoadFromBytes(std::string_view bytes);

  int FindEntry(std::string_view text) const { return table_.FindEntry(text); }
  std::string Translate(std::string_view text, bool* allFound = nullptr) const {
    return table_.Translate(text, allFound);
  }

  int Count() const { return table_.Count(); }
  const TLanguageEntry& Entry(int index) const { return table_.Entry(index); }
  const std::string& LanguageName() const { return name_; }
  const std::string& PlainText() const { return plain_; }
  const std::string& HiddenText() const { return hidden_; }
  const std::string& LastError() const { return lastError_; }

 private:
  bool ApplyProperty(const TStreamedProperty& property);
  void ReadEntries(const std::string& run);

  TTranslationTable table_{size_t(kCapacity)};
  std::string name_, plain_, hidden_;
  std::string keyA_, keyB_;
  std::string lastError_;
};

}  // namespace lumigram
