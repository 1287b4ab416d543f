#pragma once
// Our 24-bit bitmap and Qt's images: the card window shows one, the clipboard
// moves them both ways.

#include <QImage>
#include <string>

#include "imaging/bitmap/bitmap.h"

namespace lumigram {

// The bitmap as a 32-bit image, the form Qt paints fastest; a null image for
// an empty bitmap or when memory runs out.
QImage ToQImage(const TBitmap& bitmap);

// Any image into the bitmap, transparent parts laid over white. False with
// "Unknown format" for a null image and "Out of memory" when the bitmap
// refuses the size; the bitmap is then unchanged.
bool FromQImage(const QImage& image, TBitmap& bitmap, std::string& error);

// A colour as Qt has it into ours (0x00BBGGRR), and back.
TColor ColourOfRgb(QRgb rgb);
QRgb RgbOfColour(TColor colour);

}  // namespace lumigram
