#include "viewer/viewer_options.h"

#include <string_view>

namespace lumigram {

bool ParseViewerOptions(int argc, char** argv, TViewerOptions& options, std::string& error) {
  bool switches = true;
  for (int i = 1; i < argc; ++i) {
    const std::string_view word = argv[i];
    if (switches && word == "--") {
      switches = false;
    } else if (switches && (word == "--audio-sink" || word == "--first-paint-mark")) {
      if (i + 1 >= argc) {
        error = std::string(word) + " needs a value";
        return false;
      }
      (word == "--audio-sink" ? options.AudioSink : options.FirstPaintMark) = argv[++i];
    } else if (switches && word.size() > 1 && word[0] == '-') {
      error = "unknown switch " + std::string(word);
      return false;
    } else if (options.CardFile.empty()) {
      options.CardFile = word;
      switches = false;
    } else {
      error = "one card file at a time";
      return false;
    }
  }
  return true;
}

}  // namespace lumigram
