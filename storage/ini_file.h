#pragma once
// A Windows-style INI text: "[Section]" headers, name=value lines, ";" and
// "#" comments, CR LF or LF line ends. Section and value names compare
// ignoring ASCII case; values are kept as written, minus surrounding blanks.
// The text is held line by line, so writing a value changes only the line
// it lives on (or adds one): everything else the user put in the file, known
// or not, comments and order included, is written back unchanged.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumigram {

class TIniFile {
 public:
  // No settings file comes anywhere near this; a larger one is not ours.
  static constexpr int64_t kMaxFileBytes = int64_t(1) << 20;

  void SetText(std::string_view text);
  std::string Text() const;

  // "File not found", "File in use", or "Out of memory" when the file is
  // larger than kMaxFileBytes. The content is unchanged on failure.
  bool LoadFromFile(const std::string& path);
  // Atomic: the file is either replaced whole or left as it was.
  bool SaveToFile(const std::string& path);

  bool SectionExists(std::string_view section) const;
  // The name=value pairs of every section of that name, in file order.
  std::vector<std::pair<std::string, std::string>> ReadSection(std::string_view section) const;
  // The first value of that name in a section of that name; fallback if none.
  std::string ReadString(std::string_view section, std::string_view name,
                         std::string_view fallback = {}) const;
  // Replaces the value ReadString would find, else adds the pair at the end
  // of the section, else adds the section at the end. False (nothing
  // changed) when a name or value could not be read back as written: line
  // breaks anywhere, "]" in a section, "=" in a name, surrounding blanks.
  bool WriteString(std::string_view section, std::string_view name, std::string_view value);

  const std::string& LastError() const { return lastError_; }

 private:
  enum class TEnding : uint8_t { None, Lf, CrLf };
  struct TLine {
    std::string Text;
    TEnding Ending = TEnding::None;
  };

  // The line of the first pair called name in a section called section, or
  // -1; sectionLine receives the header of the first such section, or -1.
  long FindValueLine(std::string_view section, std::string_view name, long* sectionLine) const;
  void InsertLine(size_t at, std::string text);

  std::vector<TLine> lines_;
  TEnding newLine_ = TEnding::CrLf;  // for added lines: the file's own style
  std::string lastError_;
};

}  // namespace lumigram
