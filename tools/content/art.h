#pragma once
// Soft-edged drawing for the pictures the build makes: shapes are filled on a
// board several times larger than the picture and shrunk smoothly at the end,
// so every edge comes out antialiased. Coordinates are in picture pixels.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "imaging/bitmap/bitmap.h"
#include "imaging/bitmap/canvas.h"
#include "imaging/metafile/polygon_fill.h"

namespace lumigram::content {

// Blends two colours: t = 0 gives a, t = 1 gives b.
TColor Blend(TColor a, TColor b, double t);

class TArtboard {
 public:
  // A board for a picture of width x height drawn `scale` times finer.
  TArtboard(int width, int height, int scale = 4, TColor background = kWhite);
  // The canvas points into the board, so a board stays where it was made.
  TArtboard(const TArtboard&) = delete;
  TArtboard& operator=(const TArtboard&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Fills the band between y0 and y1 with colours shading from top to bottom.
  void VerticalGradient(double y0, double y1, TColor top, TColor bottom);
  // Discs shading from the centre colour to the edge colour.
  void RadialGlow(double cx, double cy, double radius, TColor centre, TColor edge);
  void Disc(double cx, double cy, double radius, TColor colour);
  void Ellipse(double cx, double cy, double rx, double ry, TColor colour, double angle = 0);
  void Polygon(const TContour& points, TColor colour);
  void Polygons(const std::vector<TContour>& contours, TColor colour);
  // A pen `width` wide along the points, with round ends.
  void Line(const std::vector<TPointF>& points, double width, TColor colour);
  // A ring of the given pen width.
  void Ring(double cx, double cy, double radius, double width, TColor colour);
  // A star of `points` tips, the first pointing up when rotation is 0.
  void Star(double cx, double cy, double outer, double inner, int points, double rotation,
            TColor colour);
  // A heart of the given width centred on (cx, cy).
  void Heart(double cx, double cy, double width, TColor colour, double angle = 0);

  // The finished picture.
  TBitmap Shrink() const;

 private:
  TPointF Fine(double x, double y) const { return {x * scale_, y * scale_}; }

  int width_, height_, scale_;
  TBitmap board_;
  TCanvas canvas_;
};

// Outline points of the shapes, for callers that build on them.
TContour EllipseContour(double cx, double cy, double rx, double ry, double angle = 0,
                        int steps = 96);
TContour StarContour(double cx, double cy, double outer, double inner, int points, double rotation);
TContour HeartContour(double cx, double cy, double width, double angle = 0);

// A small picture with transparency: drawn once over black and once over
// white; the difference between the two gives each pixel's coverage.
struct TArgbPicture {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;  // 0xAARRGGBB, rows top to bottom
};

template <typename Draw>
TArgbPicture DrawWithAlpha(int side, Draw draw) {
  TArtboard dark(side, side, 6, kBlack), light(side, side, 6, kWhite);
  draw(dark);
  draw(light);
  TArgbPicture out;
  out.Width = out.Height = side;
  const TBitmap a = dark.Shrink(), b = light.Shrink();
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      const TColor over = a.GetPixel(x, y), under = b.GetPixel(x, y);
      int spread = 0;
      for (int c = 0; c < 3; ++c) spread += ChannelOf(under, c) - ChannelOf(over, c);
      const int alpha = std::clamp(255 - spread / 3, 0, 255);
      uint32_t argb = uint32_t(alpha) << 24;
      for (int c = 0; c < 3 && alpha > 0; ++c) {
        const int value = std::min(255, ChannelOf(over, c) * 255 / alpha);
        argb |= uint32_t(value) << (c == 0 ? 16 : c == 1 ? 8 : 0);
      }
      out.Pixels.push_back(argb);
    }
  return out;
}

// Draws the picture over the bitmap with its top-left corner at (x, y),
// blending by alpha.
void DrawArgb(TBitmap& bitmap, int x, int y, const TArgbPicture& picture);

}  // namespace lumigram::content
