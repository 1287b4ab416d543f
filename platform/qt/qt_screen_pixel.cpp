#include "platform/qt/qt_screen_pixel.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include "platform/qt/qt_image.h"

namespace lumigram {

bool ScreenPixel(TPoint at, TColor& colour) {
  const QPoint point(at.X, at.Y);
  QScreen* screen = QGuiApplication::screenAt(point);
  if (!screen) return false;
  // Window 0 is the whole desktop; the rectangle is relative to the screen.
  const QPoint local = point - screen->geometry().topLeft();
  const QImage pixel = screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage();
  if (pixel.isNull() || pixel.width() < 1 || pixel.height() < 1) return false;
  colour = ColourOfRgb(pixel.pixel(0, 0));
  return true;
}

bool ScreenPixelUnderMouse(TColor& colour) {
  const QPoint at = QCursor::pos();
  return ScreenPixel({at.x(), at.y()}, colour);
}

}  // namespace lumigram
