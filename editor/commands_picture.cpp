// The picture commands: their rows of the command table and their bodies.
// The picture travels through the system clipboard as a bitmap; the card
// keeps it as an optimised image.

#include <algorithm>

#include "editor/lumigram_creator.h"
#include "imaging/bmp_file.h"
#include "imaging/canvas.h"
#include "imaging/image_registry.h"
#include "imaging/jpeg_writer.h"
#include "imaging/optimised_image.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/text.h"

namespace lumigram {

namespace {

// Pictures the editor makes stay within what every picture reader accepts.
constexpr int kMaxPictureSide = 19000;
constexpr int kResizeStep = 25;
constexpr int kSavedJpegQuality = 50;

// The bitmap scaled into a new one of the size (each side at least 1).
bool StretchedCopy(const TBitmap& source, int width, int height, TBitmap& result) {
  TBitmap target;
  if (!target.SetSize(std::max(width, 1), std::max(height, 1))) return false;
  TCanvas canvas(target);
  canvas.StretchDraw(BoundsOf(target), source, TStretchMode::Smooth);
  result = std::move(target);
  return true;
}

}  // namespace

TCommandRows TLumigramCreator::PictureCommands() {
  using C = TLumigramCreator;
  constexpr const char* kFailed = err::kUnexpectedError;
  static constexpr TCommandRow kRows[] = {
      {1, &C::QueryHasPicture, &C::ClearPicture, kFailed},
      {2, &C::QueryHasPicture, &C::CutPicture, kFailed},
      {3, nullptr, &C::CopyPicture, kFailed},
      {4, &C::QueryClipboardHasBitmap, &C::PastePicture, kFailed},
      {5, &C::QueryClipboardHasBitmap, &C::PastePictureToFit, kFailed},
      {6, nullptr, &C::LoadPictureFile, err::kFileNotFound},
      {7, nullptr, &C::SelectPicture, kFailed},
      {8, nullptr, &C::SavePictureToFile, kFailed},
      {9, nullptr, &C::SavePicture, kFailed},
      {10, &C::QueryPictureFolder, &C::ViewPictureFolder, kFailed},
      {205, &C::QueryCanEnlarge, &C::EnlargePicture, kFailed},
      {206, &C::QueryCanShrink, &C::ShrinkPicture, kFailed},
  };
  return kRows;
}

bool TLumigramCreator::QueryHasPicture(const std::string&) {
  return !card_->Info().Picture.empty();
}

bool TLumigramCreator::QueryClipboardHasBitmap(const std::string&) {
  return services_.ClipboardHasBitmap();
}

bool TLumigramCreator::QueryPictureFolder(const std::string&) {
  return !DialogFolder(TDialogSetting::OpenPicture).empty();
}

bool TLumigramCreator::QueryCanEnlarge(const std::string&) {
  return CanResizePicture(kResizeStep);
}

bool TLumigramCreator::QueryCanShrink(const std::string&) {
  return CanResizePicture(-kResizeStep);
}

bool TLumigramCreator::ClearPicture(const std::string&) {
  if (!BeginChange(kUndoPicture)) return false;
  card_->SetPictureData({});
  Fire(OnChanged);
  return true;
}

bool TLumigramCreator::CutPicture(const std::string&) {
  return Execute(3) && Execute(1);
}

bool TLumigramCreator::CopyPicture(const std::string&) {
  last_error_ = err::kTaskFailed;
  return services_.SetClipboardBitmap(card_->PictureBitmap());
}

bool TLumigramCreator::PastePicture(const std::string&) {
  if (!BeginChange(kUndoPicture)) return false;
  return SetPicture(nullptr, false);
}

bool TLumigramCreator::PastePictureToFit(const std::string&) {
  if (!BeginChange(kUndoPicture)) return false;
  return SetPicture(nullptr, true);
}

bool TLumigramCreator::LoadPictureFile(const std::string& file) {
  if (!FileExistsNotFolder(file)) return false;
  last_error_ = err::kOutOfMemory;
  TBitmap bitmap;
  TImageInfoRec request;
  request.FileName = file;
  request.Target = &bitmap;
  request.IconBackground = kWhite;
  if (!TOpenImage::Shared().Load(request)) {
    last_error_ = request.ErrorText.empty() ? err::kUnknownFormat : request.ErrorText;
    return false;
  }
  if (!BeginChange(kUndoPicture)) return false;
  return SetPicture(&bitmap, false);
}

bool TLumigramCreator::SelectPicture(const std::string& folder) {
  if (!RunFileDialog(TDialogSetting::OpenPicture, TFileDialogKind::OpenPicture, folder))
    return true;
  return Execute(6, DialogSetting(TDialogSetting::OpenPicture).FileName);
}

bool TLumigramCreator::SavePictureToFile(const std::string& file) {
  last_error_ = err::kOutOfMemory;
  const TBitmap& picture = card_->PictureBitmap();
  const std::string ext = UpperAscii(ExtractExtension(ExtractFileName(file)));
  std::string bytes;
  if (ext == "JPG") {
    std::string error;
    if (!WriteJpeg(picture, kSavedJpegQuality, bytes, error)) return false;
  } else if (ext == "OMI") {
    // The card keeps its picture in this very form: save it as it is, so
    // the file loses nothing to a second encoding.
    bytes = card_->Info().Picture;
    if (bytes.empty()) {
      TOptimisedImage image;
      image.Assign(picture);
      if (!image.ToBytes(bytes)) return false;
    }
  } else {
    bytes = WriteBmpFile(picture);
  }
  if (bytes.empty()) return false;
  return WriteElementFile(file, bytes);
}

bool TLumigramCreator::SavePicture(const std::string&) {
  if (!RunFileDialog(TDialogSetting::SavePicture, TFileDialogKind::SavePicture, {})) return true;
  return Execute(8, DialogSetting(TDialogSetting::SavePicture).FileName);
}

bool TLumigramCreator::ViewPictureFolder(const std::string&) {
  return ViewDialogFolder(TDialogSetting::OpenPicture);
}

bool TLumigramCreator::EnlargePicture(const std::string&) {
  if (!BeginChange(kUndoPicture)) return false;
  return ResizePicture(kResizeStep);
}

bool TLumigramCreator::ShrinkPicture(const std::string&) {
  if (!BeginChange(kUndoPicture)) return false;
  return ResizePicture(-kResizeStep);
}

bool TLumigramCreator::SetPicture(const TBitmap* bitmap, bool fit) {
  last_error_ = err::kOutOfMemory;
  TBitmap pasted;
  if (!bitmap) {
    last_error_ = err::kTaskFailed;
    // An empty clipboard bitmap would silently clear the picture.
    if (!services_.GetClipboardBitmap(pasted) || pasted.Empty()) return false;
    bitmap = &pasted;
    last_error_ = err::kOutOfMemory;
  }
  TBitmap fitted;
  if (fit) {
    const TBitmap& current = card_->PictureBitmap();
    if (!StretchedCopy(*bitmap, current.Width(), current.Height(), fitted)) return false;
    bitmap = &fitted;
  }
  if (bitmap->Empty()) {
    last_error_ = err::kTaskFailed;
    return false;
  }
  // The card would refuse it and fall back to its blank picture.
  if (bitmap->Width() > kMaxPictureSide || bitmap->Height() > kMaxPictureSide) return false;
  TOptimisedImage image;
  image.Assign(*bitmap);
  std::string bytes;
  if (!image.ToBytes(bytes) || bytes.empty()) return false;
  card_->SetPictureData(bytes);
  Fire(OnChanged);
  const TBitmap& shown = card_->PictureBitmap();
  return shown.Width() == bitmap->Width() && shown.Height() == bitmap->Height();
}

bool TLumigramCreator::CanResizePicture(int percent) const {
  const TBitmap& picture = card_->PictureBitmap();
  const int64_t width = picture.Width() + int64_t(percent) * picture.Width() / 100;
  const int64_t height = picture.Height() + int64_t(percent) * picture.Height() / 100;
  if (percent > 0) return width <= kMaxPictureSide && height <= kMaxPictureSide;
  return width > 0 && height > 0;
}

bool TLumigramCreator::ResizePicture(int percent) {
  last_error_ = err::kUnexpectedError;
  if (!CanResizePicture(percent)) return false;
  const TBitmap& picture = card_->PictureBitmap();
  const int width = picture.Width() + percent * picture.Width() / 100;
  const int height = picture.Height() + percent * picture.Height() / 100;
  last_error_ = err::kOutOfMemory;
  TBitmap resized;
  if (!StretchedCopy(picture, width, height, resized)) return false;
  return SetPicture(&resized, false);
}

}  // namespace lumigram
