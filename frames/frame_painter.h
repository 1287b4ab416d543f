#pragma once
// Paints a frame into the outer rim of a bitmap, and picks a frame colour
// that suits a picture.

#include "frames/frame_info.h"
#include "imaging/bitmap/bitmap.h"

namespace lumigram {

// Paints the frame's rings from the bitmap's edge inwards, over the outer
// Size pixels at most; what lies further in, and rim rings no band reaches,
// keep their pixels. Nothing happens for a missing bitmap, a Size of 0 or
// less, or an empty code. Sizes above kMaxFrameSize paint as kMaxFrameSize.
void PaintFrame(const TFrameInfo& settings, TBitmap* bitmap);

// The first corner of the picture (top-left, top-right, bottom-right,
// bottom-left) bright enough to see (brightest channel at least 70); when all
// four are darker, the bottom-left one lightened 40 per cent towards white.
// Black for a missing or empty picture.
TColor AutoFrameColor(const TBitmap* picture);

}  // namespace lumigram
