#pragma once
// The sample icons and animated cursors of the library: small pictures for
// cards of love, luck, birthdays, winter and summer.

#include <string>
#include <vector>

namespace lumigram::content {

struct TNamedFile {
  std::string Name;
  std::string Bytes;
};

// Ten icons, each at 16, 32 and 48 pixels.
std::vector<TNamedFile> MakeIcons();
// Three animated cursors of 32 pixels.
std::vector<TNamedFile> MakeCursors();

}  // namespace lumigram::content
