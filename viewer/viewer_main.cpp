// The card viewer: the program at the front of every card file. It shows the
// card stored after its own bytes, or the card of a file it is given, which
// lets a person open a card from a stranger without running the program that
// card carries.

#include <fontconfig/fontconfig.h>
#include <time.h>

#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "card/lumigram.h"
#include "platform/gst/gst_sound_device.h"
#include "platform/x11/x11_app.h"
#include "platform/x11/x11_card_platform.h"
#include "util/files.h"
#include "util/text.h"
#include "viewer/viewer_options.h"

namespace {

// The monotonic clock in nanoseconds, which a benchmark compares with the
// moment it started the program.
void WriteFirstPaintMark(const std::string& file) {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  const long long nanoseconds = now.tv_sec * 1000000000LL + now.tv_nsec;
  std::string error;
  lumigram::WriteStringToFile(file, std::to_string(nanoseconds) + "\n", error);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lumigram;
  TViewerOptions options;
  std::string error;
  if (!ParseViewerOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "lumigram-viewer: %s\n", error.c_str());
    return 2;
  }
  // Reading fontconfig's configuration is the slowest step before the card
  // can be drawn (its labels need a font); it runs while the display opens.
  std::thread fonts([] { FcInit(); });
  TX11App app;
  const bool opened = app.Open("", error);
  fonts.join();
  if (!opened) {
    std::fprintf(stderr, "lumigram-viewer: %s\n", error.c_str());
    return 1;
  }

  TGstSoundOptions sound;
  sound.AudioSink = options.AudioSink;
  TX11CardPlatform platform(
      app, [&app, sound] { return std::make_unique<TGstSoundDevice>(app, sound); });
  if (!options.FirstPaintMark.empty())
    platform.SetFirstPaintHook([file = options.FirstPaintMark] { WriteFirstPaintMark(file); });

  TLumigram card(platform, TCardWindowKind::Standalone);
  const std::string file = options.CardFile.empty() ? platform.ProgramFile() : options.CardFile;
  if (!card.LoadFromFile(file, kCardDataOffset + 1)) {
    // Also for whoever started it from a terminal or a script.
    std::fprintf(stderr, "lumigram-viewer: %s: %s\n", file.c_str(), card.LastError().c_str());
    card.ShowLastError();
    card.Destroy();
    return 1;
  }
  card.CentreAndShow();
  if (card.CanPlay()) card.Play();
  app.Run();
  return 0;
}
