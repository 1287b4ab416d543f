#pragma once
// The process's one FreeType library, the faces chosen for font names and the
// rendered glyphs, all made on first use and kept for reuse. Callers hold
// Mutex() across every use of the engine and of the faces it hands out.

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>
#include <unordered_map>

#include "imaging/text/font.h"
#include "imaging/text/font_face.h"

namespace lumigram {

class TFontEngine {
 public:
  static TFontEngine& Shared();

  std::mutex& Mutex() { return mutex_; }

  // The face for the font's name, weight, slant and character set; the
  // default sans face when the name is unknown or its file unusable; null
  // when there is no usable font at all. Valid until the next Face or Clear.
  TFontFace* Face(const TFont& font);

  // The glyph's image, rendered on first use; an empty image when it cannot
  // be rendered. Valid until the next Glyph or Clear.
  const TGlyphImage& Glyph(TFontFace& face, uint32_t glyph, int64_t em, bool monochrome);

  // Forgets every face and glyph.
  void Clear();

 private:
  TFontEngine();
  ~TFontEngine();

  TFontFace* OpenFace(const std::string& family, bool bold, bool italic,
                      const std::string& language);

  struct TGlyphKey {
    const TFontFace* Face;
    int64_t Em;
    uint32_t Glyph;
    bool Monochrome;
    friend bool operator==(const TGlyphKey&, const TGlyphKey&) = default;
  };
  struct TGlyphKeyHash {
    size_t operator()(const TGlyphKey& key) const;
  };

  std::mutex mutex_;
  FT_Library library_ = nullptr;
  // By name, weight, slant and language; null entries remember failures.
  std::map<std::tuple<std::string, bool, bool, std::string>, TFontFace*> by_name_;
  // The open faces by file, index and synthesis, shared between names.
  std::map<std::tuple<std::string, int, bool, bool>, std::unique_ptr<TFontFace>> faces_;
  std::unordered_map<TGlyphKey, TGlyphImage, TGlyphKeyHash> glyphs_;
  int64_t glyph_bytes_ = 0;
};

}  // namespace lumigram
