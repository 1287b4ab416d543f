#include "lang/language.h"

#include "lang/language_file.h"
#include "lang/language_keys.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/paths.h"
#include "util/scramble.h"
#include "util/stream.h"
#include "util/text.h"

namespace lumigram {

TLanguage& TLanguage::Shared() {
  static TLanguage language;
  [[maybe_unused]] static const bool loaded = language.LoadLanguage();
  return language;
}

void TLanguage::Reset() {
  table_.Clear();
  name_ = "English";
  plain_.clear();
  hidden_.clear();
  keyA_ = LanguageDefaultKeyA();
  keyB_ = LanguageDefaultKeyB();
}

bool TLanguage::LoadLanguage() {
  const std::string folder = TPaths::Shared().SettingsFolder("Settings");
  if (folder.empty()) {
    Reset();
    return true;
  }
  return LoadLanguage(folder + kFileName);
}

bool TLanguage::LoadLanguage(const std::string& path) {
  Reset();
  if (!FileExistsNotFolder(path)) return true;
  return LoadWithRetries([&] { return LoadFromFile(path); }, [&] { return lastError_; });
}

bool TLanguage::LoadFromFile(const std::string& path, int64_t offset) {
  Reset();
  std::string bytes;
  if (!ReadLanguageFile(path, offset, bytes, lastError_)) return false;
  return LoadFromBytes(bytes);
}

bool TLanguage::LoadFromBytes(std::string_view bytes) {
  Reset();
  lastError_ = err::kUnsupportedFormat;
  TMemoryStream stream{std::string(bytes)};
  TComponentRecord record;
  bool ok = ReadComponent(stream, record, "TLanguage");
  for (size_t i = 0; ok && i < record.Properties.size(); ++i)
    ok = ApplyProperty(record.Properties[i]);
  if (!ok) Reset();
  return ok;
}

// Applies one streamed property as the component would; an unknown name or a
// value that is not a string makes the record unreadable.
bool TLanguage::ApplyProperty(const TStreamedProperty& property) {
  if (property.Kind != TStreamedProperty::TKind::String) return false;
  const std::string& name = property.Name;
  const std::string& value = property.Text;
  if (SameTextAscii(name, "pC"))
    name_ = value;
  else if (SameTextAscii(name, "pP"))
    plain_ = value;
  else if (SameTextAscii(name, "pA"))
    keyA_ = ScrambleAdd(value, LanguageFixedKey1());
  else if (SameTextAscii(name, "pB"))
    keyB_ = ScrambleAdd(value, LanguageFixedKey2());
  else if (SameTextAscii(name, "pD"))
    hidden_ = ScrambleAdd(value, keyA_);
  else if (SameTextAscii(name, "pI"))
    ReadEntries(value);
  else
    return false;
  return true;
}

// The entries end at the first record that cannot be read or at capacity;
// what was read before stays.
void TLanguage::ReadEntries(const std::string& run) {
  table_.Clear();
  TMemoryStream stream{run};
  while (table_.Count() < kCapacity) {
    TComponentRecord record;
    if (!ReadComponent(stream, record, "TLI")) return;
    std::string source, translation;
    for (const TStreamedProperty& property : record.Properties) {
      if (property.Kind != TStreamedProperty::TKind::String) return;
      if (SameTextAscii(property.Name, "X"))
        source = ScrambleSub(property.Text, keyA_);
      else if (SameTextAscii(property.Name, "Y"))
        translation = ScrambleSub(property.Text, keyB_);
      else
        return;
    }
    table_.Append(std::move(source), std::move(translation));
  }
}

}  // namespace lumigram
