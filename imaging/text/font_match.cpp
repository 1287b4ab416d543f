#include "imaging/text/font_match.h"

#include <fontconfig/fontconfig.h>

#include <memory>

// fontconfig 2.14 loses a few hundred bytes once while parsing its
// configuration. Leak checkers ask this hook (when built with one; unused
// otherwise), so a program that draws text is not failed for it.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}

namespace lumigram {

namespace {

struct TPatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using TPattern = std::unique_ptr<FcPattern, TPatternDeleter>;

const FcChar8* Utf8(const std::string& text) {
  return reinterpret_cast<const FcChar8*>(text.c_str());
}

}  // namespace

std::string LanguageOfCharset(int charset) {
  switch (charset) {
    case 204:
      return "ru";
    case 161:
      return "el";
    case 238:
      return "cs";
    case 162:
      return "tr";
    case 177:
      return "he";
    case 178:
      return "ar";
    case 186:
      return "lt";
    case 163:
      return "vi";
    case 222:
      return "th";
    case 128:
      return "ja";
    case 129:
      return "ko";
    case 134:
      return "zh-cn";
    case 136:
      return "zh-tw";
    default:
      return {};
  }
}

bool MatchFace(const std::string& familyUtf8, bool bold, bool italic, const std::string& language,
               TFaceChoice& choice) {
  // FcInit reads the configuration once; later calls return at once.
  if (!FcInit()) return false;
  TPattern pattern(FcPatternCreate());
  if (!pattern) return false;
  FcPattern* p = pattern.get();
  if (!familyUtf8.empty()) FcPatternAddString(p, FC_FAMILY, Utf8(familyUtf8));
  FcPatternAddInteger(p, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(p, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  // Glyphs are scaled to any height; bitmap-only faces cannot follow.
  FcPatternAddBool(p, FC_SCALABLE, FcTrue);
  if (!language.empty()) FcPatternAddString(p, FC_LANG, Utf8(language));
  if (!FcConfigSubstitute(nullptr, p, FcMatchPattern)) return false;
  FcDefaultSubstitute(p);

  FcResult result = FcResultNoMatch;
  TPattern match(FcFontMatch(nullptr, p, &result));
  if (!match) return false;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || !file) return false;
  choice = {};
  choice.File = reinterpret_cast<const char*>(file);
  int index = 0;
  if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) == FcResultMatch) choice.Index = index;
  FcChar8* family = nullptr;
  if (FcPatternGetString(match.get(), FC_FAMILY, 0, &family) == FcResultMatch && family)
    choice.Family = reinterpret_cast<const char*>(family);
  int weight = FC_WEIGHT_REGULAR;
  FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
  int slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
  choice.SynthesiseBold = bold && weight < FC_WEIGHT_DEMIBOLD;
  choice.SynthesiseItalic = italic && slant == FC_SLANT_ROMAN;
  return true;
}

}  // namespace lumigram
