#include "imaging/metafile/meta_paint.h"

namespace lumigram::meta {

namespace {

// Whether pixel (x, y) lies on the lines of an 8 x 8 hatch.
bool OnHatch(int hatch, int x, int y) {
  const int hx = x & 7, hy = y & 7;
  const bool horizontal = hy == 0, vertical = hx == 0;
  const bool falling = ((x - y) & 7) == 0, rising = ((x + y) & 7) == 0;
  switch (hatch) {
    case 0:
      return horizontal;
    case 1:
      return vertical;
    case 2:
      return falling;
    case 3:
      return rising;
    case 4:
      return horizontal || vertical;
    default:
      return falling || rising;
  }
}

int Wrap(int v, int n) {
  const int r = v % n;
  return r < 0 ? r + n : r;
}

}  // namespace

bool TPaint::ColourAt(int x, int y, TColor& colour) const {
  switch (Kind) {
    case TPaintKind::Solid:
      colour = Color;
      return true;
    case TPaintKind::Hatch:
      if (OnHatch(Hatch, x, y)) {
        colour = Color;
        return true;
      }
      colour = Back;
      return OpaqueBack;
    case TPaintKind::Pattern:
      if (!Pattern || Pattern->Empty()) {
        colour = Color;
      } else {
        colour = Pattern->GetPixel(Wrap(x, Pattern->Width()), Wrap(y, Pattern->Height()));
      }
      return true;
  }
  return false;
}

TColor Rop2(int code, TColor pen, TColor dest) {
  const int table = (code - 1) & 15;
  TColor r = 0;
  if (table & 1) r |= ~pen & ~dest;
  if (table & 2) r |= ~pen & dest;
  if (table & 4) r |= pen & ~dest;
  if (table & 8) r |= pen & dest;
  return r & 0xFFFFFF;
}

TColor Rop3(int code, TColor pattern, TColor source, TColor dest) {
  TColor r = 0;
  for (int i = 0; i < 8; ++i) {
    if (!((code >> i) & 1)) continue;
    r |= ((i & 4) ? pattern : ~pattern) & ((i & 2) ? source : ~source) & ((i & 1) ? dest : ~dest);
  }
  return r & 0xFFFFFF;
}

void PaintSpan(TBitmap& bitmap, int y, int left, int right, const TPaint& paint) {
  uint8_t* p = bitmap.ScanLine(y);
  if (!p || left >= right) return;
  p += 3 * int64_t(left);
  if (paint.Kind == TPaintKind::Solid && paint.Rop2 == kCopyPen) {
    for (int x = left; x < right; ++x, p += 3) PutColour(p, paint.Color);
    return;
  }
  for (int x = left; x < right; ++x, p += 3) {
    TColor colour = 0;
    if (!paint.ColourAt(x, y, colour)) continue;
    PutColour(p, paint.Rop2 == kCopyPen ? colour : Rop2(paint.Rop2, colour, ColourAt(p)));
  }
}

}  // namespace lumigram::meta
