#pragma once
// Measuring and drawing one line of text in a TFont, the same pixels in the
// creator and in the viewer. Faces come from fontconfig, glyphs from FreeType;
// characters are placed by their advances and the face's kerning pairs, one
// after the other, without complex shaping.
//
// Text is 8-bit in the font's character set (or UTF-8 when asked); bytes the
// set does not define show as U+FFFD. Heights are held to an em size of 1 to
// 1000 pixels (height 0 is the default size). An unknown face name gets
// fontconfig's substitute or its default sans face; with no usable font at
// all, nothing is drawn and everything measures 0. A negative (system)
// colour draws black. Safe to call from any thread.

#include <optional>
#include <string>
#include <string_view>

#include "imaging/bitmap/canvas.h"
#include "imaging/text/font.h"

namespace lumigram {

enum class TTextEncoding {
  FontCharset,  // 8-bit, in the character set the font names
  Utf8,
};

struct TTextSize {
  int Width = 0;
  int Height = 0;
  friend bool operator==(const TTextSize&, const TTextSize&) = default;
};

// In pixels; Height = Ascent + Descent, the height of a line's cell.
struct TTextMetrics {
  int Ascent = 0;
  int Descent = 0;
  int Height = 0;
};

struct TTextOptions {
  // Default: the font's own quality. Antialiased suits text over pictures
  // and on screen; Monochrome suits bitmaps whose colours must stay exact,
  // such as one with a colour key.
  TFontQuality Quality = TFontQuality::Default;
  // Besides the canvas's clipping rectangle, if given.
  std::optional<TRect> Clip = std::nullopt;
  TTextEncoding Encoding = TTextEncoding::FontCharset;
};

TTextMetrics FontMetrics(const TFont& font);

// The width of the line: the sum of its advances and kerning, in pixels.
int TextWidth(const TFont& font, std::string_view text,
              TTextEncoding encoding = TTextEncoding::FontCharset);
// The cell height, whatever the text.
int TextHeight(const TFont& font, std::string_view text = {});
TTextSize TextExtent(const TFont& font, std::string_view text,
                     TTextEncoding encoding = TTextEncoding::FontCharset);

// Draws the line with the top-left corner of its cell at (x, y), in the
// font's colour over what is there, with its underline and strike-out.
void TextOut(TCanvas& canvas, int x, int y, const TFont& font, std::string_view text,
             const TTextOptions& options = {});

// The family of the face drawing the font (UTF-8), empty when there is none.
std::string FaceFamily(const TFont& font);

// Forgets every cached face and glyph; the next use loads them again.
void ClearFontCaches();

}  // namespace lumigram
