// The note notation the sample tunes are written in.

#include <gtest/gtest.h>

#include "tools/content/midi_writer.h"

namespace lumigram::content {
namespace {

TEST(MidiNotation, NotesRestsAccidentalsAndDottedLengths) {
  std::vector<TNote> notes;
  std::string problem;
  ASSERT_TRUE(ParseNotes("C4q. | Rq Bb3e F#5w  A0s", notes, problem)) << problem;
  ASSERT_EQ(notes.size(), 5u);
  EXPECT_EQ(notes[0].Pitch, 60);  // middle C
  EXPECT_EQ(notes[0].Ticks, kTicksPerQuarter * 3 / 2);
  EXPECT_EQ(notes[1].Pitch, -1);
  EXPECT_EQ(notes[1].Ticks, kTicksPerQuarter);
  EXPECT_EQ(notes[2].Pitch, 58);
  EXPECT_EQ(notes[2].Ticks, kTicksPerQuarter / 2);
  EXPECT_EQ(notes[3].Pitch, 78);
  EXPECT_EQ(notes[3].Ticks, 4 * kTicksPerQuarter);
  EXPECT_EQ(notes[4].Pitch, 21);  // the piano's lowest key
}

TEST(MidiNotation, UnknownTokensAreRefusedByName) {
  for (const char* bad : {"H4q", "C4", "C4x", "Cq", "C4q..", "R"}) {
    std::vector<TNote> notes;
    std::string problem;
    EXPECT_FALSE(ParseNotes(std::string("C4q ") + bad, notes, problem)) << bad;
    EXPECT_NE(problem.find(bad), std::string::npos) << problem;
  }
}

TEST(MidiNotation, NotesBeyondTheMidiRangeAreRefused) {
  TTune tune{"High", 120, 4, {{"G9q", 0, 90, 12}}};
  std::string bytes, problem;
  EXPECT_FALSE(WriteMidiFile(tune, bytes, problem));
  EXPECT_TRUE(bytes.empty());
}

}  // namespace
}  // namespace lumigram::content
