#pragma once
// The viewer's command line: an optional card file to show instead of the
// card the program carries itself, after a few switches for testing and
// measuring.
//
//   lumigram-viewer [--audio-sink DESCRIPTION] [--first-paint-mark FILE] [--] [CARD-FILE]

#include <string>

namespace lumigram {

struct TViewerOptions {
  std::string CardFile;        // empty: the running program's own file
  std::string AudioSink;       // a GStreamer sink description; empty: the default output
  std::string FirstPaintMark;  // where to write the monotonic time of the first paint
};

// False with a text for the terminal when the line cannot be understood.
bool ParseViewerOptions(int argc, char** argv, TViewerOptions& options, std::string& error);

}  // namespace lumigram
