#pragma once
// Frame files (".frm", "FRM1.0": size, colour, style code and extra text) and
// frame style files (".frs", "FRS1.0": style code and extra text only). After
// the magic and one zero byte comes the body of length-prefixed fields,
// scrambled as a whole under the program's frame key.

#include <cstdint>
#include <string>
#include <string_view>

#include "frames/frame_info.h"

namespace lumigram {

inline constexpr std::string_view kFrameFileMagic = "FRM1.0";
inline constexpr std::string_view kFrameStyleFileMagic = "FRS1.0";
// Frame files are a few hundred bytes; anything near this is not one.
inline constexpr int64_t kMaxFrameFileBytes = int64_t(16) << 20;

// The fixed key frame file bodies are scrambled under (99 printable characters).
std::string_view FrameFileKey();

class TFrame {
 public:
  TFrame() { Reset(); }

  // Silver, 52 pixels, the "Modern" style, no extra text.
  void Reset();
  // Takes the settings, keeping Size within 0..255.
  void Assign(const TFrameInfo& settings);
  const TFrameInfo& Settings() const { return settings_; }

  // The file image for the magic ("FRM1.0" or "FRS1.0"). On failure the
  // settings return to the defaults.
  bool ToBytes(std::string_view magic, std::string& bytes);
  // Reads a file image of either kind: a frame file sets all four fields, a
  // frame style file only Code and Extra. On failure the settings return to
  // the defaults.
  bool FromBytes(std::string_view bytes);

  // A frame style file when the path's extension is "frs" in any case, else
  // a frame file.
  bool WriteToFile(const std::string& path);
  bool ReadFromFile(const std::string& path);

  const std::string& ErrorText() const { return errorText_; }

 private:
  bool Fail();

  TFrameInfo settings_;
  std::string errorText_;
};

}  // namespace lumigram
