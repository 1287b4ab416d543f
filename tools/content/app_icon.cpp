#include "tools/content/app_icon.h"

#include <png.h>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace lumigram::content {

namespace {

// A rectangle with quarter-circle corners, clockwise from the top-left.
TContour RoundedRect(double left, double top, double right, double bottom, double radius) {
  TContour points;
  constexpr int kSteps = 12;
  const double corners[4][3] = {{right - radius, top + radius, -90},
                                {right - radius, bottom - radius, 0},
                                {left + radius, bottom - radius, 90},
                                {left + radius, top + radius, 180}};
  for (const auto& corner : corners)
    for (int i = 0; i <= kSteps; ++i) {
      const double angle = (corner[2] + 90.0 * i / kSteps) * std::numbers::pi / 180;
      points.push_back(
          {corner[0] + radius * std::cos(angle), corner[1] + radius * std::sin(angle)});
    }
  return points;
}

// A hill: a wave across the picture from left to right, closed along the
// bottom edge.
TContour Hill(double left, double right, double bottom, double base, double height, double phase) {
  TContour points;
  constexpr int kSteps = 48;
  for (int i = 0; i <= kSteps; ++i) {
    const double t = double(i) / kSteps;
    points.push_back(
        {left + (right - left) * t, base - height * std::sin(std::numbers::pi * (t + phase))});
  }
  points.push_back({right, bottom});
  points.push_back({left, bottom});
  return points;
}

std::string Hex(TColor colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", ChannelOf(colour, 0), ChannelOf(colour, 1),
                ChannelOf(colour, 2));
  return text;
}

}  // namespace

std::vector<TIconShape> AppIconShapes() {
  const double inLeft = 58, inTop = 58, inRight = 198, inBottom = 198;
  return {
      {RoundedRect(12, 12, 244, 244, 28), RGB(0x8A, 0x5A, 0x1E)},  // frame shadow edge
      {RoundedRect(18, 18, 238, 238, 24), RGB(0xD9, 0xA4, 0x41)},  // gilded frame
      {RoundedRect(40, 40, 216, 216, 6), RGB(0xF6, 0xEE, 0xDA)},   // mat
      {RoundedRect(inLeft, inTop, inRight, inBottom, 2), RGB(0x74, 0xC2, 0xF0)},  // sky
      {EllipseContour(156, 100, 22, 22), RGB(0xFF, 0xD3, 0x3F)},                  // sun
      {Hill(inLeft, inRight, inBottom, 168, 34, 0.15), RGB(0x8C, 0xCF, 0x7E)},
      {Hill(inLeft, inRight, inBottom, 186, 22, 0.75), RGB(0x3E, 0x9B, 0x4F)},
      {HeartContour(100, 108, 46), RGB(0xE0, 0x3A, 0x5A)},
  };
}

std::string AppIconSvg(const std::vector<TIconShape>& shapes) {
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
      "viewBox=\"0 0 256 256\">\n";
  char number[32];
  for (const TIconShape& shape : shapes) {
    svg += "  <path fill=\"" + Hex(shape.Colour) + "\" d=\"";
    for (size_t i = 0; i < shape.Outline.size(); ++i) {
      std::snprintf(number, sizeof number, "%s%.2f %.2f", i == 0 ? "M" : " L", shape.Outline[i].X,
                    shape.Outline[i].Y);
      svg += number;
    }
    svg += " Z\"/>\n";
  }
  return svg + "</svg>\n";
}

std::string AppIconPng(const std::vector<TIconShape>& shapes, int side) {
  const double scale = side / kIconUnits;
  const TArgbPicture picture = DrawWithAlpha(side, [&](TArtboard& board) {
    for (const TIconShape& shape : shapes) {
      TContour scaled;
      for (const TPointF& point : shape.Outline)
        scaled.push_back({point.X * scale, point.Y * scale});
      board.Polygon(scaled, shape.Colour);
    }
  });
  // 0xAARRGGBB words lie in memory as blue, green, red, alpha.
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(side);
  image.height = png_uint_32(side);
  image.format = PNG_FORMAT_BGRA;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, picture.Pixels.data(), 0, nullptr))
    return {};
  std::string bytes(size, '\0');
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, picture.Pixels.data(), 0, nullptr))
    return {};
  bytes.resize(size);
  return bytes;
}

}  // namespace lumigram::content
