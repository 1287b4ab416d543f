#pragma once
// One language pair as the build embedded it (see CMakeLists.txt, which
// generates the table).

#include <cstddef>

namespace lumigram {

struct TEmbeddedLanguage {
  const char* Key;
  const char* MainBegin;
  const char* MainEnd;
  const char* LightBegin;
  const char* LightEnd;
};

extern const TEmbeddedLanguage kEmbeddedLanguages[];
extern const size_t kEmbeddedLanguageCount;

}  // namespace lumigram
