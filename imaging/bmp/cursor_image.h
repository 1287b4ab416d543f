#pragma once
// Mouse cursors from .cur, .ico and .ani files, decoded into plain frames of
// 32-bit ARGB pixels with their hot spots and timing, for the front ends to
// turn into real cursors.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumigram {

struct TCursorFrame {
  int Width = 0;
  int Height = 0;
  // The pixel that points; inside the frame.
  int HotSpotX = 0;
  int HotSpotY = 0;
  // 0xAARRGGBB, not premultiplied, rows top to bottom. Pixels that invert
  // the screen (which ARGB cannot express) are opaque black.
  std::vector<uint32_t> Pixels;
};

struct TCursorImage {
  std::vector<TCursorFrame> Frames;
  // The steps of the animation: the frame shown (an index into Frames) and
  // for how long, in jiffies of 1/60 s. A still cursor has one step of 0.
  std::vector<int> Sequence;
  std::vector<int> Rates;

  bool Animated() const { return Sequence.size() > 1; }
};

// Caps on what one file may unpack to.
inline constexpr int kMaxCursorFrames = 1024;
inline constexpr int kMaxCursorSteps = 4096;
inline constexpr int64_t kMaxCursorPixels = int64_t(1) << 24;  // all frames together
// The size a cursor is usually shown at.
inline constexpr int kDefaultCursorSide = 32;

// Reads a cursor (.cur), icon (.ico) or animated cursor (.ani, a RIFF "ACON"
// file), told apart by their first bytes. Of the images in one icon or
// cursor, the one whose longer side is nearest to preferredSide is taken (0:
// the largest); icons point with their centre. On failure the cursor is
// unchanged and error is "Unknown format" or "Out of memory".
bool ReadCursorFile(std::string_view bytes, TCursorImage& cursor, std::string& error,
                    int preferredSide = kDefaultCursorSide);
// ReadCursorFile on a file's bytes; also "File not found" and "File in use".
bool LoadCursorFile(const std::string& path, TCursorImage& cursor, std::string& error,
                    int preferredSide = kDefaultCursorSide);

}  // namespace lumigram
