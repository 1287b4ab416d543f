#include "dialogs/picture_preview.h"

#include <QLabel>
#include <QVBoxLayout>

#include "dialogs/window_texts.h"
#include "frames/frame_viewer.h"
#include "imaging/image_registry.h"
#include "lang/translate.h"
#include "platform/qt/qt_image.h"
#include "platform/qt/shown_text.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/general_error.h"
#include "util/stream.h"
#include "util/text.h"

namespace lumigram {

namespace {

bool IsFrameFile(const std::string& path) {
  const std::string ext = UpperAscii(ExtractExtension(ExtractFileName(path)));
  for (const TFrameViewerFormat& format : kFrameViewerFormats)
    if (ext == format.Extension) return true;
  return false;
}

bool DecodeFrame(const std::string& path, TBitmap& bitmap, std::string& error) {
  TFileStream stream(path, TFileMode::Read);
  if (!stream.IsOpen()) {
    error = err::kFileNotFound;
    return false;
  }
  TFrameViewer viewer;
  try {
    viewer.LoadFromStream(stream);
  } catch (const EGeneralError&) {
    error = viewer.ErrorText();
    return false;
  } catch (const std::exception&) {
    error = err::kUnknownFormat;
    return false;
  }
  bitmap = viewer.Preview();
  return true;
}

}  // namespace

bool DecodePreview(const std::string& path, QImage& image, std::string& error) {
  error = err::kUnexpectedError;
  try {
    const int64_t size = FileSize(path);
    if (size < 0) {
      error = err::kFileNotFound;
      return false;
    }
    if (size > TPicturePreview::kMaxPreviewBytes) {
      error = err::kOutOfMemory;
      return false;
    }
    TBitmap bitmap;
    if (IsFrameFile(path)) {
      if (!DecodeFrame(path, bitmap, error)) return false;
    } else {
      TImageInfoRec request;
      request.FileName = path;
      request.Target = &bitmap;
      request.IconBackground = kWhite;
      if (!TOpenImage::Shared().Load(request)) {
        error = request.ErrorText;
        return false;
      }
    }
    image = ToQImage(bitmap);
    if (image.isNull()) {
      error = bitmap.Empty() ? err::kUnknownFormat : err::kOutOfMemory;
      return false;
    }
    return true;
  } catch (const std::bad_alloc&) {
    error = err::kOutOfMemory;
  } catch (...) {
  }
  return false;
}

TPicturePreview::TPicturePreview(QWidget* parent)
    : QWidget(parent), image_(new QLabel), caption_(new QLabel) {
  setObjectName(QStringLiteral("picturePreview"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  auto* heading = new QLabel(ShownText(TranslateLite(window_text::kPreview)));
  layout->addWidget(heading);
  image_->setFixedSize(kSide, kSide);
  image_->setAlignment(Qt::AlignCenter);
  image_->setFrameShape(QFrame::StyledPanel);
  layout->addWidget(image_);
  caption_->setAlignment(Qt::AlignHCenter);
  layout->addWidget(caption_);
  layout->addStretch(1);
  ShowNothing();
}

void TPicturePreview::ShowNothing() {
  thumbnail_ = QImage();
  image_->clear();
  image_->setText(ShownText(TranslateLite(window_text::kNoPreview)));
  caption_->clear();
}

bool TPicturePreview::ShowFile(const std::string& path) {
  QImage picture;
  std::string error;
  if (path.empty() || !FileExistsNotFolder(path) || !DecodePreview(path, picture, error)) {
    ShowNothing();
    return false;
  }
  caption_->setText(QStringLiteral("%1 x %2").arg(picture.width()).arg(picture.height()));
  thumbnail_ = picture.width() > kSide || picture.height() > kSide
                   ? picture.scaled(kSide, kSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                   : picture;
  image_->setPixmap(QPixmap::fromImage(thumbnail_));
  return true;
}

QString TPicturePreview::SizeText() const {
  return caption_->text();
}

}  // namespace lumigram
