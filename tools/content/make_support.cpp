// Makes the sample files of the user's library into one folder:
//   make_support OUT_FOLDER

#include <cstdio>

#include "tools/content/icons.h"
#include "tools/content/output.h"
#include "tools/content/samples.h"

int main(int argc, char** argv) {
  using namespace lumigram::content;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_support OUT_FOLDER\n");
    return 2;
  }
  // How many of each kind the library expects; a short list means a maker failed.
  const std::pair<std::vector<TNamedFile>, size_t> groups[] = {
      {MakeIcons(), 10},   {MakeCursors(), 3},     {MakeTunes(), 4},
      {MakeMessages(), 7}, {MakeFrameStyles(), 5}, {MakeScenes(), 2},
  };
  for (const auto& [files, expected] : groups) {
    if (files.size() != expected) {
      std::fprintf(stderr, "make_support: made %zu files of a kind instead of %zu\n", files.size(),
                   expected);
      return 1;
    }
    for (const TNamedFile& file : files)
      if (!WriteOutput(argv[1], file.Name, file.Bytes)) return 1;
  }
  return 0;
}
