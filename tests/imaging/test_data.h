#pragma once
// Files under tests/data, found through LUMIGRAM_TEST_DATA, which the test
// registration sets.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/fixture_file.h"

namespace lumigram::testing {

// The bytes of tests/data/<relative>; fails the test when it cannot be read.
inline std::string ReadTestData(const std::string& relative) {
  const char* root = std::getenv("LUMIGRAM_TEST_DATA");
  const std::string path = std::string(root ? root : "tests/data") + "/" + relative;
  return ReadFixture(path);
}

}  // namespace lumigram::testing
