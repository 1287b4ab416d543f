#pragma once
// The Optimised Multiformat Image (.OMI): one 24-bit picture stored as a
// JPEG or as a zlib-packed BMP file, whichever comes out smaller under a
// quality budget (omi_rule.h). It is the form in which a card carries its
// picture, and a picture file type of its own.
//
// Layout: "OMIV1.0", a 0x00 byte, then five length-prefixed fields: Info1,
// Info2, Info3, the encoding name ("JPG" or "BMP") and the picture data (a
// JPEG file, or a BMP file in PackString's packed form). Anything after the
// last field is ignored.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "imaging/bitmap/bitmap.h"
#include "imaging/bitmap/canvas.h"
#include "imaging/jpeg/jpeg_reader.h"
#include "util/general_error.h"
#include "util/geometry.h"
#include "util/stream.h"

namespace lumigram {

class TOptimisedImage {
 public:
  static constexpr std::string_view kMagic = "OMIV1.0";
  static constexpr std::string_view kJpegEncoding = "JPG";
  static constexpr std::string_view kBitmapEncoding = "BMP";
  // What a failed decode leaves: a white square of this side.
  static constexpr int kResetSide = 300;

  enum class TProgressStage { Starting, Ending };
  // Stage, per cent done, the picture's rectangle and "Loading" or "Saving".
  using TProgressEvent =
      std::function<void(TProgressStage, int percent, const TRect& rect, const std::string&)>;

  TOptimisedImage() = default;

  const TBitmap& Picture() const { return picture_; }
  // Moves the picture out, leaving the image empty: a decoded photograph is
  // megabytes not worth copying.
  TBitmap TakePicture() { return std::exchange(picture_, TBitmap()); }
  int Width() const { return picture_.Width(); }
  int Height() const { return picture_.Height(); }
  bool Empty() const { return picture_.Empty(); }
  // Keep the top-left pixels; new ones are white. False when the bitmap
  // refuses the size.
  bool SetWidth(int width) { return picture_.SetSize(width, picture_.Height()); }
  bool SetHeight(int height) { return picture_.SetSize(picture_.Width(), height); }
  // Stretches the picture into the rectangle.
  void Draw(TCanvas& canvas, const TRect& rect) const;

  // Decoding refuses pictures with a side above this before allocating them
  // (and packed bitmaps that would inflate beyond such a picture). Only
  // lowered below the editor's limit, by tests and fuzzers that keep runs small.
  void SetMaxSide(int side);
  int MaxSide() const { return max_side_; }

  // Another optimised image: its picture and Encoding, not its Info texts.
  void Assign(const TOptimisedImage& source);
  // Any other picture: the pixels (a 24-bit bitmap has no transparent parts
  // to turn white). Encoding and the Info texts stay.
  void Assign(const TBitmap& source);
  void Assign(TBitmap&& source);

  // "JPG" or "BMP" after a successful decode; empty otherwise.
  const std::string& Encoding() const { return encoding_; }
  // Carried in the header; nothing sets them but a decode, and encoding
  // writes them back unchanged.
  const std::string& Info1() const { return info1_; }
  const std::string& Info2() const { return info2_; }
  const std::string& Info3() const { return info3_; }
  const std::string& ErrorText() const { return error_text_; }

  // Encodes the picture; bytes are empty on failure.
  bool ToBytes(std::string& bytes);
  // Decodes; on failure the picture is a 300 x 300 white square and the texts
  // are empty.
  bool FromBytes(std::string_view bytes);

  // At the stream's position; both report progress and raise EGeneralError
  // with ErrorText on failure.
  void SaveToStream(TStream& stream);
  void LoadFromStream(TStream& stream);

  // "File not found", "File in use" or the decoding error on failure.
  bool ReadFromFile(const std::string& path);
  // Writes beside the file and renames over it (WriteStringToFile), so a
  // failure leaves an existing file as it was.
  bool WriteToFile(const std::string& path);

  TProgressEvent OnProgress;

 private:
  void Reset();
  bool Decode(std::string_view bytes);
  void Report(TProgressStage stage, const char* message);

  TBitmap picture_;
  std::string encoding_;
  std::string info1_;
  std::string info2_;
  std::string info3_;
  std::string error_text_;
  int max_side_ = kMaxJpegSide;
};

}  // namespace lumigram
