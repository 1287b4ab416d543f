#pragma once
// X Bitmap (.XBM): a black-and-white picture written as C source, two
// "#define" lines for the size and a byte array in hexadecimal, 8 pixels a
// byte with the leftmost pixel in the lowest bit; a set bit is black.
//
// The reader is forgiving: it needs the width and height definitions, a line
// starting with "static" and "0x" bytes between braces.

#include "imaging/text_formats/byte_picture.h"

namespace lumigram {

class TXBitmap : public TBytePicture {
 public:
  TXBitmap();

  int BitsPerPixel() const override { return 1; }

  // Writes the picture's pixels whose red byte is 0 as black, all others as
  // white.

 private:
  bool ReadPicture(TStream& stream) override;
  bool WritePicture(TStream& stream) override;
};

}  // namespace lumigram
