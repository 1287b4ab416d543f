#include "dialogs/file_filter.h"

#include "platform/qt/shown_text.h"
#include "util/text.h"

namespace lumigram {

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// The name without a "(...)" of its own at its end: the dialog shows the
// patterns it really matches there instead.
QString BareName(const std::string& name) {
  QString shown = ShownText(name).trimmed();
  if (shown.endsWith(QLatin1Char(')'))) {
    const qsizetype open = shown.lastIndexOf(QLatin1Char('('));
    if (open > 0) shown = shown.left(open).trimmed();
  }
  return shown;
}

}  // namespace

std::vector<TFilterEntry> ParseFilter(const std::string& filter) {
  std::vector<TFilterEntry> entries;
  if (filter.empty()) return entries;
  const std::vector<std::string> parts = Split(filter, '|');
  for (size_t i = 0; i < parts.size(); i += 2) {
    // A filter ending in "|" leaves one empty part behind.
    if (i + 1 == parts.size() && parts[i].empty()) break;
    TFilterEntry entry;
    entry.Name = parts[i];
    if (i + 1 < parts.size())
      for (const std::string& pattern : Split(parts[i + 1], ';'))
        if (const std::string clean = Trimmed(pattern); !clean.empty())
          entry.Patterns.push_back(clean);
    if (entry.Patterns.empty()) entry.Patterns.push_back("*");
    entries.push_back(std::move(entry));
  }
  return entries;
}

QStringList QtNameFilters(const std::string& filter) {
  QStringList filters;
  for (const TFilterEntry& entry : ParseFilter(filter)) {
    QStringList patterns;
    for (const std::string& pattern : entry.Patterns) {
      QString qt = ShownText(LowerAscii(pattern));
      if (qt == QLatin1String("*.*")) qt = QStringLiteral("*");
      if (!patterns.contains(qt)) patterns.push_back(qt);
    }
    QString name = BareName(entry.Name);
    const QString list = patterns.join(QLatin1Char(' '));
    filters.push_back(name.isEmpty() ? list
                                     : name + QStringLiteral(" (") + list + QLatin1Char(')'));
  }
  return filters;
}

int FilterIndexOf(const std::string& filter, const QString& nameFilter) {
  const QStringList filters = QtNameFilters(filter);
  const qsizetype index = filters.indexOf(nameFilter);
  return index < 0 ? 1 : int(index) + 1;
}

std::string SingleExtensionOf(const std::string& filter, int index) {
  const std::vector<TFilterEntry> entries = ParseFilter(filter);
  if (index < 1 || size_t(index) > entries.size()) return {};
  const std::vector<std::string>& patterns = entries[size_t(index) - 1].Patterns;
  if (patterns.size() != 1) return {};
  const std::string& pattern = patterns.front();
  if (pattern.size() < 3 || pattern.compare(0, 2, "*.") != 0) return {};
  const std::string ext = pattern.substr(2);
  if (ext.find_first_of("*?.[]") != std::string::npos) return {};
  return ext;
}

}  // namespace lumigram
