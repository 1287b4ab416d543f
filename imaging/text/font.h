#pragma once
// The font record as cards and message files keep it, with the meanings of a
// Windows font object: a face name, a height value, style bits, a character
// set number and a colour. Nothing here touches a font file; imaging/text.h
// measures and draws with it.

#include <string>

#include "util/colour.h"

namespace lumigram {

// Character set numbers of the font record (more in util/code_page.h).
inline constexpr int kAnsiCharset = 0;     // Windows-1252
inline constexpr int kDefaultCharset = 1;  // "the system's": Western here
inline constexpr int kCyrillicCharset = 204;

// Screen resolution the point sizes refer to.
inline constexpr int kFontDpi = 96;

// How glyph edges meet the pixels beneath.
enum class TFontQuality {
  Default,      // antialiased
  Antialiased,  // edge pixels blend the text colour with what lies beneath
  Monochrome,   // each pixel is the text colour or left untouched
};

// The height value for a size in points: -round(points * 96 / 72), halves
// away from zero. Sizes beyond +-100000 points are clamped first.
int HeightOfPoints(int points);
// The points of a height value: a character height (negative) or a cell
// height (positive) in points, rounded; 0 stands for the default size.
int PointsOfHeight(int height);

struct TFont {
  static constexpr int kDefaultHeight = -11;  // 8 points

  // Family name in the font's character set; fontconfig substitutes faces
  // that are not installed ("Arial" becomes a metric twin where one exists).
  std::string Name = "Arial";
  // Negative: the character (em) height in pixels. Positive: the cell height,
  // ascent plus descent, in pixels. 0: kDefaultHeight.
  int Height = kDefaultHeight;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  // The character set the text bytes are in.
  int Charset = kDefaultCharset;
  TColor Color = kBlack;
  TFontQuality Quality = TFontQuality::Default;

  int Size() const { return PointsOfHeight(Height); }
  void SetSize(int points) { Height = HeightOfPoints(points); }

  friend bool operator==(const TFont&, const TFont&) = default;
};

}  // namespace lumigram
