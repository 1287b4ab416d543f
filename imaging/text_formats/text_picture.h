#pragma once
// Text Picture (.TEP): a palette picture written in 64 printable characters,
// so it can live in a string constant, be typed or be mailed as plain text.
// The toolbar keeps its glyphs this way.
//
//   "T", depth digit (1..6), width and height as 3 base-64 digits each (least
//   significant first), up to 2^depth palette colours as 4 digits each, "~",
//   then the pixel digits row by row, several pixels to a digit at depths 1
//   to 3, and "#".
//
// Reading skips every character outside the alphabet and comments in braces
// (which nest), so wrapped and quoted text reads the same as one line.

#include <cstdint>
#include <string>
#include <string_view>

#include "imaging/text_formats/byte_picture.h"

namespace lumigram {

// The character of a digit value 0..63 ("0"-"9", "A"-"Z", "a"-"z", "(", ")"),
// or 0 for a larger value.
char TextPictureCharacter(int value);
// The value of an alphabet character, or -1.
int TextPictureDigit(uint8_t character);

class TTextPicture : public TBytePicture {
 public:
  // Line layout when writing: one line, quoted pieces joined by "+" (ready to
  // go between the quotes of a string constant), or plain lines.
  enum : int { kWrapNone = 0, kWrapQuoted = 1, kWrapLines = 2 };

  TTextPicture();

  int WrapMode() const { return wrap_mode_; }
  // Clamped to 0..2.
  void SetWrapMode(int mode);
  // Bits per pixel when writing; clamped to 1..6.
  int Depth() const { return depth_; }
  void SetDepth(int depth);

  // The loader reports every Text Picture as 3 bits per pixel.
  int BitsPerPixel() const override { return 3; }

  // Reads from the stream's position and leaves the position just after the
  // character at which reading stopped.

  // Reads a picture held in a text.
  bool FromText(std::string_view text) { return ReadFromBytes(text); }
  // Writes the picture as text with the current depth and wrap mode.
  bool ToText(std::string& text) { return WriteToBytes(text); }

  // Copies the picture, wrap mode and depth.
  void Assign(const TTextPicture& source);
  using TBytePicture::Assign;

 private:
  bool ReadPicture(TStream& stream) override;
  bool WritePicture(TStream& stream) override;

  int wrap_mode_ = kWrapNone;
  int depth_ = 6;
};

// The picture a text holds, or an empty 0 x 0 bitmap when it cannot be read.
TBitmap TextPictureToBitmap(std::string_view text);
// The bitmap as Text Picture text; empty when it cannot be written.
std::string BitmapToTextPicture(const TBitmap& bitmap, int depth = 6,
                                int wrapMode = TTextPicture::kWrapNone);

}  // namespace lumigram
