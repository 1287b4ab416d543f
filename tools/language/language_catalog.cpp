#include "tools/language/language_catalog.h"

#include "lang/lite_language.h"
#include "tools/language/embedded_language.h"
#include "util/code_page.h"
#include "util/text.h"

namespace lumigram {

namespace {

constexpr int kWesternCharset = 0;  // the files are written in Windows-1252

std::string_view Span(const char* begin, const char* end) {
  return std::string_view(begin, size_t(end - begin));
}

}  // namespace

std::vector<TBuiltInLanguage> BuiltInLanguages() {
  std::vector<TBuiltInLanguage> languages;
  languages.push_back({std::string(kEnglishKey), "English", {}, {}});
  for (size_t i = 0; i < kEmbeddedLanguageCount; ++i) {
    const TEmbeddedLanguage& embedded = kEmbeddedLanguages[i];
    TBuiltInLanguage language{embedded.Key, embedded.Key,
                              Span(embedded.MainBegin, embedded.MainEnd),
                              Span(embedded.LightBegin, embedded.LightEnd)};
    // The name the file carries is what its speakers call it.
    TLiteLanguage light;
    if (light.LoadFromBytes(language.Light))
      language.Name = CharsetToUtf8(light.LanguageName(), kWesternCharset);
    languages.push_back(std::move(language));
  }
  return languages;
}

const TBuiltInLanguage* FindLanguage(const std::vector<TBuiltInLanguage>& languages,
                                     std::string_view keyOrName) {
  for (const TBuiltInLanguage& language : languages)
    if (SameTextAscii(language.Key, keyOrName) || SameTextAscii(language.Name, keyOrName))
      return &language;
  return nullptr;
}

}  // namespace lumigram
