#pragma once
// How metafile drawing puts colour on pixels: solid, hatched or patterned
// brushes, and the binary and ternary raster operations that combine the
// pen, brush or source with what is already there.

#include <memory>

#include "imaging/bitmap/bitmap.h"

namespace lumigram::meta {

inline constexpr int kCopyPen = 13;  // R2_COPYPEN

enum class TPaintKind { Solid, Hatch, Pattern };

struct TPaint {
  TPaintKind Kind = TPaintKind::Solid;
  TColor Color = kBlack;  // solid colour and hatch lines
  int Hatch = 0;          // HS_HORIZONTAL .. HS_DIAGCROSS
  bool OpaqueBack = false;
  TColor Back = kWhite;  // between hatch lines, when OpaqueBack
  std::shared_ptr<const TBitmap> Pattern;
  int Rop2 = kCopyPen;

  // The brush's colour at pixel (x, y); false where a hatch leaves the pixel
  // as it is.
  bool ColourAt(int x, int y, TColor& colour) const;
};

// R2_BLACK (1) .. R2_WHITE (16) on 24-bit colours.
TColor Rop2(int code, TColor pen, TColor dest);
// The ternary raster operation with index code (bits 16-23 of a ROP code).
TColor Rop3(int code, TColor pattern, TColor source, TColor dest);

// Paints the pixels [left, right) of row y, which the caller has clipped.
void PaintSpan(TBitmap& bitmap, int y, int left, int right, const TPaint& paint);

}  // namespace lumigram::meta
