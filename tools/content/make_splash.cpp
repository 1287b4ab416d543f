// Makes the splash picture:
//   make_splash OUT_FILE

#include <cstdio>
#include <string>

#include "imaging/jpeg/jpeg_writer.h"
#include "tools/content/output.h"
#include "tools/content/scenes.h"

int main(int argc, char** argv) {
  using namespace lumigram;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_splash OUT_FILE\n");
    return 2;
  }
  // As wide as the program's archive carriers; tall enough for six lines of
  // text under the picture's sky.
  const TBitmap picture = content::SplashPicture(334, 220);
  std::string bytes, error;
  if (!WriteJpeg(picture, 90, bytes, error)) {
    std::fprintf(stderr, "make_splash: %s\n", error.c_str());
    return 1;
  }
  const std::string path = argv[1];
  const size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  return content::WriteOutput(folder, path.substr(slash + 1), bytes) ? 0 : 1;
}
