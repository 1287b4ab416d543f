// The style code painter, fed arbitrary code text: the first two bytes pick
// the frame size and the bitmap's shape, the rest is the code.

#include <cstddef>
#include <cstdint>
#include <string>

#include "frames/frame_painter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumigram;
  if (size < 2) return 0;
  TFrameInfo settings;
  settings.Color = 0x80C0F0;
  settings.Size = data[0];
  settings.Code.assign(reinterpret_cast<const char*>(data + 2), size - 2);
  TBitmap bitmap;
  bitmap.SetSize(1 + data[1] % 40, 1 + data[1] / 40 * 7, 0x123456);
  PaintFrame(settings, &bitmap);
  return 0;
}
