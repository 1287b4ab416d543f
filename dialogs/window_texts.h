#pragma once
// The texts of the creator's auxiliary windows, in English; they pass
// through TranslateLite where they are shown.

namespace lumigram::window_text {

inline constexpr const char* kLumigramPrefix = "Lumigram ";
inline constexpr const char* kPreferences = "Preferences";
inline constexpr const char* kUserPreferences = "User Preferences";
inline constexpr const char* kCanEdit = "Can Edit";
inline constexpr const char* kCanPrint = "Can Print";
inline constexpr const char* kAuthorDetails = "Author Details";
inline constexpr const char* kApply = "&Apply";
inline constexpr const char* kCancel = "&Cancel";
inline constexpr const char* kInformation = "Information";
inline constexpr const char* kText = "Text";
inline constexpr const char* kColor = "Color";
inline constexpr const char* kCustomColor = "Custom";
inline constexpr const char* kNoPreview = "No preview";
inline constexpr const char* kPreview = "Preview";

}  // namespace lumigram::window_text
