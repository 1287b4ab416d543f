#include "lang/translation_table.h"

#include "util/text.h"

namespace lumigram {

namespace {

char UpperAsciiChar(char c) {
  return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

}  // namespace

void TTranslationTable::Clear() {
  entries_.clear();
  firstIndex_.clear();
}

bool TTranslationTable::Append(std::string source, std::string translation) {
  if (entries_.size() >= capacity_) return false;
  std::string upper = UpperAscii(source);
  firstIndex_.try_emplace(upper, int(entries_.size()));
  entries_.push_back({std::move(source), std::move(translation), std::move(upper)});
  return true;
}

void TTranslationTable::SetTranslation(int index, std::string translation) {
  entries_.at(size_t(index)).Translation = std::move(translation);
}

int TTranslationTable::FindEntry(std::string_view text) const {
  if (text.empty()) return -1;
  const auto found = firstIndex_.find(UpperAscii(std::string(text)));
  return found == firstIndex_.end() ? -1 : found->second;
}

std::string TTranslationTable::TranslateLine(std::string line, bool& allFound) const {
  // Trailing blanks, commas and full stops stay English; a line made only of
  // them is looked up whole ("...").
  std::string suffix;
  const size_t last = line.find_last_not_of(" ,.");
  if (last != std::string::npos) {
    suffix = line.substr(last + 1);
    line.resize(last + 1);
  }

  bool hasAccelerator = false;
  char accelerator = 0;
  const size_t ampersand = line.find('&');
  if (ampersand != std::string::npos) {
    if (ampersand + 1 < line.size()) {
      hasAccelerator = true;
      accelerator = line[ampersand + 1];
    }
    line.erase(ampersand, 1);
  }

  const int index = FindEntry(line);
  if (index >= 0)
    line = entries_[size_t(index)].Translation;
  else
    allFound = false;

  // The accelerator goes before the first occurrence of its character in
  // either case; a translation without it has no accelerator.
  if (hasAccelerator) {
    const char wanted = UpperAsciiChar(accelerator);
    for (size_t i = 0; i < line.size(); ++i)
      if (UpperAsciiChar(line[i]) == wanted) {
        line.insert(i, 1, '&');
        break;
      }
  }
  return line + suffix;
}

std::string TTranslationTable::Translate(std::string_view text, bool* allFound) const {
  bool found = true;
  std::string result;
  size_t start = 0;
  for (;;) {
    size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    result += TranslateLine(std::string(text.substr(start, end - start)), found);
    if (end >= text.size()) break;
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    result += kLineBreak;
  }
  if (allFound) *allFound = found;
  return result;
}

}  // namespace lumigram
