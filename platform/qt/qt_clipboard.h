#pragma once
// The desktop's clipboard for bitmaps.

#include <string>

#include "imaging/bitmap/bitmap.h"

namespace lumigram {

// The clipboard holds a picture.
bool ClipboardHasBitmap();
// The clipboard's picture, transparent parts over white. False with
// "Empty" when it holds no picture, "Out of memory" when the picture is too
// large for a bitmap; the bitmap is then unchanged.
bool GetClipboardBitmap(TBitmap& bitmap, std::string& error);
// Puts the bitmap on the clipboard. False with "Empty" for an empty bitmap,
// "Out of memory" when it cannot be converted.
bool PutClipboardBitmap(const TBitmap& bitmap, std::string& error);

}  // namespace lumigram
