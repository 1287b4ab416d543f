#pragma once
// The About box of a card: who made the card and what made it.

#include <string>
#include <string_view>

namespace lumigram {

// A creator text line starts with its delimiter character; every stretch of
// the rest enclosed by two delimiters is translated, the delimiters dropped.
// Lines of one character stay as they are.
std::string TranslateCreatorInfo(std::string_view creatorInfo);

// The box's text: the author block (left out for an empty author), then the
// creator heading and the translated creator text.
std::string AboutText(std::string_view author, std::string_view creatorInfo);

// The creator text a card made by this program carries: four lines, the
// second ending with the version.
std::string DefaultCreatorInfo();

}  // namespace lumigram
