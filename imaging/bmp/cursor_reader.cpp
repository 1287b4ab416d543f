#include "imaging/bmp/cursor_image.h"

#include <algorithm>
#include <new>

#include "imaging/bitmap/le_bytes.h"
#include "imaging/bmp/icon_format.h"
#include "util/error_texts.h"
#include "util/files.h"

namespace lumigram {

namespace {

// An animated cursor can hold kMaxCursorFrames full icons; anything larger
// is not a cursor.
constexpr int64_t kMaxCursorFileBytes = int64_t(64) << 20;

constexpr size_t kAniHeaderSize = 36;

// The image of an icon or cursor file that a cursor shows.
bool ChooseImage(std::string_view bytes, int preferredSide, icon::TIconEntry& entry) {
  int type = 0;
  std::vector<icon::TIconEntry> entries;
  if (!icon::ReadIconDirectory(bytes, type, entries)) return false;
  entry = entries[icon::ChooseIconEntry(entries, preferredSide)];
  return true;
}

bool DecodeFrame(std::string_view bytes, const icon::TIconEntry& entry, TCursorFrame& frame,
                 std::string& error) {
  icon::TIconPixels pixels;
  if (!icon::DecodeIconEntry(bytes, entry, pixels, error)) return false;
  for (size_t i = 0; i < pixels.Argb.size(); ++i)
    if (pixels.Invert[i]) pixels.Argb[i] = 0xFF000000;
  frame.Width = pixels.Width;
  frame.Height = pixels.Height;
  frame.HotSpotX = entry.HotSpotX;
  frame.HotSpotY = entry.HotSpotY;
  frame.Pixels = std::move(pixels.Argb);
  return true;
}

struct TChunk {
  std::string_view Id;
  std::string_view Data;
};

// Takes the next chunk off the front of rest. False at the end, and with
// `broken` set when a chunk claims more bytes than remain. Every chunk takes
// at least its 8-byte head, so walking the chunks always ends.
bool NextChunk(std::string_view& rest, TChunk& chunk, bool& broken) {
  if (rest.size() < 8) return false;  // trailing bytes too short for a chunk are ignored
  const uint64_t size = le::U32(rest, 4);
  if (size > rest.size() - 8) {
    broken = true;
    return false;
  }
  chunk.Id = rest.substr(0, 4);
  chunk.Data = rest.substr(8, size_t(size));
  rest.remove_prefix(std::min<size_t>(rest.size(), 8 + size + (size & 1)));  // even padding
  return true;
}

struct TAniChunks {
  std::string_view Header;
  std::string_view Rates;
  std::string_view Sequence;
  std::vector<std::string_view> Icons;
  bool HaveFrames = false;
};

// Splits the RIFF "ACON" file into the chunks that matter; false for a
// broken chunk or a chunk given twice.
bool SplitAni(std::string_view bytes, TAniChunks& ani) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "ACON")
    return false;
  const uint32_t riffSize = le::U32(bytes, 4);
  if (riffSize < 4) return false;
  std::string_view rest = bytes.substr(12, riffSize - 4);  // a cut-off file ends sooner
  bool broken = false;
  TChunk chunk;
  while (NextChunk(rest, chunk, broken)) {
    std::string_view* single = nullptr;
    if (chunk.Id == "anih") single = &ani.Header;
    if (chunk.Id == "rate") single = &ani.Rates;
    if (chunk.Id == "seq ") single = &ani.Sequence;
    if (single) {
      if (single->data()) return false;
      *single = chunk.Data;  // points into bytes even when empty: given
      continue;
    }
    if (chunk.Id != "LIST" || chunk.Data.substr(0, 4) != "fram") continue;
    if (ani.HaveFrames) return false;
    ani.HaveFrames = true;
    std::string_view frames = chunk.Data.substr(4);
    TChunk icon;
    while (NextChunk(frames, icon, broken))
      if (icon.Id == "icon" && ani.Icons.size() < size_t(kMaxCursorFrames))
        ani.Icons.push_back(icon.Data);
    if (broken) return false;
  }
  return !broken && ani.Header.size() >= kAniHeaderSize && ani.HaveFrames;
}

bool ReadAni(std::string_view bytes, TCursorImage& cursor, std::string& error, int preferredSide) {
  TAniChunks ani;
  if (!SplitAni(bytes, ani)) return false;
  const uint32_t frames = le::U32(ani.Header, 4);
  uint32_t steps = le::U32(ani.Header, 8);
  const uint32_t defaultRate = le::U32(ani.Header, 28);
  if (frames == 0 || frames > uint32_t(kMaxCursorFrames) || ani.Icons.size() < frames) return false;
  TCursorImage result;
  if (ani.Sequence.data()) {
    if (steps == 0 || steps > uint32_t(kMaxCursorSteps) || ani.Sequence.size() / 4 < steps)
      return false;
    for (uint32_t i = 0; i < steps; ++i) {
      const uint32_t frame = le::U32(ani.Sequence, 4 * i);
      if (frame >= frames) return false;
      result.Sequence.push_back(int(frame));
    }
  } else {  // frames in order, whatever step count the header gives
    steps = frames;
    for (uint32_t i = 0; i < frames; ++i) result.Sequence.push_back(int(i));
  }
  for (uint32_t i = 0; i < steps; ++i) {
    const uint32_t rate = 4 * i + 4 <= ani.Rates.size() ? le::U32(ani.Rates, 4 * i) : defaultRate;
    // A step of no time would leave a front end spinning.
    result.Rates.push_back(int(std::clamp<uint32_t>(rate, 1, 0x7FFFFFFF)));
  }
  // Every frame's image is chosen, and the pixels counted, before any is
  // decoded.
  std::vector<icon::TIconEntry> chosen(frames);
  int64_t pixels = 0;
  for (uint32_t i = 0; i < frames; ++i) {
    if (!ChooseImage(ani.Icons[i], preferredSide, chosen[i])) return false;
    pixels += int64_t(chosen[i].Width) * chosen[i].Height;
  }
  if (pixels > kMaxCursorPixels) {
    error = err::kOutOfMemory;
    return false;
  }
  result.Frames.resize(frames);
  for (uint32_t i = 0; i < frames; ++i)
    if (!DecodeFrame(ani.Icons[i], chosen[i], result.Frames[i], error)) return false;
  cursor = std::move(result);
  return true;
}

}  // namespace

bool ReadCursorFile(std::string_view bytes, TCursorImage& cursor, std::string& error,
                    int preferredSide) try {
  error = err::kUnknownFormat;
  if (bytes.substr(0, 4) == "RIFF") return ReadAni(bytes, cursor, error, preferredSide);
  TCursorImage result;
  icon::TIconEntry entry;
  result.Frames.emplace_back();
  if (!ChooseImage(bytes, preferredSide, entry) ||
      !DecodeFrame(bytes, entry, result.Frames[0], error))
    return false;
  result.Sequence = {0};
  result.Rates = {0};
  cursor = std::move(result);
  return true;
} catch (const std::bad_alloc&) {
  error = err::kOutOfMemory;
  return false;
}

bool LoadCursorFile(const std::string& path, TCursorImage& cursor, std::string& error,
                    int preferredSide) {
  std::string bytes;
  if (!ReadFileToString(path, bytes, error, kMaxCursorFileBytes)) return false;
  return ReadCursorFile(bytes, cursor, error, preferredSide);
}

}  // namespace lumigram
