#pragma once
// The keys of the language files. A file carries its own keys A and B,
// scrambled under the two fixed keys; the default keys are in force until a
// file is loaded. Files made under other fixed keys do not load.

#include <string>
#include <string_view>

namespace lumigram {

std::string_view LanguageFixedKey1();    // 43 characters; protects key A
std::string_view LanguageFixedKey2();    // 85 characters; protects key B
std::string_view LanguageDefaultKeyA();  // 54 characters
std::string_view LanguageDefaultKeyB();  // 51 characters

// A fresh random key of printable characters (no quotes, no backslash) for a
// file being written.
std::string RandomLanguageKey(size_t length);

}  // namespace lumigram
