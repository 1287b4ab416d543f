#include "tests/desktop/desktop_entry.h"

#include <sstream>

namespace lumigram::testing {

const std::string& TDesktopEntry::Value(const std::string& key) const {
  static const std::string kNone;
  const auto group = Groups.find("Desktop Entry");
  if (group == Groups.end()) return kNone;
  const auto it = group->second.find(key);
  return it == group->second.end() ? kNone : it->second;
}

bool ParseDesktopEntry(const std::string& text, TDesktopEntry& entry, std::string& error) {
  std::istringstream lines(text);
  std::string line, group;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::string where = "line " + std::to_string(number) + ": ";
    if (line.empty() || line[0] == '#') continue;
    if (line.front() == '[') {
      if (line.back() != ']') return error = where + "unclosed group", false;
      group = line.substr(1, line.size() - 2);
      if (entry.Groups.empty() && group != "Desktop Entry")
        return error = where + "the first group is not [Desktop Entry]", false;
      if (entry.Groups.count(group)) return error = where + "group twice", false;
      entry.Groups[group];
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string::npos || equals == 0) return error = where + "not key=value", false;
    if (group.empty()) return error = where + "key before any group", false;
    std::string key = line.substr(0, equals), value = line.substr(equals + 1);
    while (!key.empty() && key.back() == ' ') key.pop_back();
    while (!value.empty() && value.front() == ' ') value.erase(0, 1);
    if (!entry.Groups[group].emplace(key, value).second) return error = where + "key twice", false;
  }
  if (entry.Groups.empty()) return error = "no [Desktop Entry] group", false;
  return true;
}

}  // namespace lumigram::testing
