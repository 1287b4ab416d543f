#include "imaging/text/font_engine.h"

#include <functional>

#include "imaging/text/font_match.h"
#include "util/code_page.h"

namespace lumigram {

namespace {

// Beyond these the caches start afresh: a card names one font, but fonts
// from many files or huge glyphs must not pile up.
constexpr size_t kMaxNames = 256;
constexpr int64_t kMaxGlyphBytes = int64_t(32) << 20;
constexpr int64_t kGlyphOverhead = 64;  // bookkeeping per cached glyph, roughly

constexpr const char* kFallbackFamily = "sans-serif";

}  // namespace

TFontEngine& TFontEngine::Shared() {
  // Never destroyed: text may still be drawn while other statics go away.
  static TFontEngine* engine = new TFontEngine;
  return *engine;
}

TFontEngine::TFontEngine() {
  if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
}

TFontEngine::~TFontEngine() {
  Clear();
  if (library_) FT_Done_FreeType(library_);
}

void TFontEngine::Clear() {
  glyphs_.clear();
  glyph_bytes_ = 0;
  by_name_.clear();
  faces_.clear();
}

size_t TFontEngine::TGlyphKeyHash::operator()(const TGlyphKey& key) const {
  size_t h = std::hash<const void*>()(key.Face);
  h = h * 1000003 ^ std::hash<int64_t>()(key.Em);
  h = h * 1000003 ^ std::hash<uint32_t>()(key.Glyph);
  return h * 2 + (key.Monochrome ? 1 : 0);
}

TFontFace* TFontEngine::OpenFace(const std::string& family, bool bold, bool italic,
                                 const std::string& language) {
  TFaceChoice choice;
  if (!MatchFace(family, bold, italic, language, choice)) return nullptr;
  const auto key =
      std::make_tuple(choice.File, choice.Index, choice.SynthesiseBold, choice.SynthesiseItalic);
  if (const auto it = faces_.find(key); it != faces_.end()) return it->second.get();
  std::unique_ptr<TFontFace> face = TFontFace::Open(library_, choice);
  if (!face) return nullptr;
  return (faces_[key] = std::move(face)).get();
}

TFontFace* TFontEngine::Face(const TFont& font) {
  if (!library_) return nullptr;
  // Names come in the font's character set; fontconfig wants UTF-8.
  std::string family = CharsetToUtf8(font.Name, font.Charset);
  family.resize(family.find('\0') == std::string::npos ? family.size() : family.find('\0'));
  const std::string language = LanguageOfCharset(font.Charset);
  auto key = std::make_tuple(family, font.Bold, font.Italic, language);
  if (const auto it = by_name_.find(key); it != by_name_.end()) return it->second;
  if (by_name_.size() >= kMaxNames) Clear();
  TFontFace* face = OpenFace(family, font.Bold, font.Italic, language);
  if (!face) face = OpenFace(kFallbackFamily, font.Bold, font.Italic, language);
  by_name_[std::move(key)] = face;
  return face;
}

const TGlyphImage& TFontEngine::Glyph(TFontFace& face, uint32_t glyph, int64_t em,
                                      bool monochrome) {
  const TGlyphKey key{&face, em, glyph, monochrome};
  if (const auto it = glyphs_.find(key); it != glyphs_.end()) return it->second;
  TGlyphImage image;
  face.Render(glyph, em, monochrome, image);  // a failure leaves it empty, remembered as such
  const int64_t bytes = int64_t(image.Coverage.size()) + kGlyphOverhead;
  if (glyph_bytes_ + bytes > kMaxGlyphBytes) {
    glyphs_.clear();
    glyph_bytes_ = 0;
  }
  glyph_bytes_ += bytes;
  return glyphs_.emplace(key, std::move(image)).first->second;
}

}  // namespace lumigram
