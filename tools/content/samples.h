#pragma once
// The other sample files of the library: tunes, messages, frame styles and
// pictures.

#include <span>
#include <vector>

#include "tools/content/icons.h"

namespace lumigram::content {

// Four traditional tunes; an empty list when one cannot be written.
std::vector<TNamedFile> MakeTunes();
// Seven messages for the usual occasions.
std::vector<TNamedFile> MakeMessages();
struct TStyleSample {
  const char* Name;         // the file's name
  const char* Code;         // the style code, a comment line first
  const char* Description;  // kept as the file's extra text
};
// The styles of those files, for the help's pictures too.
std::span<const TStyleSample> StyleSamples();

// Five frame styles beyond the built-in ones.
std::vector<TNamedFile> MakeFrameStyles();
// Two drawn scenes as JPEG pictures.
std::vector<TNamedFile> MakeScenes();

}  // namespace lumigram::content
