// The picture commands: their rows of the command table and their bodies.
// The picture travels through the system clipboard as a bitmap; the card
// keeps it as an optimised image.

#include <algorithm>

#include "card/lumigram.h"
#include "editor/command_codes.h"
#include "editor/commands/command_context.h"
#include "editor/commands/command_table.h"
#include "editor/editor_services.h"
#include "imaging/bitmap/canvas.h"
#include "imaging/bmp/bmp_file.h"
#include "imaging/image_registry.h"
#include "imaging/jpeg/jpeg_writer.h"
#include "imaging/jpeg/optimised_image.h"
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

class TPictureCommands : public TCommandContext {
 public:
  using TCommandContext::TCommandContext;

  bool QueryHasPicture(const std::string&);
  bool QueryClipboardHasBitmap(const std::string&);
  bool QueryPictureFolder(const std::string&);
  bool QueryCanEnlarge(const std::string&);
  bool QueryCanShrink(const std::string&);
  bool ClearPicture(const std::string&);
  bool CutPicture(const std::string&);
  bool CopyPicture(const std::string&);
  bool PastePicture(const std::string&);
  bool PastePictureToFit(const std::string&);
  bool LoadPictureFile(const std::string& file);
  bool SelectPicture(const std::string& folder);
  bool SavePictureToFile(const std::string& file);
  bool SavePicture(const std::string&);
  bool ViewPictureFolder(const std::string&);
  bool EnlargePicture(const std::string&);
  bool ShrinkPicture(const std::string&);
  // The bitmap (nullptr: the clipboard's) becomes the card picture.
  bool SetPicture(const TBitmap* bitmap, bool fit);
  bool ResizePicture(int percent);
  bool CanResizePicture(int percent) const;
};

}  // namespace

TCommandRows PictureCommands() {
  using C = TPictureCommands;
  constexpr const char* kFailed = err::kUnexpectedError;
  static constexpr TCommandRow kRows[] = {
      {kClearPicture, Handler<&C::QueryHasPicture>, Handler<&C::ClearPicture>, kFailed},
      {kCutPicture, Handler<&C::QueryHasPicture>, Handler<&C::CutPicture>, kFailed},
      {kCopyPicture, nullptr, Handler<&C::CopyPicture>, kFailed},
      {kPastePicture, Handler<&C::QueryClipboardHasBitmap>, Handler<&C::PastePicture>, kFailed},
      {kPastePictureToFit, Handler<&C::QueryClipboardHasBitmap>, Handler<&C::PastePictureToFit>,
       kFailed},
      {kLoadPictureFile, nullptr, Handler<&C::LoadPictureFile>, err::kFileNotFound},
      {kSelectPicture, nullptr, Handler<&C::SelectPicture>, kFailed},
      {kSavePictureToFile, nullptr, Handler<&C::SavePictureToFile>, kFailed},
      {kSavePictureAs, nullptr, Handler<&C::SavePicture>, kFailed},
      {kViewPictureFolder, Handler<&C::QueryPictureFolder>, Handler<&C::ViewPictureFolder>,
       kFailed},
      {kEnlargePicture, Handler<&C::QueryCanEnlarge>, Handler<&C::EnlargePicture>, kFailed},
      {kShrinkPicture, Handler<&C::QueryCanShrink>, Handler<&C::ShrinkPicture>, kFailed},
  };
  return kRows;
}

bool TPictureCommands::QueryHasPicture(const std::string&) {
  return !Card().Info().Picture.empty();
}

bool TPictureCommands::QueryClipboardHasBitmap(const std::string&) {
  return Services().ClipboardHasBitmap();
}

bool TPictureCommands::QueryPictureFolder(const std::string&) {
  return !DialogFolder(TDialogSetting::OpenPicture).empty();
}

bool TPictureCommands::QueryCanEnlarge(const std::string&) {
  return CanResizePicture(kResizeStep);
}

bool TPictureCommands::QueryCanShrink(const std::string&) {
  return CanResizePicture(-kResizeStep);
}

bool TPictureCommands::ClearPicture(const std::string&) {
  if (!BeginChange(kUndoPicture)) return false;
  Card().SetPictureData({});
  Changed();
  return true;
}

bool TPictureCommands::CutPicture(const std::string&) {
  return Execute(kCopyPicture) && Execute(kClearPicture);
}

bool TPictureCommands::CopyPicture(const std::string&) {
  Error() = err::kTaskFailed;
  return Services().SetClipboardBitmap(Card().PictureBitmap());
}

bool TPictureCommands::PastePicture(const std::string&) {
  if (!BeginChange(kUndoPicture)) return false;
  return SetPicture(nullptr, false);
}

bool TPictureCommands::PastePictureToFit(const std::string&) {
  if (!BeginChange(kUndoPicture)) return false;
  return SetPicture(nullptr, true);
}

bool TPictureCommands::LoadPictureFile(const std::string& file) {
  if (!FileExistsNotFolder(file)) return false;
  Error() = err::kOutOfMemory;
  TBitmap bitmap;
  TImageInfoRec request;
  request.FileName = file;
  request.Target = &bitmap;
  request.IconBackground = kWhite;
  if (!TOpenImage::Shared().Load(request)) {
    Error() = request.ErrorText.empty() ? err::kUnknownFormat : request.ErrorText;
    return false;
  }
  if (!BeginChange(kUndoPicture)) return false;
  return SetPicture(&bitmap, false);
}

bool TPictureCommands::SelectPicture(const std::string& folder) {
  if (!RunFileDialog(TDialogSetting::OpenPicture, TFileDialogKind::OpenPicture, folder))
    return true;
  return Execute(kLoadPictureFile, DialogSetting(TDialogSetting::OpenPicture).FileName);
}

bool TPictureCommands::SavePictureToFile(const std::string& file) {
  Error() = err::kOutOfMemory;
  const TBitmap& picture = Card().PictureBitmap();
  const std::string ext = UpperAscii(ExtractExtension(ExtractFileName(file)));
  std::string bytes;
  if (ext == "JPG") {
    std::string error;
    if (!WriteJpeg(picture, kSavedJpegQuality, bytes, error)) return false;
  } else if (ext == "OMI") {
    // The card keeps its picture in this very form: save it as it is, so
    // the file loses nothing to a second encoding.
    bytes = Card().Info().Picture;
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

bool TPictureCommands::SavePicture(const std::string&) {
  if (!RunFileDialog(TDialogSetting::SavePicture, TFileDialogKind::SavePicture, {})) return true;
  return Execute(kSavePictureToFile, DialogSetting(TDialogSetting::SavePicture).FileName);
}

bool TPictureCommands::ViewPictureFolder(const std::string&) {
  return ViewDialogFolder(TDialogSetting::OpenPicture);
}

bool TPictureCommands::EnlargePicture(const std::string&) {
  if (!BeginChange(kUndoPicture)) return false;
  return ResizePicture(kResizeStep);
}

bool TPictureCommands::ShrinkPicture(const std::string&) {
  if (!BeginChange(kUndoPicture)) return false;
  return ResizePicture(-kResizeStep);
}

bool TPictureCommands::SetPicture(const TBitmap* bitmap, bool fit) {
  Error() = err::kOutOfMemory;
  TBitmap pasted;
  if (!bitmap) {
    Error() = err::kTaskFailed;
    // An empty clipboard bitmap would silently clear the picture.
    if (!Services().GetClipboardBitmap(pasted) || pasted.Empty()) return false;
    bitmap = &pasted;
    Error() = err::kOutOfMemory;
  }
  TBitmap fitted;
  if (fit) {
    const TBitmap& current = Card().PictureBitmap();
    if (!StretchedCopy(*bitmap, current.Width(), current.Height(), fitted)) return false;
    bitmap = &fitted;
  }
  if (bitmap->Empty()) {
    Error() = err::kTaskFailed;
    return false;
  }
  // The card would refuse it and fall back to its blank picture.
  if (bitmap->Width() > kMaxPictureSide || bitmap->Height() > kMaxPictureSide) return false;
  TOptimisedImage image;
  image.Assign(*bitmap);
  std::string bytes;
  if (!image.ToBytes(bytes) || bytes.empty()) return false;
  Card().SetPictureData(bytes);
  Changed();
  const TBitmap& shown = Card().PictureBitmap();
  return shown.Width() == bitmap->Width() && shown.Height() == bitmap->Height();
}

bool TPictureCommands::CanResizePicture(int percent) const {
  const TBitmap& picture = Card().PictureBitmap();
  const int64_t width = picture.Width() + int64_t(percent) * picture.Width() / 100;
  const int64_t height = picture.Height() + int64_t(percent) * picture.Height() / 100;
  if (percent > 0) return width <= kMaxPictureSide && height <= kMaxPictureSide;
  return width > 0 && height > 0;
}

bool TPictureCommands::ResizePicture(int percent) {
  Error() = err::kUnexpectedError;
  if (!CanResizePicture(percent)) return false;
  const TBitmap& picture = Card().PictureBitmap();
  const int width = picture.Width() + percent * picture.Width() / 100;
  const int height = picture.Height() + percent * picture.Height() / 100;
  Error() = err::kOutOfMemory;
  TBitmap resized;
  if (!StretchedCopy(picture, width, height, resized)) return false;
  return SetPicture(&resized, false);
}

}  // namespace lumigram
