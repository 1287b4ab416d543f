#pragma once
// Dialog filters as the editor writes them ("name|patterns|name|patterns",
// patterns separated by ";") and as Qt's file dialog takes them
// ("name (pattern pattern)").

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace lumigram {

struct TFilterEntry {
  std::string Name;
  // Each pattern on its own, without the ";" separators.
  std::vector<std::string> Patterns;
};

// The entries in order; a trailing name without patterns gets "*".
std::vector<TFilterEntry> ParseFilter(const std::string& filter);

// One Qt name filter per entry, in the same order, so that entry i (0-based)
// of the filter is name filter i. The entry's own "(...)" is replaced by the
// patterns Qt matches: lower case (Qt's dialog ignores case), "*.*" as "*".
QStringList QtNameFilters(const std::string& filter);

// The 1-based index of a name filter among those of the filter; 1 when it
// is not one of them.
int FilterIndexOf(const std::string& filter, const QString& nameFilter);

// The extension that entry index (1-based) stands for when it names exactly
// one concrete extension ("*.jpg" gives "jpg"); empty otherwise.
std::string SingleExtensionOf(const std::string& filter, int index);

}  // namespace lumigram
