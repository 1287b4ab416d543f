#pragma once
// Message files (".msg") and the message's clipboard object: "MSG1.0", a
// zero byte, then five fields, not compressed: the font block, the lines
// (each followed by CR LF), the horizontal and vertical alignment as
// decimals and the flash flag.

#include <string>
#include <string_view>
#include <vector>

#include "card/lumigram_info.h"

namespace lumigram {

inline constexpr const char* kMessageMagic = "MSG1.0";

// The message of the record. Empty only when there is no memory.
std::string WriteMessageFile(const TLumigramInfo& info);

enum class TMessageFileResult {
  WrongMagic,  // nothing changed
  Incomplete,  // the fields read before the first missing one were applied
  Complete,
};

// Applies each field to the record as soon as it is read: the font, the
// text (tabs become five spaces, cut to kMessageMaxLength bytes), the two
// alignments (anything but 0 and 1 centres) and the flash flag.
TMessageFileResult ReadMessageFile(std::string_view bytes, TLumigramInfo& info);

// A plain text file taken as message text: the same tab and length rules.
std::vector<std::string> MessageLinesOfText(std::string_view text);

}  // namespace lumigram
