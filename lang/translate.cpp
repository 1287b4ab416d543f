#include "lang/translate.h"

#include "lang/language.h"
#include "lang/lite_language.h"

namespace lumigram {

std::string Translate(std::string_view text) {
  return TLanguage::Shared().Translate(text);
}

std::string Translate(std::string_view text, bool& allFound) {
  return TLanguage::Shared().Translate(text, &allFound);
}

std::string TranslateLite(std::string_view text) {
  return TLiteLanguage::Shared().Translate(text);
}

std::string TranslateLite(std::string_view text, bool& allFound) {
  return TLiteLanguage::Shared().Translate(text, &allFound);
}

void ReloadSharedLanguages() {
  TLanguage::Shared().LoadLanguage();
  TLiteLanguage::Shared().LoadLanguage();
}

}  // namespace lumigram
