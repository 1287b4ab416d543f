#pragma once
// One scalable face opened with FreeType: its metrics for a Windows height
// value, advances and kerning for laying out a line, and glyph coverage
// images. Sizes are em heights in 1/64 pixels. Not thread-safe: the font
// engine serialises every use.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <memory>
#include <vector>

#include "imaging/text/font_match.h"

namespace lumigram {

// Every height is held to this em size, so a stray height value can neither
// make glyphs vanish nor ask for gigantic glyph images.
inline constexpr int kMinFontPixels = 1;
inline constexpr int kMaxFontPixels = 1000;

// In whole pixels, rows counted from the top of the cell.
struct TFaceMetrics {
  int Ascent = 0;
  int Descent = 0;
  int Height = 0;  // Ascent + Descent
  int UnderlineTop = 0;
  int UnderlineThickness = 1;
  int StrikeOutTop = 0;
  int StrikeOutThickness = 1;
};

struct TGlyphImage {
  int Left = 0;  // columns from the pen position to the first column
  int Top = 0;   // rows from the first row down to the baseline
  int Width = 0;
  int Rows = 0;
  std::vector<uint8_t> Coverage;  // Rows x Width; 0 none, 255 full
};

class TFontFace {
 public:
  // Null when FreeType cannot read the file or the face has no outlines.
  static std::unique_ptr<TFontFace> Open(FT_Library library, const TFaceChoice& choice);
  ~TFontFace();
  TFontFace(const TFontFace&) = delete;
  TFontFace& operator=(const TFontFace&) = delete;

  const std::string& Family() const { return family_; }

  // The em size for a height value other than 0 (negative: the em height,
  // positive: the cell height), kept within kMinFontPixels..kMaxFontPixels.
  int64_t EmForHeight(int height) const;
  TFaceMetrics Metrics(int64_t em) const;
  // How far ink may reach from the pen position in any direction, in pixels.
  int64_t Reach(int64_t em) const;

  // Glyph 0 (the face's missing-glyph shape) when the face lacks c.
  uint32_t GlyphOf(char32_t c) const;
  // The pen advance in 1/64 pixels, with the extra of drawn-in bold. The
  // same for both render qualities, so a line measures the same either way.
  int64_t Advance(uint32_t glyph, int64_t em);
  int64_t Kerning(uint32_t left, uint32_t right, int64_t em) const;

  // The glyph's coverage at em; false when it cannot be rendered.
  bool Render(uint32_t glyph, int64_t em, bool monochrome, TGlyphImage& image);

 private:
  explicit TFontFace(FT_Face face) : face_(face) {}
  bool RequestSize(int64_t em);
  // Font units to 1/64 pixels at em, rounded.
  int64_t Scale(int64_t units, int64_t em) const;

  FT_Face face_;
  std::string family_;
  bool synthesise_bold_ = false;
  bool synthesise_italic_ = false;
  int64_t units_per_em_ = 0;
  int64_t ascent_units_ = 0;  // the cell above and below the baseline
  int64_t descent_units_ = 0;
  int64_t current_em_ = 0;
  std::vector<int32_t> advances_;  // font units by glyph; -1 not yet known
};

}  // namespace lumigram
