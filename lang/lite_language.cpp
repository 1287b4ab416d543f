#include "lang/lite_language.h"

#include "lang/language_file.h"
#include "lang/language_keys.h"
#include "util/error_texts.h"
#include "util/fields.h"
#include "util/files.h"
#include "util/paths.h"
#include "util/scramble.h"

namespace lumigram {

namespace {

// The magic ends at the first 0 byte, which must come within this many bytes.
constexpr size_t kHeaderSearch = 20;

}  // namespace

TLiteLanguage& TLiteLanguage::Shared() {
  static TLiteLanguage language;
  [[maybe_unused]] static const bool loaded = language.LoadLanguage();
  return language;
}

void TLiteLanguage::Reset() {
  table_.Clear();
  name_ = "English";
  texts_ = {};
  keyA_ = LanguageDefaultKeyA();
  keyB_ = LanguageDefaultKeyB();
}

bool TLiteLanguage::LoadLanguage() {
  const std::string folder = TPaths::Shared().SettingsFolder("Settings");
  if (folder.empty()) {
    Reset();
    return true;
  }
  return LoadLanguage(folder + kFileName);
}

bool TLiteLanguage::LoadLanguage(const std::string& path) {
  Reset();
  if (!FileExistsNotFolder(path)) return true;
  return LoadWithRetries([&] { return LoadFromFile(path); }, [&] { return lastError_; });
}

bool TLiteLanguage::LoadFromFile(const std::string& path, int64_t offset) {
  Reset();
  std::string bytes;
  if (!ReadLanguageFile(path, offset, bytes, lastError_)) return false;
  return LoadFromBytes(bytes);
}

bool TLiteLanguage::LoadFromBytes(std::string_view bytes) {
  Reset();
  const bool ok = Parse(bytes);
  if (!ok) Reset();
  return ok;
}

bool TLiteLanguage::Parse(std::string_view bytes) {
  lastError_ = err::kUnknownFormat;
  const size_t zero = bytes.substr(0, kHeaderSearch).find('\0');
  if (zero == std::string_view::npos || bytes.substr(0, zero) != kMagic) return false;

  size_t cursor = zero + 1;
  std::string field;
  if (!ReadField(bytes, cursor, field)) return false;
  keyA_ = ScrambleAdd(field, LanguageFixedKey1());
  if (!ReadField(bytes, cursor, field)) return false;
  keyB_ = ScrambleAdd(field, LanguageFixedKey2());
  if (!ReadField(bytes, cursor, field)) return false;
  const int32_t count = Bytes4ToInt(ScrambleAdd(field, keyA_));
  if (count < 1 || count > kCapacity) return false;
  if (!ReadField(bytes, cursor, field)) return false;
  name_ = ScrambleAdd(field, keyA_);
  for (std::string& text : texts_) {
    if (!ReadField(bytes, cursor, field)) return false;
    text = ScrambleAdd(field, keyA_);
  }

  std::string translation;
  for (int32_t i = 0; i < count; ++i) {
    if (!ReadField(bytes, cursor, field) || !ReadField(bytes, cursor, translation)) return false;
    if (AddEntry(ScrambleSub(field, keyA_), ScrambleSub(translation, keyB_)) < 0) return false;
  }
  return true;
}

int TLiteLanguage::AddEntry(std::string_view source, std::string_view translation) {
  if (source.empty() || translation.empty()) {
    lastError_ = err::kEmpty;
    return -1;
  }
  const int index = table_.FindEntry(source);
  if (index >= 0) {
    table_.SetTranslation(index, std::string(translation));
    return index;
  }
  if (table_.Count() >= kCapacity) {
    lastError_ = err::kCapacityReached;
    return -1;
  }
  table_.Append(std::string(source), std::string(translation));
  return table_.Count() - 1;
}

}  // namespace lumigram
