#pragma once
// The program's icon for the desktop: a framed picture of a sunny hill with
// a heart, kept as a short list of filled outlines on a 256-unit square, so
// the scalable and the pixel versions are drawn from the very same shapes.

#include <string>
#include <vector>

#include "tools/content/art.h"

namespace lumigram::content {

struct TIconShape {
  TContour Outline;  // in units of a 256 x 256 square
  TColor Colour;
};

inline constexpr double kIconUnits = 256;

// The shapes, back to front.
std::vector<TIconShape> AppIconShapes();

// An SVG document of the shapes.
std::string AppIconSvg(const std::vector<TIconShape>& shapes);
// The shapes drawn on a transparent square of `side` pixels, as a PNG file.
std::string AppIconPng(const std::vector<TIconShape>& shapes, int side);

}  // namespace lumigram::content
