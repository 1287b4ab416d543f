#pragma once
// The entry table both translation tables share, and the line-by-line
// translation that keeps accelerators and trailing punctuation.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumigram {

struct TLanguageEntry {
  std::string Source;
  std::string Translation;
  std::string UpperSource;  // the lookup key
};

class TTranslationTable {
 public:
  explicit TTranslationTable(size_t capacity) : capacity_(capacity) {}

  size_t Capacity() const { return capacity_; }
  int Count() const { return int(entries_.size()); }
  const TLanguageEntry& Entry(int index) const { return entries_.at(size_t(index)); }

  void Clear();
  // Appends without looking for an earlier entry of that source; false when full.
  bool Append(std::string source, std::string translation);
  void SetTranslation(int index, std::string translation);
  // The first entry whose source equals the text, ignoring the case of ASCII
  // letters; -1 when there is none or the text is empty.
  int FindEntry(std::string_view text) const;

  // Translates line by line (CR LF, CR or LF), keeping each line's trailing
  // " ", "," and "." and its "&" accelerator; lines are joined by CR LF.
  // allFound (optional) tells whether every line had an entry.
  std::string Translate(std::string_view text, bool* allFound = nullptr) const;

 private:
  std::string TranslateLine(std::string line, bool& allFound) const;

  size_t capacity_;
  std::vector<TLanguageEntry> entries_;
  // Upper-cased source -> index of its first entry, so lookups stay cheap
  // in a full table.
  std::unordered_map<std::string, int> firstIndex_;
};

}  // namespace lumigram
