#pragma once
// The pieces a card's message is stored in: the font block and the message
// lines, shared by the card data and the message files.

#include <string>
#include <string_view>
#include <vector>

#include "imaging/text/font.h"

namespace lumigram {

// Five fields: character set (4 bytes), colour (4 bytes), height (4 bytes,
// signed), face name, style ("1" or "0" for bold, italic, underline,
// strike-out).
std::string WriteFontBlock(const TFont& font);
// Sets the font's stored properties from a block. A value shorter than its
// 4 bytes reads as 0, missing style characters as "0"; false, with the font
// unchanged, when one of the five fields is missing or cut short.
bool ReadFontBlock(std::string_view block, TFont& font);

// A field of a stored card or message: unlike ReadField, fewer than 4 bytes
// left is no field at all, so data cut off between two fields fails too.
bool ReadStoredField(std::string_view text, size_t& offset, std::string& field);

// Each line followed by CR LF.
std::string JoinMessageLines(const std::vector<std::string>& lines);
// Cuts the text to kMessageMaxLength bytes, then splits it at CR LF, CR or
// LF; a break at the very end starts no further line.
std::vector<std::string> SplitMessageText(std::string_view text);

}  // namespace lumigram
