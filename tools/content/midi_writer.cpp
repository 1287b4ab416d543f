#include "tools/content/midi_writer.h"

#include <cctype>

namespace lumigram::content {

namespace {

void PutBig(std::string& out, uint32_t n, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out += char((n >> (8 * i)) & 0xFF);
}

// A delta time as MIDI's variable-length number: 7 bits a byte, high first.
void PutDelta(std::string& out, uint32_t n) {
  std::string bytes(1, char(n & 0x7F));
  while (n >>= 7) bytes.insert(bytes.begin(), char(0x80 | (n & 0x7F)));
  out += bytes;
}

void PutMeta(std::string& out, int type, const std::string& data) {
  PutDelta(out, 0);
  out += char(0xFF);
  out += char(type);
  PutDelta(out, uint32_t(data.size()));
  out += data;
}

std::string TrackChunk(std::string events) {
  events += std::string("\x00\xFF\x2F\x00", 4);  // end of track
  std::string out = "MTrk";
  PutBig(out, uint32_t(events.size()), 4);
  return out + events;
}

int LengthTicks(char letter) {
  switch (letter) {
    case 'w':
      return 4 * kTicksPerQuarter;
    case 'h':
      return 2 * kTicksPerQuarter;
    case 'q':
      return kTicksPerQuarter;
    case 'e':
      return kTicksPerQuarter / 2;
    case 's':
      return kTicksPerQuarter / 4;
    default:
      return 0;
  }
}

bool ParseNote(std::string_view token, TNote& note) {
  static constexpr int kSteps[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  size_t at = 0;
  if (token[0] == 'R') {
    note.Pitch = -1;
    at = 1;
  } else {
    if (token[0] < 'A' || token[0] > 'G') return false;
    int pitch = kSteps[token[0] - 'A'];
    at = 1;
    if (at < token.size() && (token[at] == '#' || token[at] == 'b'))
      pitch += token[at++] == '#' ? 1 : -1;
    if (at >= token.size() || !std::isdigit(static_cast<unsigned char>(token[at]))) return false;
    note.Pitch = 12 * (token[at++] - '0' + 1) + pitch;
  }
  if (at >= token.size()) return false;
  note.Ticks = LengthTicks(token[at++]);
  if (note.Ticks == 0) return false;
  if (at < token.size() && token[at] == '.') {
    note.Ticks += note.Ticks / 2;
    ++at;
  }
  return at == token.size();
}

}  // namespace

bool ParseNotes(std::string_view text, std::vector<TNote>& notes, std::string& problem) {
  size_t at = 0;
  while (at < text.size()) {
    if (std::isspace(static_cast<unsigned char>(text[at])) || text[at] == '|') {
      ++at;
      continue;
    }
    size_t end = at;
    while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])) &&
           text[end] != '|')
      ++end;
    const std::string_view token = text.substr(at, end - at);
    TNote note;
    if (!ParseNote(token, note)) {
      problem = "unknown note \"" + std::string(token) + "\"";
      return false;
    }
    notes.push_back(note);
    at = end;
  }
  return true;
}

bool WriteMidiFile(const TTune& tune, std::string& bytes, std::string& problem) {
  if (tune.Voices.empty() || tune.Voices.size() > 15 || tune.BeatsPerMinute <= 0) {
    problem = "a tune needs 1 to 15 voices and a tempo";
    return false;
  }
  std::string conductor;
  PutMeta(conductor, 0x03, tune.Title);
  std::string tempo;
  PutBig(tempo, uint32_t(60'000'000 / tune.BeatsPerMinute), 3);  // microseconds a beat
  PutMeta(conductor, 0x51, tempo);
  PutMeta(conductor, 0x58, std::string{char(tune.BeatsPerBar), 2, 24, 8});

  std::string out = "MThd";
  PutBig(out, 6, 4);
  PutBig(out, 1, 2);
  PutBig(out, uint32_t(tune.Voices.size() + 1), 2);
  PutBig(out, kTicksPerQuarter, 2);
  out += TrackChunk(conductor);

  for (size_t v = 0; v < tune.Voices.size(); ++v) {
    const TVoice& voice = tune.Voices[v];
    std::vector<TNote> notes;
    if (!ParseNotes(voice.Notes, notes, problem)) return false;
    const char channel = char(v);  // channel 10 (drums) is never reached
    std::string events;
    PutDelta(events, 0);
    events += char(0xC0 | channel);
    events += char(voice.Program & 0x7F);
    uint32_t pending = 0;  // rest time before the next event
    for (const TNote& note : notes) {
      if (note.Pitch < 0) {
        pending += uint32_t(note.Ticks);
        continue;
      }
      const int pitch = note.Pitch + voice.Transpose;
      if (pitch < 0 || pitch > 127) {
        problem = "a note beyond the MIDI range";
        return false;
      }
      // A short gap before the next note keeps repeated notes apart.
      const uint32_t sounding = uint32_t(note.Ticks) * 9 / 10;
      PutDelta(events, pending);
      events += char(0x90 | channel);
      events += char(pitch);
      events += char(voice.Velocity & 0x7F);
      PutDelta(events, sounding);
      events += char(0x80 | channel);
      events += char(pitch);
      events += char(0);
      pending = uint32_t(note.Ticks) - sounding;
    }
    out += TrackChunk(events);
  }
  bytes = std::move(out);
  return true;
}

}  // namespace lumigram::content
