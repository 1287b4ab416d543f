#pragma once
// Writing the generated files, shared by the content generators.

#include <string>

namespace lumigram::content {

// Writes the bytes to folder + "/" + name; on failure prints why and
// returns false.
bool WriteOutput(const std::string& folder, const std::string& name, const std::string& bytes);

}  // namespace lumigram::content
