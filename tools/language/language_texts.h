#pragma once
// The language tool's own texts, shown through the light table.

namespace lumigram::language_text {

inline constexpr const char* kCaption = "Language";
inline constexpr const char* kChoose = "Choose the language of Brimble Lumigram Creator:";
inline constexpr const char* kRestart = "Restart Brimble Lumigram Creator to see the new language.";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";

}  // namespace lumigram::language_text
