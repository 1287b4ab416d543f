// Draws the program's desktop icon: lumigram-creator.svg and a PNG of each
// given size, named <size>.png, into the output folder.
//
//   make_app_icon OUTPUT-FOLDER SIZE...

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/content/app_icon.h"
#include "tools/content/output.h"

int main(int argc, char** argv) {
  using namespace lumigram::content;
  if (argc < 3) {
    std::fputs("usage: make_app_icon OUTPUT-FOLDER SIZE...\n", stderr);
    return 2;
  }
  const std::string folder = argv[1];
  const auto shapes = AppIconShapes();
  if (!WriteOutput(folder, "lumigram-creator.svg", AppIconSvg(shapes))) return 1;
  for (int i = 2; i < argc; ++i) {
    const int side = std::atoi(argv[i]);
    const std::string png = side >= 16 && side <= 1024 ? AppIconPng(shapes, side) : std::string();
    if (png.empty()) {
      std::fprintf(stderr, "make_app_icon: cannot draw a %s pixel icon\n", argv[i]);
      return 1;
    }
    if (!WriteOutput(folder, std::to_string(side) + ".png", png)) return 1;
  }
  return 0;
}
