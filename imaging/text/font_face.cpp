#include "imaging/text/font_face.h"

#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include FT_ADVANCES_H

#include <algorithm>
#include <cstdlib>

namespace lumigram {

namespace {

constexpr int64_t kMinEm = int64_t(kMinFontPixels) * 64;
constexpr int64_t kMaxEm = int64_t(kMaxFontPixels) * 64;
// Larger glyph images are not drawn: 1000-pixel glyphs stay well below.
constexpr int64_t kMaxGlyphPixels = int64_t(4) << 20;
// Advances are remembered for this many glyphs per face.
constexpr int64_t kMaxKnownAdvances = 65536;

// a * b / c rounded half away from zero; c > 0, |a * b| < 2^63.
int64_t MulDiv(int64_t a, int64_t b, int64_t c) {
  const int64_t p = a * b;
  return p < 0 ? -((-p + c / 2) / c) : (p + c / 2) / c;
}

int64_t PixelsOf(int64_t value64) {
  return (value64 + 32) >> 6;
}

// The row of a line thickness rows thick, kept inside the cell.
int InsideCell(int64_t top, int thickness, int height) {
  return int(std::clamp<int64_t>(top, 0, std::max(0, height - thickness)));
}

}  // namespace

std::unique_ptr<TFontFace> TFontFace::Open(FT_Library library, const TFaceChoice& choice) {
  FT_Face face = nullptr;
  if (!library || FT_New_Face(library, choice.File.c_str(), choice.Index, &face) != 0) return {};
  std::unique_ptr<TFontFace> result(new TFontFace(face));
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) return {};
  // Text arrives as Unicode; FreeType picks a Unicode map when there is one.
  if (!face->charmap && FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) return {};
  result->family_ = choice.Family;
  result->synthesise_bold_ = choice.SynthesiseBold;
  result->synthesise_italic_ = choice.SynthesiseItalic;
  result->units_per_em_ = face->units_per_EM;
  // Windows sizes the cell by the OS/2 table's Windows ascent and descent;
  // other faces fall back to the horizontal header, then to 80/20.
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    result->ascent_units_ = os2->usWinAscent;
    result->descent_units_ = os2->usWinDescent;
  } else if (face->ascender - face->descender > 0) {
    result->ascent_units_ = face->ascender;
    result->descent_units_ = -face->descender;
  } else {
    result->ascent_units_ = face->units_per_EM * 4 / 5;
    result->descent_units_ = face->units_per_EM - result->ascent_units_;
  }
  const int64_t glyphs = std::clamp<int64_t>(face->num_glyphs, 0, kMaxKnownAdvances);
  result->advances_.assign(size_t(glyphs), -1);
  return result;
}

TFontFace::~TFontFace() {
  FT_Done_Face(face_);
}

int64_t TFontFace::Scale(int64_t units, int64_t em) const {
  return MulDiv(units, em, units_per_em_);
}

int64_t TFontFace::EmForHeight(int height) const {
  int64_t em = std::abs(int64_t(height)) * 64;
  if (height > 0) {
    const int64_t cell = std::max<int64_t>(ascent_units_ + descent_units_, 1);
    em = MulDiv(std::min<int64_t>(height, kMaxFontPixels * 16), 64 * units_per_em_, cell);
  }
  return std::clamp(em, kMinEm, kMaxEm);
}

TFaceMetrics TFontFace::Metrics(int64_t em) const {
  TFaceMetrics m;
  m.Ascent = int(PixelsOf(Scale(ascent_units_, em)));
  m.Height = std::max(1, int(PixelsOf(Scale(ascent_units_ + descent_units_, em))));
  m.Descent = m.Height - m.Ascent;

  int64_t thickness = face_->underline_thickness;
  if (thickness <= 0) thickness = units_per_em_ / 14;
  m.UnderlineThickness = std::max(1, int(PixelsOf(Scale(thickness, em))));
  // FreeType gives the underline's centre, negative below the baseline.
  const int64_t below = PixelsOf(Scale(-int64_t(face_->underline_position), em));
  m.UnderlineTop =
      InsideCell(m.Ascent + below - m.UnderlineThickness / 2, m.UnderlineThickness, m.Height);

  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
  int64_t strikeSize = thickness;
  int64_t strikeTop = units_per_em_ * 22 / 100 + thickness / 2;  // about half the x-height
  if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
    strikeSize = os2->yStrikeoutSize;
    strikeTop = os2->yStrikeoutPosition;
  }
  m.StrikeOutThickness = std::max(1, int(PixelsOf(Scale(strikeSize, em))));
  m.StrikeOutTop =
      InsideCell(m.Ascent - PixelsOf(Scale(strikeTop, em)), m.StrikeOutThickness, m.Height);
  return m;
}

int64_t TFontFace::Reach(int64_t em) const {
  const FT_BBox& box = face_->bbox;
  const int64_t units = std::max({std::abs(int64_t(box.xMin)), std::abs(int64_t(box.xMax)),
                                  std::abs(int64_t(box.yMin)), std::abs(int64_t(box.yMax)),
                                  ascent_units_, descent_units_});
  // Slanting and emboldening add at most a fraction of the em.
  return PixelsOf(Scale(units, em)) + PixelsOf(em) + 2;
}

uint32_t TFontFace::GlyphOf(char32_t c) const {
  return FT_Get_Char_Index(face_, FT_ULong(c));
}

int64_t TFontFace::Advance(uint32_t glyph, int64_t em) {
  int64_t units = 0;
  if (glyph < advances_.size() && advances_[glyph] >= 0) {
    units = advances_[glyph];
  } else {
    FT_Fixed advance = 0;
    if (FT_Get_Advance(face_, glyph, FT_LOAD_NO_SCALE, &advance) == 0)
      units = std::clamp<int64_t>(advance, 0, 0x7FFFFFFF);
    if (glyph < advances_.size()) advances_[glyph] = int32_t(units);
  }
  int64_t result = Scale(units, em);
  // Drawn-in bold grows each glyph by about an em / 24, at least a pixel.
  if (synthesise_bold_) result += std::max<int64_t>(64, (em / 24 + 32) & ~int64_t(63));
  return result;
}

int64_t TFontFace::Kerning(uint32_t left, uint32_t right, int64_t em) const {
  if (!FT_HAS_KERNING(face_)) return 0;
  FT_Vector kerning{0, 0};
  if (FT_Get_Kerning(face_, left, right, FT_KERNING_UNSCALED, &kerning) != 0) return 0;
  return Scale(std::clamp<int64_t>(kerning.x, -units_per_em_, units_per_em_), em);
}

bool TFontFace::RequestSize(int64_t em) {
  if (em == current_em_) return true;
  FT_Size_RequestRec request{};
  request.type = FT_SIZE_REQUEST_TYPE_NOMINAL;
  request.width = FT_Long(em);
  request.height = FT_Long(em);
  if (FT_Request_Size(face_, &request) != 0) {
    current_em_ = 0;
    return false;
  }
  current_em_ = em;
  return true;
}

bool TFontFace::Render(uint32_t glyph, int64_t em, bool monochrome, TGlyphImage& image) {
  image = {};
  if (!RequestSize(em)) return false;
  // Monochrome glyphs are hinted for crisp stems; antialiased ones only
  // vertically, which keeps their shapes faithful.
  const FT_Int32 flags =
      FT_LOAD_NO_BITMAP | (monochrome ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_LIGHT);
  if (FT_Load_Glyph(face_, glyph, flags) != 0) return false;
  FT_GlyphSlot slot = face_->glyph;
  if (synthesise_italic_) FT_GlyphSlot_Oblique(slot);
  if (synthesise_bold_) FT_GlyphSlot_Embolden(slot);
  if (FT_Render_Glyph(slot, monochrome ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0)
    return false;
  const FT_Bitmap& bitmap = slot->bitmap;
  const int64_t width = bitmap.width;
  const int64_t rows = bitmap.rows;
  if (width * rows > kMaxGlyphPixels) return false;
  const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
  if (!mono && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return false;
  const int64_t pitch = std::abs(int64_t(bitmap.pitch));
  if (pitch < (mono ? (width + 7) / 8 : width)) return false;

  image.Left = slot->bitmap_left;
  image.Top = slot->bitmap_top;
  image.Width = int(width);
  image.Rows = int(rows);
  image.Coverage.resize(size_t(width * rows));
  const int grays = std::max(2, int(bitmap.num_grays));
  for (int64_t y = 0; y < rows; ++y) {
    // A negative pitch stores the rows bottom up.
    const unsigned char* in = bitmap.buffer + (bitmap.pitch < 0 ? rows - 1 - y : y) * pitch;
    uint8_t* out = image.Coverage.data() + y * width;
    for (int64_t x = 0; x < width; ++x) {
      out[x] = mono ? ((in[x >> 3] >> (7 - (x & 7))) & 1 ? 255 : 0)
                    : uint8_t(std::min(255, in[x] * 255 / (grays - 1)));
    }
  }
  return true;
}

}  // namespace lumigram
