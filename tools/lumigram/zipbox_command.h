#pragma once
// `lumigram zipbox`: lists, extracts and creates zip boxes.

#include <string>
#include <vector>

namespace lumigram::cli {

extern const char* const kZipBoxUsage;
int RunZipBox(const std::vector<std::string>& args);

}  // namespace lumigram::cli
