#pragma once
// The two ways every visible text is translated: Translate through the main
// table (main menu, error boxes, splash window, picture format names) and
// TranslateLite through the light table (everything else). Without language
// files a text comes back as it is, except that an accelerator "&" moves to
// the first occurrence of its letter.

#include <string>
#include <string_view>

namespace lumigram {

std::string Translate(std::string_view text);
std::string Translate(std::string_view text, bool& allFound);
std::string TranslateLite(std::string_view text);
std::string TranslateLite(std::string_view text, bool& allFound);

// Loads both shared tables again from the settings folder (creating them if
// they are not yet), for tests and for a changed language file.
void ReloadSharedLanguages();

}  // namespace lumigram
