// The cursor reader (.cur, .ico and .ani), fed arbitrary bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "imaging/bmp/cursor_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  lumigram::TCursorImage cursor;
  std::string error;
  if (lumigram::ReadCursorFile(bytes, cursor, error)) {
    // What a front end relies on: every step names a frame, every hot spot
    // lies inside its frame, every frame has all its pixels.
    for (int frame : cursor.Sequence)
      if (frame < 0 || size_t(frame) >= cursor.Frames.size()) __builtin_trap();
    for (const lumigram::TCursorFrame& f : cursor.Frames)
      if (f.HotSpotX < 0 || f.HotSpotX >= f.Width || f.HotSpotY < 0 || f.HotSpotY >= f.Height ||
          f.Pixels.size() != size_t(f.Width) * size_t(f.Height))
        __builtin_trap();
  }
  lumigram::ReadCursorFile(bytes, cursor, error, 0);
  return 0;
}
