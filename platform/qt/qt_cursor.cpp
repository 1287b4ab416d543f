#include "platform/qt/qt_cursor.h"

#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cstring>

namespace lumigram {

namespace {

constexpr int kMaxCursorSide = 1024;
// Ten minutes: longer steps are a broken file, and the product stays in an int.
constexpr int kMaxJiffies = 36000;

bool Usable(const TCursorFrame& frame) {
  return frame.Width > 0 && frame.Height > 0 && frame.Width <= kMaxCursorSide &&
         frame.Height <= kMaxCursorSide &&
         frame.Pixels.size() == size_t(frame.Width) * size_t(frame.Height);
}

QCursor FrameCursor(const TCursorFrame& frame) {
  // Our pixels are 0xAARRGGBB, not premultiplied: Qt's ARGB32 word for word.
  QImage image(frame.Width, frame.Height, QImage::Format_ARGB32);
  if (image.isNull()) return QCursor(Qt::ArrowCursor);
  for (int y = 0; y < frame.Height; ++y)
    std::memcpy(image.scanLine(y), frame.Pixels.data() + size_t(y) * size_t(frame.Width),
                size_t(frame.Width) * sizeof(uint32_t));
  return QCursor(QPixmap::fromImage(image), std::clamp(frame.HotSpotX, 0, frame.Width - 1),
                 std::clamp(frame.HotSpotY, 0, frame.Height - 1));
}

}  // namespace

std::vector<TQtCursorStep> CursorSteps(const TCursorImage& image) {
  const int frameCount = int(image.Frames.size());
  std::vector<TQtCursorStep> steps;
  // One cursor per frame, however often the animation shows it.
  std::vector<QCursor> made(static_cast<size_t>(frameCount));
  std::vector<bool> madeYet(static_cast<size_t>(frameCount), false);
  for (size_t i = 0; i < image.Sequence.size(); ++i) {
    const int index = image.Sequence[i];
    if (index < 0 || index >= frameCount || !Usable(image.Frames[size_t(index)])) continue;
    if (!madeYet[size_t(index)]) {
      made[size_t(index)] = FrameCursor(image.Frames[size_t(index)]);
      madeYet[size_t(index)] = true;
    }
    const int jiffies = i < image.Rates.size() ? image.Rates[i] : 1;
    steps.push_back({made[size_t(index)], std::clamp(jiffies, 1, kMaxJiffies) * 1000 / 60});
  }
  if (steps.empty()) {
    for (const TCursorFrame& frame : image.Frames)
      if (Usable(frame)) return {{FrameCursor(frame), 0}};
  }
  return steps;
}

}  // namespace lumigram
