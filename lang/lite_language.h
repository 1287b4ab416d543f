#pragma once
// The light translation table, read from "language.ll2": "LLF2.0", a 0 byte,
// then length-prefixed fields: key A (scrambled under fixed key 1), key B
// (under fixed key 2), the entry count, the language name and four kept
// texts (each under key A), then count pairs of source (under key A) and
// translation (under key B). It translates every text the main table does
// not: hints, dialogs, prompts, messages and the card viewer.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "lang/translation_table.h"

namespace lumigram {

class TLiteLanguage {
 public:
  static constexpr int kCapacity = 5000;
  static constexpr const char* kFileName = "language.ll2";
  static constexpr std::string_view kMagic = "LLF2.0";

  // The one shared table, loaded from the settings folder on first use.
  static TLiteLanguage& Shared();

  TLiteLanguage() { Reset(); }

  // English, no entries, the default keys.
  void Reset();
  // Reset, then load the "Settings" folder's language.ll2 when there is one.
  // A missing file is success; a file in use is retried for a while.
  bool LoadLanguage();
  bool LoadLanguage(const std::string& path);
  // One attempt; any failure leaves the table reset, with LastError saying why.
  bool LoadFromFile(const std::string& path, int64_t offset = 0);
  bool LoadFromBytes(std::string_view bytes);

  // Replaces the translation of a known source (any case), else appends.
  // -1 with "Empty" or "Capacity reached".
  int AddEntry(std::string_view source, std::string_view translation);
  int FindEntry(std::string_view text) const { return table_.FindEntry(text); }
  std::string Translate(std::string_view text, bool* allFound = nullptr) const {
    return table_.Translate(text, allFound);
  }

  int Count() const { return table_.Count(); }
  const TLanguageEntry& Entry(int index) const { return table_.Entry(index); }
  const std::string& LanguageName() const { return name_; }
  const std::array<std::string, 4>& Texts() const { return texts_; }
  const std::string& LastError() const { return lastError_; }

 private:
  bool Parse(std::string_view bytes);

  TTranslationTable table_{size_t(kCapacity)};
  std::string name_;
  std::array<std::string, 4> texts_;
  std::string keyA_, keyB_;
  std::string lastError_;
};

}  // namespace lumigram
