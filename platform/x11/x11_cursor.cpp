#include "platform/x11/x11_cursor.h"

#include <X11/Xcursor/Xcursor.h>
#include <X11/cursorfont.h>
#include <X11/extensions/Xrender.h>

#include <algorithm>
#include <vector>

namespace lumigram {

namespace {

bool Usable(const TCursorFrame& frame) {
  return frame.Width > 0 && frame.Height > 0 && frame.Width <= 0x7FFF && frame.Height <= 0x7FFF &&
         frame.Pixels.size() == size_t(frame.Width) * size_t(frame.Height);
}

// Xcursor wants premultiplied alpha.
uint32_t Premultiply(uint32_t argb) {
  const uint32_t alpha = argb >> 24;
  if (alpha == 255) return argb;
  auto channel = [&](int shift) {
    return ((((argb >> shift) & 0xFF) * alpha + 127) / 255) << shift;
  };
  return (alpha << 24) | channel(16) | channel(8) | channel(0);
}

Cursor FrameCursor(Display* display, const TCursorFrame& frame) {
  XcursorImage* image = ::XcursorImageCreate(frame.Width, frame.Height);
  if (!image) return 0;
  image->xhot = XcursorDim(std::clamp(frame.HotSpotX, 0, frame.Width - 1));
  image->yhot = XcursorDim(std::clamp(frame.HotSpotY, 0, frame.Height - 1));
  std::transform(frame.Pixels.begin(), frame.Pixels.end(), image->pixels, Premultiply);
  const Cursor cursor = ::XcursorImageLoadCursor(display, image);
  ::XcursorImageDestroy(image);
  return cursor;
}

}  // namespace

Cursor MakeCursor(Display* display, const TCursorImage& image) {
  const int frameCount = int(image.Frames.size());
  // The steps worth showing: those naming a usable frame.
  std::vector<int> steps;
  for (size_t i = 0; i < image.Sequence.size(); ++i) {
    const int frame = image.Sequence[i];
    if (frame >= 0 && frame < frameCount && Usable(image.Frames[size_t(frame)]))
      steps.push_back(int(i));
  }
  if (steps.empty()) {
    // No sequence: the first usable frame, still.
    for (const TCursorFrame& frame : image.Frames)
      if (Usable(frame)) return FrameCursor(display, frame);
    return 0;
  }
  const TCursorFrame& first = image.Frames[size_t(image.Sequence[size_t(steps[0])])];
  if (steps.size() == 1 || !::XcursorSupportsAnim(display)) return FrameCursor(display, first);

  // One cursor per frame, however often the animation shows it.
  std::vector<Cursor> frames(size_t(frameCount), 0);
  std::vector<XAnimCursor> animation;
  for (int step : steps) {
    const int index = image.Sequence[size_t(step)];
    Cursor& cursor = frames[size_t(index)];
    if (cursor == 0) cursor = FrameCursor(display, image.Frames[size_t(index)]);
    if (cursor == 0) continue;
    const int jiffies = size_t(step) < image.Rates.size() ? image.Rates[size_t(step)] : 1;
    animation.push_back({cursor, (unsigned long)(std::max(jiffies, 1)) * 1000 / 60});
  }
  Cursor result = 0;
  if (animation.size() > 1)
    result = ::XRenderCreateAnimCursor(display, int(animation.size()), animation.data());
  else if (animation.size() == 1)
    result = FrameCursor(display, first);
  // The animation keeps its frames alive on the server.
  for (Cursor cursor : frames)
    if (cursor) ::XFreeCursor(display, cursor);
  return result;
}

Cursor MakeStandardCursor(Display* display, TStandardCursor kind) {
  const bool busy = kind == TStandardCursor::Busy;
  Cursor cursor = ::XcursorLibraryLoadCursor(display, busy ? "left_ptr_watch" : "left_ptr");
  if (!cursor && busy) cursor = ::XcursorLibraryLoadCursor(display, "watch");
  if (!cursor) cursor = ::XCreateFontCursor(display, busy ? XC_watch : XC_left_ptr);
  return cursor;
}

}  // namespace lumigram
