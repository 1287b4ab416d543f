// Traditional melodies, long out of copyright everywhere, with a plain bass.

#include <cstdio>

#include "tools/content/midi_writer.h"
#include "tools/content/samples.h"

namespace lumigram::content {

namespace {

constexpr int kMusicBox = 10;
constexpr int kCelesta = 8;
constexpr int kPiano = 0;
constexpr int kGlockenspiel = 9;
constexpr int kAcousticBass = 32;

// Beethoven's Ode to Joy (1824).
TTune OdeToJoy() {
  return {"Ode to Joy",
          112,
          4,
          {{"E5q E5q F5q G5q | G5q F5q E5q D5q | C5q C5q D5q E5q | E5q. D5e D5h |"
            "E5q E5q F5q G5q | G5q F5q E5q D5q | C5q C5q D5q E5q | D5q. C5e C5h |"
            "D5q D5q E5q C5q | D5q E5e F5e E5q C5q | D5q E5e F5e E5q D5q | C5q D5q G4h |"
            "E5q E5q F5q G5q | G5q F5q E5q D5q | C5q C5q D5q E5q | D5q. C5e C5h",
            kCelesta, 96, 0},
           {"C3w | G2w | C3w | G2w | C3w | G2w | C3w | G2h C3h |"
            "G2w | G2h C3h | G2h C3h | C3h G2h | C3w | G2w | C3w | G2h C3h",
            kPiano, 62, 0}}};
}

// Twinkle, Twinkle, Little Star (an eighteenth-century French air).
TTune Twinkle() {
  return {"Twinkle, Twinkle, Little Star",
          100,
          4,
          {{"C5q C5q G5q G5q | A5q A5q G5h | F5q F5q E5q E5q | D5q D5q C5h |"
            "G5q G5q F5q F5q | E5q E5q D5h | G5q G5q F5q F5q | E5q E5q D5h |"
            "C5q C5q G5q G5q | A5q A5q G5h | F5q F5q E5q E5q | D5q D5q C5h",
            kMusicBox, 100, 0},
           {"C3w | F2h C3h | F2h C3h | G2h C3h | C3h F2h | C3h G2h | C3h F2h | C3h G2h |"
            "C3w | F2h C3h | F2h C3h | G2h C3h",
            kPiano, 58, 0}}};
}

// Jingle Bells (James Lord Pierpont, 1857), the refrain.
TTune JingleBells() {
  return {"Jingle Bells",
          150,
          4,
          {{"E5q E5q E5h | E5q E5q E5h | E5q G5q C5q. D5e | E5w |"
            "F5q F5q F5q. F5e | F5q E5q E5q E5e E5e | E5q D5q D5q E5q | D5h G5h |"
            "E5q E5q E5h | E5q E5q E5h | E5q G5q C5q. D5e | E5w |"
            "F5q F5q F5q. F5e | F5q E5q E5q E5e E5e | G5q G5q F5q D5q | C5w",
            kGlockenspiel, 100, 0},
           {"C3h G2h | C3h G2h | C3h G2h | C3h G2h | F2h C3h | C3h G2h | D3h A2h | G2h D3h |"
            "C3h G2h | C3h G2h | C3h G2h | C3h G2h | F2h C3h | C3h G2h | G2h G2h | C3w",
            kAcousticBass, 70, 0}}};
}

// Auld Lang Syne (a Scottish air, words by Robert Burns, 1788).
TTune AuldLangSyne() {
  return {"Auld Lang Syne",
          84,
          4,
          {{"C4q | F4q. F4e F4q A4q | G4q. F4e G4q A4q | F4q. F4e A4q C5q | D5h. D5q |"
            "C5q. A4e A4q F4q | G4q. F4e G4q A4q | F4q. D4e D4q C4q | F4h. D5q |"
            "C5q. A4e A4q F4q | G4q. F4e G4q D5q | C5q. A4e A4q C5q | D5h. D5q |"
            "C5q. A4e A4q F4q | G4q. F4e G4q A4q | F4q. D4e D4q C4q | F4h.",
            kMusicBox, 100, 12},
           {"Rq | F2w | C3w | F2w | Bb2w | F2w | C3w | D3h C3h | F2w |"
            "F2w | C3w | F2w | Bb2w | F2w | C3w | D3h C3h | F2h.",
            kPiano, 60, 0}}};
}

}  // namespace

std::vector<TNamedFile> MakeTunes() {
  const std::pair<const char*, TTune> tunes[] = {
      {"odetojoy.mid", OdeToJoy()},
      {"twinkle.mid", Twinkle()},
      {"jinglebells.mid", JingleBells()},
      {"auldlangsyne.mid", AuldLangSyne()},
  };
  std::vector<TNamedFile> files;
  for (const auto& [name, tune] : tunes) {
    std::string bytes, problem;
    if (!WriteMidiFile(tune, bytes, problem)) {
      std::fprintf(stderr, "%s: %s\n", name, problem.c_str());
      return {};
    }
    files.push_back({name, bytes});
  }
  return files;
}

}  // namespace lumigram::content
