#pragma once
// Small sound files built byte by byte, so the tests need no sample files.

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

namespace lumigram::testing {

inline void PutLE(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += char((value >> (8 * i)) & 0xFF);
}

inline void PutBE(std::string& out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out += char((value >> (8 * i)) & 0xFF);
}

// A 440 Hz sine: 16-bit mono PCM at 8000 samples a second.
inline std::string SineWav(double seconds) {
  constexpr uint32_t kRate = 8000;
  const auto samples = uint32_t(seconds * kRate);
  std::string data;
  for (uint32_t i = 0; i < samples; ++i)
    PutLE(data, uint16_t(int16_t(8000 * std::sin(2 * std::numbers::pi * 440.0 * i / kRate))), 2);
  std::string wav = "RIFF";
  PutLE(wav, 36 + uint32_t(data.size()), 4);
  wav += "WAVEfmt ";
  PutLE(wav, 16, 4);
  PutLE(wav, 1, 2);  // PCM
  PutLE(wav, 1, 2);  // mono
  PutLE(wav, kRate, 4);
  PutLE(wav, kRate * 2, 4);
  PutLE(wav, 2, 2);
  PutLE(wav, 16, 2);
  wav += "data";
  PutLE(wav, uint32_t(data.size()), 4);
  return wav + data;
}

// One track that holds middle C for a quarter note (a quarter second at the
// default tempo).
inline std::string OneNoteMidi() {
  const std::string track = {
      '\x00', '\x90', '\x3C', '\x64',  // note on
      '\x60', '\x80', '\x3C', '\x00',  // 96 ticks later: note off
      '\x00', '\xFF', '\x2F', '\x00'   // end of track
  };
  std::string midi = "MThd";
  PutBE(midi, 6, 4);
  PutBE(midi, 0, 2);   // format 0
  PutBE(midi, 1, 2);   // one track
  PutBE(midi, 96, 2);  // ticks per quarter note
  midi += "MTrk";
  PutBE(midi, uint32_t(track.size()), 4);
  return midi + track;
}

}  // namespace lumigram::testing
