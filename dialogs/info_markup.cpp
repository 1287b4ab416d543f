#include "dialogs/info_markup.h"

#include <algorithm>

#include "util/text.h"

namespace lumigram {

std::vector<TInfoLine> ParseInfoMarkup(const std::string& report) {
  std::string text = ReplaceAll(report, "<br>", "\r\n");
  text = ReplaceAll(text, "<li>", "   ");
  std::vector<TInfoLine> lines;
  if (text.empty()) return lines;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find("\r\n", start);
    std::string line =
        text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    TInfoLine shown;
    if (!line.empty() && line.front() == 'f') {
      const char digit = line.size() > 1 ? line[1] : '0';
      shown.Style = (digit >= '0' && digit <= '9') ? std::min(digit - '0', 2) : 0;
      line.erase(0, std::min<size_t>(2, line.size()));
    }
    shown.Text = std::move(line);
    lines.push_back(std::move(shown));
    if (end == std::string::npos) return lines;
    start = end + 2;
  }
}

}  // namespace lumigram
