#include "lang/language_writer.h"

#include "lang/language.h"
#include "lang/language_keys.h"
#include "lang/lite_language.h"
#include "storage/component_stream.h"
#include "util/error_texts.h"
#include "util/fields.h"
#include "util/scramble.h"

namespace lumigram {

namespace {

struct TKeys {
  std::string A, B;
};

TKeys KeysFor(const TLanguageFileContent& content) {
  return {content.KeyA.empty() ? RandomLanguageKey(LanguageDefaultKeyA().size()) : content.KeyA,
          content.KeyB.empty() ? RandomLanguageKey(LanguageDefaultKeyB().size()) : content.KeyB};
}

bool CheckEntries(const TLanguageFileContent& content, size_t capacity, std::string& error) {
  error = err::kCapacityReached;
  if (content.Entries.size() > capacity) return false;
  error = err::kEmpty;
  for (const TLanguagePair& pair : content.Entries)
    if (pair.Source.empty() || pair.Translation.empty()) return false;
  return true;
}

}  // namespace

bool WriteLanguageLlf(const TLanguageFileContent& content, std::string& bytes, std::string& error) {
  if (!CheckEntries(content, size_t(TLanguage::kCapacity), error)) return false;
  error = err::kOutOfMemory;
  try {
    const TKeys keys = KeysFor(content);
    TMemoryStream run;
    for (const TLanguagePair& pair : content.Entries)
      WriteComponent(run,
                     {"TLI",
                      "",
                      {TStreamedProperty::OfString("X", ScrambleAdd(pair.Source, keys.A)),
                       TStreamedProperty::OfString("Y", ScrambleAdd(pair.Translation, keys.B))}});
    // pA and pB come first so that the reader knows the keys for pD and pI.
    const TComponentRecord record{
        "TLanguage",
        "",
        {TStreamedProperty::OfString("pC", content.Name),
         TStreamedProperty::OfString("pP", content.PlainText),
         TStreamedProperty::OfString("pA", ScrambleSub(keys.A, LanguageFixedKey1())),
         TStreamedProperty::OfString("pB", ScrambleSub(keys.B, LanguageFixedKey2())),
         TStreamedProperty::OfString("pD", ScrambleSub(content.HiddenText, keys.A)),
         TStreamedProperty::OfString("pI", run.TakeData())}};
    bytes = ComponentToBytes(record);
    return true;
  } catch (...) {
    return false;
  }
}

bool WriteLanguageLl2(const TLanguageFileContent& content, std::string& bytes, std::string& error) {
  if (!CheckEntries(content, size_t(TLiteLanguage::kCapacity), error)) return false;
  error = err::kEmpty;
  if (content.Entries.empty()) return false;
  error = err::kOutOfMemory;
  try {
    const TKeys keys = KeysFor(content);
    std::string out(TLiteLanguage::kMagic);
    out += '\0';
    AppendField(out, ScrambleSub(keys.A, LanguageFixedKey1()));
    AppendField(out, ScrambleSub(keys.B, LanguageFixedKey2()));
    AppendField(out, ScrambleSub(IntToBytes4(int32_t(content.Entries.size())), keys.A));
    AppendField(out, ScrambleSub(content.Name, keys.A));
    for (const std::string& text : content.Texts) AppendField(out, ScrambleSub(text, keys.A));
    for (const TLanguagePair& pair : content.Entries) {
      AppendField(out, ScrambleAdd(pair.Source, keys.A));
      AppendField(out, ScrambleAdd(pair.Translation, keys.B));
    }
    bytes = std::move(out);
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace lumigram
