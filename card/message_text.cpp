#include "card/message_text.h"

#include "card/lumigram_info.h"
#include "util/fields.h"

namespace lumigram {

bool ReadStoredField(std::string_view text, size_t& offset, std::string& field) {
  if (offset > text.size() || text.size() - offset < 4) return false;
  return ReadField(text, offset, field);
}

std::string WriteFontBlock(const TFont& font) {
  std::string block;
  AppendField(block, IntToBytes4(font.Charset));
  AppendField(block, IntToBytes4(int32_t(font.Color)));
  AppendField(block, IntToBytes4(font.Height));
  AppendField(block, font.Name);
  std::string style;
  for (bool on : {font.Bold, font.Italic, font.Underline, font.StrikeOut}) style += on ? '1' : '0';
  AppendField(block, style);
  return block;
}

bool ReadFontBlock(std::string_view block, TFont& font) {
  std::string charset, colour, height, name, style;
  size_t offset = 0;
  for (std::string* field : {&charset, &colour, &height, &name, &style})
    if (!ReadStoredField(block, offset, *field)) return false;
  font.Charset = Bytes4ToInt(charset);
  font.Color = TColor(Bytes4ToInt(colour));
  font.Height = Bytes4ToInt(height);
  font.Name = name;
  style.resize(4, '0');
  font.Bold = style[0] == '1';
  font.Italic = style[1] == '1';
  font.Underline = style[2] == '1';
  font.StrikeOut = style[3] == '1';
  return true;
}

std::string JoinMessageLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::vector<std::string> SplitMessageText(std::string_view text) {
  text = text.substr(0, kMessageMaxLength);
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

}  // namespace lumigram
