#pragma once
// The information window's mark-up: one line per report line, "<br>" breaks
// a line, "<li>" indents it, and a line starting with "f" and a digit picks
// one of three styles (0 blue, 1 black, 2 red and bold).

#include <string>
#include <vector>

namespace lumigram {

struct TInfoLine {
  int Style = 0;
  std::string Text;

  friend bool operator==(const TInfoLine&, const TInfoLine&) = default;
};

// The lines a report text (lines separated by CR LF) shows.
std::vector<TInfoLine> ParseInfoMarkup(const std::string& report);

}  // namespace lumigram
