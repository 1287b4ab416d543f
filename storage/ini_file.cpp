#include "storage/ini_file.h"

#include <new>

#include "util/error_texts.h"
#include "util/files.h"
#include "util/text.h"

namespace lumigram {

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
// Editors on other systems like to start a text with a UTF-8 byte order mark.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct TParsedLine {
  enum class TKind { Other, Section, Pair };
  TKind Kind = TKind::Other;
  std::string_view Name;
  // Where the value lies in the line, so it can be replaced in place.
  size_t ValueBegin = 0;
  size_t ValueEnd = 0;
};

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

TParsedLine ParseLine(std::string_view line, bool firstLine) {
  TParsedLine parsed;
  size_t start = 0;
  if (firstLine && line.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    start = kByteOrderMark.size();
  start = line.find_first_not_of(kBlanks, start);
  if (start == std::string_view::npos) return parsed;
  const char lead = line[start];
  if (lead == ';' || lead == '#') return parsed;
  if (lead == '[') {
    const size_t close = line.find(']', start + 1);
    if (close == std::string_view::npos) return parsed;
    parsed.Kind = TParsedLine::TKind::Section;
    parsed.Name = Trim(line.substr(start + 1, close - start - 1));
    return parsed;
  }
  const size_t equals = line.find('=', start);
  if (equals == std::string_view::npos) return parsed;
  parsed.Name = Trim(line.substr(start, equals - start));
  if (parsed.Name.empty()) return parsed;
  parsed.Kind = TParsedLine::TKind::Pair;
  const size_t valueBegin = line.find_first_not_of(kBlanks, equals + 1);
  parsed.ValueBegin = valueBegin == std::string_view::npos ? line.size() : valueBegin;
  const size_t valueLast = line.find_last_not_of(kBlanks);
  parsed.ValueEnd = valueLast + 1 > parsed.ValueBegin ? valueLast + 1 : parsed.ValueBegin;
  return parsed;
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != text.npos;
}

bool HasSurroundingBlanks(std::string_view text) {
  return Trim(text).size() != text.size();
}

}  // namespace

void TIniFile::SetText(std::string_view text) {
  std::vector<TLine> lines;
  TEnding firstEnding = TEnding::None;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    TLine line;
    if (end == std::string_view::npos) {
      line.Text = text.substr(start);
      start = text.size();
    } else {
      size_t textEnd = end;
      line.Ending = TEnding::Lf;
      if (textEnd > start && text[textEnd - 1] == '\r') {
        --textEnd;
        line.Ending = TEnding::CrLf;
      }
      line.Text = text.substr(start, textEnd - start);
      start = end + 1;
      if (firstEnding == TEnding::None) firstEnding = line.Ending;
    }
    lines.push_back(std::move(line));
  }
  lines_ = std::move(lines);
  newLine_ = firstEnding == TEnding::None ? TEnding::CrLf : firstEnding;
}

std::string TIniFile::Text() const {
  size_t size = 0;
  for (const TLine& line : lines_) size += line.Text.size() + 2;
  std::string text;
  text.reserve(size);
  for (const TLine& line : lines_) {
    text += line.Text;
    if (line.Ending == TEnding::CrLf) text += "\r\n";
    if (line.Ending == TEnding::Lf) text += '\n';
  }
  return text;
}

bool TIniFile::LoadFromFile(const std::string& path) {
  try {
    std::string data;
    if (!ReadFileToString(path, data, lastError_, kMaxFileBytes)) return false;
    lastError_ = err::kOutOfMemory;
    SetText(data);
    return true;
  } catch (const std::bad_alloc&) {
    lastError_ = err::kOutOfMemory;
    return false;
  }
}

bool TIniFile::SaveToFile(const std::string& path) {
  try {
    lastError_ = err::kOutOfMemory;
    const std::string text = Text();
    return WriteStringToFile(path, text, lastError_);
  } catch (const std::bad_alloc&) {
    lastError_ = err::kOutOfMemory;
    return false;
  }
}

bool TIniFile::SectionExists(std::string_view section) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    const TParsedLine parsed = ParseLine(lines_[i].Text, i == 0);
    if (parsed.Kind == TParsedLine::TKind::Section && SameTextAscii(parsed.Name, section))
      return true;
  }
  return false;
}

std::vector<std::pair<std::string, std::string>> TIniFile::ReadSection(
    std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> pairs;
  bool inSection = false;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const std::string& text = lines_[i].Text;
    const TParsedLine parsed = ParseLine(text, i == 0);
    if (parsed.Kind == TParsedLine::TKind::Section) inSection = SameTextAscii(parsed.Name, section);
    if (parsed.Kind == TParsedLine::TKind::Pair && inSection)
      pairs.emplace_back(parsed.Name,
                         text.substr(parsed.ValueBegin, parsed.ValueEnd - parsed.ValueBegin));
  }
  return pairs;
}

long TIniFile::FindValueLine(std::string_view section, std::string_view name,
                             long* sectionLine) const {
  if (sectionLine) *sectionLine = -1;
  bool inSection = false;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const TParsedLine parsed = ParseLine(lines_[i].Text, i == 0);
    if (parsed.Kind == TParsedLine::TKind::Section) {
      inSection = SameTextAscii(parsed.Name, section);
      if (inSection && sectionLine && *sectionLine < 0) *sectionLine = long(i);
    } else if (parsed.Kind == TParsedLine::TKind::Pair && inSection &&
               SameTextAscii(parsed.Name, name)) {
      return long(i);
    }
  }
  return -1;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view name,
                                 std::string_view fallback) const {
  const long at = FindValueLine(section, name, nullptr);
  if (at < 0) return std::string(fallback);
  const std::string& text = lines_[size_t(at)].Text;
  const TParsedLine parsed = ParseLine(text, at == 0);
  return text.substr(parsed.ValueBegin, parsed.ValueEnd - parsed.ValueBegin);
}

void TIniFile::InsertLine(size_t at, std::string text) {
  // The line before may be the last of a file that did not end its last line.
  if (at > 0 && lines_[at - 1].Ending == TEnding::None) lines_[at - 1].Ending = newLine_;
  lines_.insert(lines_.begin() + long(at), TLine{std::move(text), newLine_});
}

bool TIniFile::WriteString(std::string_view section, std::string_view name,
                           std::string_view value) {
  try {
    lastError_ = err::kUnexpectedError;
    if (HasLineBreak(section) || section.find(']') != section.npos || HasSurroundingBlanks(section))
      return false;
    if (name.empty() || HasLineBreak(name) || name.find('=') != name.npos ||
        HasSurroundingBlanks(name) || name[0] == '[' || name[0] == ';' || name[0] == '#')
      return false;
    if (HasLineBreak(value)) return false;

    lastError_ = err::kOutOfMemory;
    long sectionLine = -1;
    const long at = FindValueLine(section, name, &sectionLine);
    if (at >= 0) {
      std::string& text = lines_[size_t(at)].Text;
      const TParsedLine parsed = ParseLine(text, at == 0);
      text.replace(parsed.ValueBegin, parsed.ValueEnd - parsed.ValueBegin, value);
      return true;
    }
    std::string pair = std::string(name) + "=" + std::string(value);
    if (sectionLine >= 0) {
      // After the section's last pair, so comments that lead into the next
      // section stay with it.
      size_t insertAt = size_t(sectionLine) + 1;
      for (size_t i = insertAt; i < lines_.size(); ++i) {
        const TParsedLine parsed = ParseLine(lines_[i].Text, false);
        if (parsed.Kind == TParsedLine::TKind::Section) break;
        if (parsed.Kind == TParsedLine::TKind::Pair) insertAt = i + 1;
      }
      InsertLine(insertAt, std::move(pair));
      return true;
    }
    if (!lines_.empty() && !Trim(lines_.back().Text).empty()) InsertLine(lines_.size(), "");
    InsertLine(lines_.size(), "[" + std::string(section) + "]");
    InsertLine(lines_.size(), std::move(pair));
    return true;
  } catch (const std::bad_alloc&) {
    lastError_ = err::kOutOfMemory;
    return false;
  }
}

}  // namespace lumigram
