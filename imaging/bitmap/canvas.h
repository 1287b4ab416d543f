#pragma once
// Drawing on a TBitmap, with the few operations of the classic Windows
// device context the program uses: brush fills and outlines, rounded
// rectangles, pen lines, plain, stretched and colour-keyed copies. Every
// operation is limited to the clipping rectangle and to the bitmap, whatever
// the coordinates; empty or inverted rectangles draw nothing.

#include "imaging/bitmap/bitmap.h"
#include "util/colour.h"
#include "util/geometry.h"

namespace lumigram {

enum class TStretchMode {
  Nearest,  // pixels repeated or dropped; for glyphs and previews
  Smooth,   // area average when shrinking, bilinear when enlarging; for resizing pictures
};

// The whole of a bitmap as a rectangle.
inline TRect BoundsOf(const TBitmap& bitmap) {
  return {0, 0, bitmap.Width(), bitmap.Height()};
}

class TCanvas {
 public:
  // The canvas draws on the bitmap, which must outlive it; the bitmap may be
  // resized in between, the canvas always works on its current size.
  explicit TCanvas(TBitmap& bitmap) : bitmap_(bitmap) {}

  TBitmap& Bitmap() const { return bitmap_; }

  // Fills and outlines use the brush, lines and rounded outlines the pen.
  TColor BrushColor() const { return brush_; }
  void SetBrushColor(TColor colour) { brush_ = colour; }
  TColor PenColor() const { return pen_; }
  void SetPenColor(TColor colour) { pen_ = colour; }

  // Limits every later operation to the rectangle (and the bitmap).
  void SetClipRect(const TRect& rect);
  // Lifts the limit: the whole bitmap is drawable again.
  void ResetClipRect();
  // The rectangle operations are currently limited to: clip and bitmap.
  TRect ClipRect() const;

  // Fills the rectangle with the brush colour.
  void FillRect(const TRect& rect);
  // Draws the rectangle's one-pixel border with the brush colour.
  void FrameRect(const TRect& rect);
  // A rectangle with corners rounded by an ellipse of the given width and
  // height (clamped to the rectangle's), outlined with the pen and filled
  // with the brush. A corner width or height below 2 gives square corners.
  void RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight);

  // Sets the pen position without drawing.
  void MoveTo(int x, int y);
  // Draws from the pen position towards (x, y) with the pen, leaving out
  // (x, y) itself, and moves the pen position there.
  void LineTo(int x, int y);
  TPoint PenPos() const { return pen_pos_; }

  // The pixel, or TBitmap::kNoPixel outside the clipping rectangle.
  TColor GetPixel(int x, int y) const;
  void SetPixel(int x, int y, TColor colour);

  // Copies the whole source with its top-left corner at (x, y).
  void Draw(int x, int y, const TBitmap& source);
  // Copies the source's rectangle unscaled with its top-left corner at
  // (x, y); the part of the rectangle outside the source is skipped.
  void CopyRect(int x, int y, const TBitmap& source, const TRect& sourceRect);
  // Copies the source rectangle scaled into the destination rectangle.
  // Destination pixels whose centre maps outside the source bitmap are left
  // as they are. Extents beyond 2^31 - 1 pixels draw nothing.
  void StretchDraw(const TRect& dest, const TBitmap& source, const TRect& sourceRect,
                   TStretchMode mode);
  // Scales the whole source into the destination rectangle.
  void StretchDraw(const TRect& dest, const TBitmap& source, TStretchMode mode) {
    StretchDraw(dest, source, BoundsOf(source), mode);
  }
  // Copies the whole source to (x, y), leaving out its pixels of the key
  // colour.
  void DrawTransparent(int x, int y, const TBitmap& source, TColor key);

 private:
  TBitmap& bitmap_;
  TColor brush_ = kWhite;
  TColor pen_ = kBlack;
  TPoint pen_pos_;
  bool clipped_ = false;
  TRect clip_;
};

}  // namespace lumigram
