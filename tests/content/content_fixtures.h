#pragma once
// The generated content the build left under LUMIGRAM_CONTENT_DIR.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "util/files.h"

namespace lumigram::testing {

inline std::string ContentPath(const std::string& relative) {
  return std::string(LUMIGRAM_CONTENT_DIR) + "/" + relative;
}

inline std::string SourcePath(const std::string& relative) {
  return std::string(LUMIGRAM_SOURCE_DIR) + "/" + relative;
}

inline std::string ReadWhole(const std::string& path) {
  std::string bytes, error;
  EXPECT_TRUE(ReadFileToString(path, bytes, error)) << path << ": " << error;
  return bytes;
}

inline std::vector<std::string> SplitList(const std::string& list) {
  std::vector<std::string> items;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = list.find(',', start);
    const size_t end = comma == std::string::npos ? list.size() : comma;
    if (end > start) items.push_back(list.substr(start, end - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return items;
}

inline std::string Extension(const std::string& name) {
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? "" : name.substr(dot + 1);
}

}  // namespace lumigram::testing
