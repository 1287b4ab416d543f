#include "platform/qt/qt_image.h"

#include <QPainter>
#include <cstring>

#include "util/error_texts.h"

namespace lumigram {

QImage ToQImage(const TBitmap& bitmap) {
  if (bitmap.Empty()) return {};
  // Our rows are blue, green, red and padded to 4 bytes, which is exactly
  // Qt's BGR888 layout: wrap them without copying, then let Qt convert once.
  const QImage view(bitmap.ScanLine(0), bitmap.Width(), bitmap.Height(), bitmap.Stride(),
                    QImage::Format_BGR888);
  return view.convertToFormat(QImage::Format_RGB32);
}

bool FromQImage(const QImage& image, TBitmap& bitmap, std::string& error) {
  if (image.isNull()) {
    error = err::kUnknownFormat;
    return false;
  }
  QImage rows;
  if (image.hasAlphaChannel()) {
    QImage flat(image.size(), QImage::Format_RGB32);
    if (flat.isNull()) {
      error = err::kOutOfMemory;
      return false;
    }
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    rows = flat.convertToFormat(QImage::Format_BGR888);
  } else {
    rows = image.convertToFormat(QImage::Format_BGR888);
  }
  TBitmap result;
  if (rows.isNull() || !result.SetSize(rows.width(), rows.height())) {
    error = err::kOutOfMemory;
    return false;
  }
  const size_t rowBytes = size_t(rows.width()) * 3;
  for (int y = 0; y < rows.height(); ++y)
    std::memcpy(result.ScanLine(y), rows.constScanLine(y), rowBytes);
  bitmap = std::move(result);
  return true;
}

TColor ColourOfRgb(QRgb rgb) {
  return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

QRgb RgbOfColour(TColor colour) {
  return qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

}  // namespace lumigram
