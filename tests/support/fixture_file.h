#pragma once
// Reading the fixture files under tests/data. The callers return the bytes or
// the path, where an ASSERT cannot stop the test, so a missing file ends the
// running test with an exception (GoogleTest reports it as a failure) before
// anything uses what is not there.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace lumigram::testing {

[[noreturn]] inline void FailMissingFixture(const std::string& path) {
  throw std::runtime_error("missing test file " + path);
}

// The path itself, once it is known to exist.
inline std::string ExistingFixture(const std::string& path) {
  if (!std::filesystem::is_regular_file(path)) FailMissingFixture(path);
  return path;
}

inline std::string ReadFixture(const std::string& path) {
  std::ifstream file(ExistingFixture(path), std::ios::binary);
  if (!file) FailMissingFixture(path);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace lumigram::testing
