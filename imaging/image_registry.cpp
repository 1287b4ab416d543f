#include "imaging/image_registry.h"

#include "imaging/bmp/bmp_file.h"
#include "imaging/bmp/ico_file.h"
#include "imaging/jpeg/jpeg_reader.h"
#include "imaging/jpeg/optimised_image.h"
#include "imaging/metafile/metafile.h"
#include "imaging/text_formats/portable_pixelmap.h"
#include "imaging/text_formats/text_picture.h"
#include "imaging/text_formats/x_bitmap.h"
#include "lang/translate.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/text.h"

namespace lumigram {

namespace {

// No picture file the program reads comes near this; larger ones are refused
// before they are read.
constexpr int64_t kMaxPictureFileBytes = int64_t(256) << 20;

// Decodes a file's bytes into a bitmap; false with error text.
using TDecoder = std::function<bool(std::string_view bytes, const TImageInfoRec& request,
                                    TBitmap& picture, int& bitsPerPixel, std::string& error)>;

// The load steps every format shares; only the decoder differs.
std::function<bool(TImageInfoRec&)> MakeLoader(TDecoder decode) {
  return [decode = std::move(decode)](TImageInfoRec& request) {
    request.BitsPerPixel = 24;
    if (!request.Target) {
      request.ErrorText = err::kIndexOutOfRange;
      return false;
    }
    if (!FileExistsNotFolder(request.FileName)) {
      request.ErrorText = err::kFileNotFound;
      return false;
    }
    std::string bytes;
    if (!ReadFileToString(request.FileName, bytes, request.ErrorText, kMaxPictureFileBytes))
      return false;
    TBitmap picture;
    int bits = 24;
    std::string error = err::kUnknownFormat;
    if (!decode(bytes, request, picture, bits, error)) {
      request.ErrorText = error.empty() ? err::kUnknownFormat : error;
      return false;
    }
    request.BitsPerPixel = bits;
    *request.Target = std::move(picture);
    return true;
  };
}

bool DecodeBmp(std::string_view bytes, const TImageInfoRec&, TBitmap& picture, int& bits,
               std::string& error) {
  return ReadBmpFile(bytes, picture, bits, error);
}

bool DecodeJpeg(std::string_view bytes, const TImageInfoRec&, TBitmap& picture, int& bits,
                std::string& error) {
  return ReadJpeg(bytes, picture, bits, error);
}

bool DecodeIcon(std::string_view bytes, const TImageInfoRec& request, TBitmap& picture, int& bits,
                std::string& error) {
  const bool ok = ReadIcoFile(bytes, request.IconBackground, picture, bits, error);
  bits = 24;
  return ok;
}

bool DecodeMetafile(std::string_view bytes, const TImageInfoRec&, TBitmap& picture, int& bits,
                    std::string& error) {
  bits = 24;
  return ReadMetafile(bytes, picture, error);
}

bool DecodeOptimised(std::string_view bytes, const TImageInfoRec&, TBitmap& picture, int& bits,
                     std::string& error) {
  TOptimisedImage image;
  if (!image.FromBytes(bytes)) {
    error = image.ErrorText();
    return false;
  }
  picture = image.Picture();
  bits = 24;
  return true;
}

// The program's own text-based formats; keepOwnError: the picture's own
// error text replaces "Unknown format" (the Text Picture does this).
template <typename TPictureClass>
TDecoder ByteFormatDecoder(bool keepOwnError) {
  return [keepOwnError](std::string_view bytes, const TImageInfoRec&, TBitmap& picture, int& bits,
                        std::string& error) {
    TPictureClass reader;
    if (!reader.ReadFromBytes(bytes)) {
      error = keepOwnError ? reader.ErrorText() : std::string(err::kUnknownFormat);
      return false;
    }
    picture = reader.Picture();
    bits = reader.BitsPerPixel();
    return true;
  };
}

std::string Composed(std::string_view name, std::string_view kind) {
  return Translate(name) + " (" + Translate(kind) + ")";
}

}  // namespace

int TOpenImageEventCollection::Add(TOpenImageEventHandler entry) {
  entry.Ext = UpperAscii(entry.Ext);
  const int existing = IndexOfExt(entry.Ext);
  if (existing >= 0) {
    entries_[size_t(existing)] = std::move(entry);
    return existing;
  }
  if (count_ >= kCapacity) return -1;
  entries_[size_t(count_)] = std::move(entry);
  return count_++;
}

int TOpenImageEventCollection::IndexOfExt(std::string_view ext) const {
  for (int i = 0; i < count_; ++i)
    if (SameTextAscii(entries_[size_t(i)].Ext, ext)) return i;
  return -1;
}

int TOpenImageEventCollection::IndexOfFile(std::string_view fileName) const {
  const std::string name = ExtractFileName(fileName);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? -1 : IndexOfExt(std::string_view(name).substr(dot));
}

bool TOpenImageEventCollection::Run(int index, TImageInfoRec& request) const {
  request.ErrorText = err::kIndexOutOfRange;
  if (!IsValidIndex(index) || !entries_[size_t(index)].Loader) return false;
  try {
    return entries_[size_t(index)].Loader(request);
  } catch (...) {
    return false;  // the error text set at that moment stands
  }
}

std::string TOpenImageEventCollection::Filter(int which, int style) const {
  std::string patterns;
  for (int i = 0; i < count_; ++i) patterns += "*" + entries_[size_t(i)].Ext + ";";
  if (which == -1) return style == 0 ? Translate("All Pictures") + "|" + patterns + "|" : patterns;
  if (which == -3) {
    if (style != 0) return patterns;
    std::string text;
    for (int i = 0; i < count_; ++i) {
      const TOpenImageEventHandler& entry = entries_[size_t(i)];
      text += entry.Description + " (*" + LowerAscii(entry.Ext) + ")|*" + entry.Ext + ";|";
    }
    return text;
  }
  if (which == -2) return Filter(-1, style) + Filter(-3, style);
  if (!IsValidIndex(which)) return {};
  const TOpenImageEventHandler& entry = entries_[size_t(which)];
  return style == 0 ? entry.Description + " (*" + entry.Ext + ")|*" + entry.Ext + "|"
                    : "*" + entry.Ext;
}

TOpenImage& TOpenImage::Shared() {
  static TOpenImage loader;
  return loader;
}

TOpenImage::TOpenImage() {
  struct TRow {
    const char* Ext;
    std::string Description;
    TDecoder Decode;
    bool HasPictureClass;
  };
  const TRow rows[] = {
      {".BMP", Translate("Bitmap"), DecodeBmp, false},
      {".DIB", Translate("Device Independant Bitmap"), DecodeBmp, false},
      {".RLE", Translate("Windows RLE"), DecodeBmp, false},
      {".JPG", Translate("Jpeg"), DecodeJpeg, false},
      {".JIF", Translate("Jpeg"), DecodeJpeg, false},
      {".ICO", Translate("Icon"), DecodeIcon, false},
      {".WMF", Translate("Windows Metafile"), DecodeMetafile, false},
      {".EMF", Translate("Enhanced Windows Metafile"), DecodeMetafile, false},
      {".PPM", Translate("Portable Pixelmaxp"), ByteFormatDecoder<TPortablePixelmap>(false), true},
      {".PGM", Translate("Portable Graymap"), ByteFormatDecoder<TPortablePixelmap>(false), true},
      {".PBM", Composed("Portable Bitmap", "Monochrome"),
       ByteFormatDecoder<TPortablePixelmap>(false), true},
      {".XBM", Composed("X Bitmap", "Monochrome"), ByteFormatDecoder<TXBitmap>(false), true},
      {".TEP", Translate("Text Picture"), ByteFormatDecoder<TTextPicture>(true), true},
      {".OMI", Translate("Optimised Multiformat Image"), DecodeOptimised, true},
  };
  for (const TRow& row : rows)
    formats_.Add({row.Ext, row.Description, MakeLoader(row.Decode), row.HasPictureClass});
}

bool TOpenImage::Load(TImageInfoRec& request) const {
  return formats_.Run(formats_.IndexOfFile(request.FileName), request);
}

}  // namespace lumigram
