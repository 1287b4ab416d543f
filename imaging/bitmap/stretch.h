#pragma once
// The pixel work behind TCanvas::StretchDraw.

#include "imaging/bitmap/bitmap.h"
#include "imaging/bitmap/canvas.h"
#include "util/geometry.h"

namespace lumigram {

// Scales source's sourceRect into dest's destRect, writing only inside clip,
// which must lie within dest. dest and source must be different bitmaps.
void StretchPixels(TBitmap& dest, const TRect& clip, const TRect& destRect, const TBitmap& source,
                   const TRect& sourceRect, TStretchMode mode);

}  // namespace lumigram
