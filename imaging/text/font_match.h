#pragma once
// Choosing a font file for a family name and style through fontconfig, so the
// desktop's substitution rules apply: a face that is not installed gets its
// metric twin or the default sans face.

#include <string>

namespace lumigram {

struct TFaceChoice {
  std::string File;
  int Index = 0;  // face (and named instance) inside the file
  std::string Family;
  // The chosen face lacks the asked weight or slant: draw it in.
  bool SynthesiseBold = false;
  bool SynthesiseItalic = false;
};

// The language whose characters a Windows character set holds ("ru" for
// 204, ...), to steer substitution towards a face that covers them; empty for
// Western and unknown sets.
std::string LanguageOfCharset(int charset);

// Asks fontconfig for the best scalable face. An empty family gets the
// default face. False when fontconfig has no font at all.
bool MatchFace(const std::string& familyUtf8, bool bold, bool italic, const std::string& language,
               TFaceChoice& choice);

}  // namespace lumigram
