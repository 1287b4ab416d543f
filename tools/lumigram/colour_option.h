#pragma once
// Colours on the command line: "#RRGGBB" or a decimal colour value 0x00BBGGRR.

#include <string>

#include "util/colour.h"

namespace lumigram::cli {

bool ReadColourOption(const std::string& text, TColor& colour);

}  // namespace lumigram::cli
