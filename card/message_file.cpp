#include "card/message_file.h"

#include "card/message_text.h"
#include "util/fields.h"
#include "util/text.h"

namespace lumigram {

std::string WriteMessageFile(const TLumigramInfo& info) {
  try {
    std::string data = kMessageMagic;
    data += '\0';
    AppendField(data, WriteFontBlock(info.Font));
    AppendField(data, JoinMessageLines(info.Message));
    AppendField(data, IntToText(info.HAlign));
    AppendField(data, IntToText(info.VAlign));
    AppendField(data, BoolToText(info.Flash));
    return data;
  } catch (...) {
    return {};
  }
}

std::vector<std::string> MessageLinesOfText(std::string_view text) {
  return SplitMessageText(ReplaceAll(text, "\t", "     "));
}

TMessageFileResult ReadMessageFile(std::string_view bytes, TLumigramInfo& info) {
  const size_t zero = bytes.find('\0');
  if (zero == std::string_view::npos || bytes.substr(0, zero) != kMessageMagic)
    return TMessageFileResult::WrongMagic;
  const std::string_view rest = bytes.substr(zero + 1);
  size_t offset = 0;
  std::string field;
  auto next = [&] { return ReadStoredField(rest, offset, field); };
  if (!next() || !ReadFontBlock(field, info.Font)) return TMessageFileResult::Incomplete;
  if (!next()) return TMessageFileResult::Incomplete;
  info.Message = MessageLinesOfText(field);
  if (!next()) return TMessageFileResult::Incomplete;
  info.HAlign = AlignmentOf(ReadNumber(field));
  if (!next()) return TMessageFileResult::Incomplete;
  info.VAlign = AlignmentOf(ReadNumber(field));
  if (!next()) return TMessageFileResult::Incomplete;
  info.Flash = TextIsOne(field);
  return TMessageFileResult::Complete;
}

}  // namespace lumigram
