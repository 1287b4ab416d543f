#include "imaging/text/text.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <exception>
#include <mutex>

#include "imaging/text/font_engine.h"
#include "util/code_page.h"
#include "util/utf8.h"

namespace lumigram {

namespace {

// UTF-8 to code points; a byte that does not start a well-formed sequence
// becomes U+FFFD and decoding goes on with the next byte.
std::u32string CodePointsOf(std::string_view text) {
  std::u32string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size();) result += NextCodePoint(text, i);
  return result;
}

std::u32string Decode(const TFont& font, std::string_view text, TTextEncoding encoding) {
  if (encoding == TTextEncoding::Utf8) return CodePointsOf(text);
  return CodePointsOf(CharsetToUtf8(text, font.Charset));
}

int64_t PixelsOf(int64_t value64) {
  return (value64 + 32) >> 6;
}

int ClampToInt(int64_t value) {
  return int(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

// The face and size a font draws with; Face null when there is none.
struct TSizedFace {
  TFontFace* Face = nullptr;
  int64_t Em = 0;
  TFaceMetrics Metrics;
};

// Call with the engine's mutex held.
TSizedFace SizedFace(TFontEngine& engine, const TFont& font) {
  TSizedFace sized;
  sized.Face = engine.Face(font);
  if (!sized.Face) return sized;
  sized.Em = sized.Face->EmForHeight(font.Height == 0 ? TFont::kDefaultHeight : font.Height);
  sized.Metrics = sized.Face->Metrics(sized.Em);
  return sized;
}

// Runs visit(glyph, pen) for each character, pen in 1/64 pixels from the
// start of the line; returns the pen position after the last one.
template <typename Visit>
int64_t Layout(TFontFace& face, int64_t em, const std::u32string& text, Visit visit) {
  int64_t pen = 0;
  uint32_t previous = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const uint32_t glyph = face.GlyphOf(text[i]);
    if (i > 0) pen += face.Kerning(previous, glyph, em);
    visit(glyph, pen);
    pen += face.Advance(glyph, em);
    previous = glyph;
  }
  return pen;
}

int64_t LineWidth(TFontFace& face, int64_t em, const std::u32string& text) {
  return std::max<int64_t>(0, PixelsOf(Layout(face, em, text, [](uint32_t, int64_t) {})));
}

// The drawable area: the canvas's clip and the caller's.
TRect DrawableArea(const TCanvas& canvas, const TTextOptions& options) {
  const TRect clip = canvas.ClipRect();
  return options.Clip ? Intersect(clip, *options.Clip) : clip;
}

void FillArea(TBitmap& bitmap, const TRect& clip, int64_t left, int64_t top, int64_t right,
              int64_t bottom, TColor colour) {
  const int x0 = int(std::max<int64_t>(left, clip.Left));
  const int x1 = int(std::min<int64_t>(right, clip.Right));
  const int y0 = int(std::max<int64_t>(top, clip.Top));
  const int y1 = int(std::min<int64_t>(bottom, clip.Bottom));
  for (int y = y0; y < y1; ++y) {
    uint8_t* p = bitmap.ScanLine(y) + 3 * int64_t(x0);
    for (int x = x0; x < x1; ++x, p += 3) PutColour(p, colour);
  }
}

// One colour channel: coverage parts of the text over the rest of the pixel.
uint8_t Blend(int text, int beneath, int coverage) {
  return uint8_t((text * coverage + beneath * (255 - coverage) + 127) / 255);
}

void PaintGlyph(TBitmap& bitmap, const TRect& clip, int64_t left, int64_t top,
                const TGlyphImage& image, TColor colour) {
  const int x0 = int(std::max<int64_t>(left, clip.Left));
  const int x1 = int(std::min<int64_t>(left + image.Width, clip.Right));
  const int y0 = int(std::max<int64_t>(top, clip.Top));
  const int y1 = int(std::min<int64_t>(top + image.Rows, clip.Bottom));
  const int blue = ChannelOf(colour, 2), green = ChannelOf(colour, 1), red = ChannelOf(colour, 0);
  for (int y = y0; y < y1; ++y) {
    const uint8_t* coverage =
        image.Coverage.data() + (int64_t(y) - top) * image.Width + (int64_t(x0) - left);
    uint8_t* p = bitmap.ScanLine(y) + 3 * int64_t(x0);
    for (int x = x0; x < x1; ++x, p += 3, ++coverage) {
      const int c = *coverage;
      if (c == 0) continue;
      if (c == 255) {
        PutColour(p, colour);
      } else {
        p[0] = Blend(blue, p[0], c);
        p[1] = Blend(green, p[1], c);
        p[2] = Blend(red, p[2], c);
      }
    }
  }
}

TColor DrawingColour(TColor colour) {
  // System colours (negative values) have no meaning here.
  return (colour & 0x80000000u) ? kBlack : (colour & 0xFFFFFF);
}

}  // namespace

TTextMetrics FontMetrics(const TFont& font) {
  try {
    TFontEngine& engine = TFontEngine::Shared();
    std::lock_guard lock(engine.Mutex());
    const TSizedFace sized = SizedFace(engine, font);
    if (!sized.Face) return {};
    return {sized.Metrics.Ascent, sized.Metrics.Descent, sized.Metrics.Height};
  } catch (const std::exception&) {
    return {};
  }
}

int TextWidth(const TFont& font, std::string_view text, TTextEncoding encoding) {
  try {
    const std::u32string characters = Decode(font, text, encoding);
    TFontEngine& engine = TFontEngine::Shared();
    std::lock_guard lock(engine.Mutex());
    const TSizedFace sized = SizedFace(engine, font);
    if (!sized.Face) return 0;
    return ClampToInt(LineWidth(*sized.Face, sized.Em, characters));
  } catch (const std::exception&) {
    return 0;
  }
}

int TextHeight(const TFont& font, std::string_view) {
  return FontMetrics(font).Height;
}

TTextSize TextExtent(const TFont& font, std::string_view text, TTextEncoding encoding) {
  return {TextWidth(font, text, encoding), TextHeight(font)};
}

void TextOut(TCanvas& canvas, int x, int y, const TFont& font, std::string_view text,
             const TTextOptions& options) {
  try {
    const TRect clip = DrawableArea(canvas, options);
    if (clip.IsEmpty() || text.empty()) return;
    const std::u32string characters = Decode(font, text, options.Encoding);
    const TFontQuality quality =
        options.Quality == TFontQuality::Default ? font.Quality : options.Quality;
    const bool monochrome = quality == TFontQuality::Monochrome;
    const TColor colour = DrawingColour(font.Color);
    TBitmap& bitmap = canvas.Bitmap();

    TFontEngine& engine = TFontEngine::Shared();
    std::lock_guard lock(engine.Mutex());
    const TSizedFace sized = SizedFace(engine, font);
    if (!sized.Face) return;
    TFontFace& face = *sized.Face;
    const TFaceMetrics& m = sized.Metrics;
    const int64_t baseline = int64_t(y) + m.Ascent;
    const int64_t reach = face.Reach(sized.Em);
    const bool rowsVisible = baseline + reach > clip.Top && baseline - reach < clip.Bottom;
    const int64_t end = Layout(face, sized.Em, characters, [&](uint32_t glyph, int64_t pen) {
      const int64_t origin = int64_t(x) + PixelsOf(pen);
      // Glyphs far outside the clip are not rendered at all.
      if (!rowsVisible || origin + reach <= clip.Left || origin - reach >= clip.Right) return;
      const TGlyphImage& image = engine.Glyph(face, glyph, sized.Em, monochrome);
      if (image.Width > 0)
        PaintGlyph(bitmap, clip, origin + image.Left, baseline - image.Top, image, colour);
    });
    const int64_t right = int64_t(x) + std::max<int64_t>(0, PixelsOf(end));
    if (font.Underline) {
      const int64_t top = int64_t(y) + m.UnderlineTop;
      FillArea(bitmap, clip, x, top, right, top + m.UnderlineThickness, colour);
    }
    if (font.StrikeOut) {
      const int64_t top = int64_t(y) + m.StrikeOutTop;
      FillArea(bitmap, clip, x, top, right, top + m.StrikeOutThickness, colour);
    }
  } catch (const std::exception&) {
    // What was drawn stays; the rest of the line is left out.
  }
}

std::string FaceFamily(const TFont& font) {
  try {
    TFontEngine& engine = TFontEngine::Shared();
    std::lock_guard lock(engine.Mutex());
    const TFontFace* face = engine.Face(font);
    return face ? face->Family() : std::string();
  } catch (const std::exception&) {
    return {};
  }
}

void ClearFontCaches() {
  TFontEngine& engine = TFontEngine::Shared();
  std::lock_guard lock(engine.Mutex());
  engine.Clear();
}

}  // namespace lumigram
