#include "frames/style_code.h"

#include <algorithm>

#include "util/text.h"

namespace lumigram {

TBandFields SplitBandLine(std::string_view line) {
  TBandFields fields;
  std::string_view rest = line;
  bool more = true;
  while (more && fields.Count < 3) {
    const size_t comma = rest.find(',');
    if (comma != std::string_view::npos && comma + 1 < rest.size()) {
      fields.Field[size_t(fields.Count)] = rest.substr(0, comma);
      rest.remove_prefix(comma + 1);
    } else {
      fields.Field[size_t(fields.Count)] = rest;
      more = false;
    }
    ++fields.Count;
  }
  return fields;
}

int WidthPercent(std::string_view field, int remaining) {
  if (field.empty() || field == "d") return 100;
  if (field == "r") return std::max(remaining, 0);
  return std::clamp<int32_t>(ReadNumber(field), 0, 100);
}

TColor BandColour(std::string_view field, TColor base) {
  if (field.empty() || field == "d") return base;
  if (field[0] == 's') return MixColor(ReadNumber(field.substr(1)), base, kBlack);
  return TColor(ReadNumber(field));
}

bool TStyleCodeReader::NextLine(std::string_view& line) {
  if (rest_.empty()) return false;
  const size_t end = rest_.find_first_of("\r\n");
  line = rest_.substr(0, end);
  if (end == std::string_view::npos) {
    rest_ = {};
  } else {
    const bool crlf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
    rest_.remove_prefix(end + (crlf ? 2 : 1));
  }
  return true;
}

bool TStyleCodeReader::Next(TFrameBand& band) {
  if (done_) return false;
  std::string_view line;
  while (NextLine(line)) {
    if (line.empty() || line.substr(0, 2) == "//") continue;
    const TBandFields fields = SplitBandLine(line);
    band.Percent = WidthPercent(fields.Field[0], remaining_);
    band.Outer = fields.Count > 1 ? BandColour(fields.Field[1], base_) : kBlack;
    band.Inner = fields.Count > 2 ? BandColour(fields.Field[2], base_) : kBlack;
    remaining_ = std::max(remaining_ - band.Percent, 0);
    done_ = remaining_ == 0;
    return true;
  }
  done_ = true;
  return false;
}

}  // namespace lumigram
