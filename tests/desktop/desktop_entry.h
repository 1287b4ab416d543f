#pragma once
// A reader of desktop entry files strict enough for tests: groups, then
// key=value lines, comments and blank lines; anything else is an error.

#include <map>
#include <string>

namespace lumigram::testing {

struct TDesktopEntry {
  // Group name -> key -> value.
  std::map<std::string, std::map<std::string, std::string>> Groups;

  const std::string& Value(const std::string& key) const;
};

// False with a reason: a line that is neither, a key before the first
// group, a key or group given twice, a first group other than
// "Desktop Entry".
bool ParseDesktopEntry(const std::string& text, TDesktopEntry& entry, std::string& error);

}  // namespace lumigram::testing
