#pragma once
// Standard MIDI files (format 1) from tunes written in a small note
// notation, for the sample sounds.
//
// Notation: notes separated by blanks; "|" (bar lines) is ignored. A note is
// a letter A-G, an optional "#" or "b", an octave digit (C4 is middle C),
// then its length: w whole, h half, q quarter, e eighth, s sixteenth, with an
// optional "." for dotted. "R" with a length is a rest: "Rq".

#include <string>
#include <string_view>
#include <vector>

namespace lumigram::content {

struct TNote {
  int Pitch = -1;  // MIDI note number; -1 for a rest
  int Ticks = 0;
};

struct TVoice {
  std::string Notes;  // in the notation above
  int Program = 0;    // General MIDI instrument, 0-based
  int Velocity = 90;
  int Transpose = 0;  // semitones added to every note
};

struct TTune {
  std::string Title;
  int BeatsPerMinute = 100;
  int BeatsPerBar = 4;
  std::vector<TVoice> Voices;  // each on its own track and channel
};

// Ticks of a quarter note in the files written.
inline constexpr int kTicksPerQuarter = 480;

// Parses notation; false, with the offending token in problem, for anything
// it does not know.
bool ParseNotes(std::string_view text, std::vector<TNote>& notes, std::string& problem);

// The file: a conductor track (title, tempo, metre) and one track per voice.
bool WriteMidiFile(const TTune& tune, std::string& bytes, std::string& problem);

}  // namespace lumigram::content
