#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/qt/qt_image.h"
#include "util/error_texts.h"

namespace lumigram {

bool ClipboardHasBitmap() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
  return data && data->hasImage();
}

bool GetClipboardBitmap(TBitmap& bitmap, std::string& error) {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  // Qt decodes what another program put there under its own size limit.
  const QImage image = clipboard ? clipboard->image() : QImage();
  if (image.isNull()) {
    error = err::kEmpty;
    return false;
  }
  return FromQImage(image, bitmap, error);
}

bool PutClipboardBitmap(const TBitmap& bitmap, std::string& error) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (bitmap.Empty() || !clipboard) {
    error = err::kEmpty;
    return false;
  }
  const QImage image = ToQImage(bitmap);
  if (image.isNull()) {
    error = err::kOutOfMemory;
    return false;
  }
  clipboard->setImage(image);
  return true;
}

}  // namespace lumigram
